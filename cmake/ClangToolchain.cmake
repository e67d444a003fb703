# SPDX-License-Identifier: GPL-3.0-or-later
# Builds with clang, which the fuzz build (TAVRO_FUZZ, tools/fuzz.sh) needs for libFuzzer.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
