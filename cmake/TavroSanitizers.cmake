# SPDX-License-Identifier: GPL-3.0-or-later
# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build when TAVRO_SANITIZE is on.
if(TAVRO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build (tools/fuzz.sh): clang's libFuzzer coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer for every library; the fuzz targets themselves (tests/fuzz) link
# libFuzzer's driver.
if(TAVRO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TAVRO_FUZZ needs clang (tools/fuzz.sh configures it with "
                            "cmake/ClangToolchain.cmake)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
