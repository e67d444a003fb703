# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the tests: every test runs with Qt's offscreen platform, with only the fonts of the
# packages tools/install-deps.sh installs (a fontconfig file of our own, with its cache in the
# build tree), and, in a sanitizer build, with the leak suppressions for Qt's and the system
# libraries' own allocations.
set(TAVRO_TEST_FONT_CACHE ${PROJECT_BINARY_DIR}/tests/fonts/cache)
set(TAVRO_TEST_FONTS_CONF ${PROJECT_BINARY_DIR}/tests/fonts/fonts.conf)
file(MAKE_DIRECTORY ${TAVRO_TEST_FONT_CACHE})
configure_file(${PROJECT_SOURCE_DIR}/tests/fonts/fonts.conf.in ${TAVRO_TEST_FONTS_CONF} @ONLY)
if(NOT EXISTS /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf)
    message(WARNING "fonts-liberation2 is missing: run tools/install-deps.sh, or the window "
                    "tests see captions in a wider face than the program is made for")
endif()

set(TAVRO_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen"
    "FONTCONFIG_FILE=${TAVRO_TEST_FONTS_CONF}"
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# tavro_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>]
#                [ARGS <arguments...>])
# Builds one test executable and registers it with ctest, run with the arguments given. Link
# GTest::gtest_main for a GoogleTest test, or Qt6::Test for a Qt Test one. The name is
# <folder>_<what>, <folder> being the test's folder under tests/, so that `ctest -R '^<folder>_'`
# selects the folder.
function(tavro_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;ARGS" ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    if(NOT name MATCHES "^${folder}_[a-z0-9_]+$")
        message(FATAL_ERROR "test ${name} in tests/${folder}: name it ${folder}_<what>")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    tavro_warnings(${name})
    add_test(NAME ${name} COMMAND ${name} ${ARG_ARGS})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TAVRO_TEST_ENVIRONMENT}"
                                            LABELS "${ARG_LABELS}" TIMEOUT 300)
endfunction()
