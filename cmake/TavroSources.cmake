# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ file (*.cpp, *.h) in a folder the build configures must be listed as a source of some
# target: a file left out of its CMakeLists.txt fails the configure, and (for files added after
# it) the build. Folders without a CMakeLists.txt of their own belong to the nearest folder above
# that has one (tools/cardsets to tools). Also checked: every top-level folder holding C++ files
# is configured (tests/ and bench/ only when their options are on).
#
# The same file runs in script mode (cmake -P) at build time and in the structure tests:
#   cmake -DTAVRO_SOURCE_DIR=<tree> -DTAVRO_LISTED=<list file> -P TavroSources.cmake
# The list file holds the configured folders and the listed sources, relative to the tree.

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)  # the same policies as the project's
endif()

# The C++ files on disk that belong to the configured folder <dir> (relative to <root>).
function(_tavro_files_of_folder root dir configured out)
    file(GLOB_RECURSE found RELATIVE ${root} LIST_DIRECTORIES false
         ${root}/${dir}/*.cpp ${root}/${dir}/*.h)
    set(kept)
    foreach(file IN LISTS found)
        # Skip files below another configured folder: that folder answers for them.
        get_filename_component(parent ${file} DIRECTORY)
        while(NOT parent STREQUAL dir AND NOT parent STREQUAL "")
            if(parent IN_LIST configured)
                break()
            endif()
            get_filename_component(parent ${parent} DIRECTORY)
        endwhile()
        if(parent STREQUAL dir)
            list(APPEND kept ${file})
        endif()
    endforeach()
    set(${out} ${kept} PARENT_SCOPE)
endfunction()

# Compares the tree with the list file's folders and sources; a FATAL_ERROR names each problem.
function(tavro_compare_listed_sources root listed_file)
    include(${listed_file})  # sets TAVRO_CONFIGURED_DIRS, TAVRO_LISTED_SOURCES, TAVRO_UNCHECKED_DIRS
    set(problems)
    foreach(dir IN LISTS TAVRO_CONFIGURED_DIRS)
        _tavro_files_of_folder(${root} ${dir} "${TAVRO_CONFIGURED_DIRS}" files)
        foreach(file IN LISTS files)
            if(NOT file IN_LIST TAVRO_LISTED_SOURCES)
                list(APPEND problems "${file} is in no target: list it in ${dir}/CMakeLists.txt")
            endif()
        endforeach()
    endforeach()
    # Top-level folders with C++ files that the build never configures; in a tier folder that
    # only groups others (support/, optional/), its folders.
    file(GLOB top RELATIVE ${root} LIST_DIRECTORIES true ${root}/*)
    foreach(tier IN ITEMS support optional)
        if(IS_DIRECTORY ${root}/${tier})
            list(REMOVE_ITEM top ${tier})
            file(GLOB grouped RELATIVE ${root} LIST_DIRECTORIES true ${root}/${tier}/*)
            list(APPEND top ${grouped})
        endif()
    endforeach()
    foreach(dir IN LISTS top)
        if(NOT IS_DIRECTORY ${root}/${dir} OR dir IN_LIST TAVRO_CONFIGURED_DIRS
           OR dir IN_LIST TAVRO_UNCHECKED_DIRS OR dir MATCHES "^\\.|^build"
           OR EXISTS ${root}/${dir}/CMakeCache.txt)
            continue()
        endif()
        file(GLOB_RECURSE sources ${root}/${dir}/*.cpp ${root}/${dir}/*.h)
        if(sources)
            list(APPEND problems "${dir}/ holds C++ files but is not configured: add_subdirectory(${dir})")
        endif()
    endforeach()
    if(problems)
        list(JOIN problems "\n  " text)
        message(FATAL_ERROR "Sources not listed in any CMakeLists.txt:\n  ${text}")
    endif()
endfunction()

# Collects the configured folders and every target's sources below the top-level source folder.
function(_tavro_collect_listed dir dirs_var sources_var)
    set(dirs ${${dirs_var}})
    set(sources ${${sources_var}})
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${dir})
    if(NOT relative STREQUAL "")
        list(APPEND dirs ${relative})
    endif()
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(target_sources ${target} SOURCES)
        get_target_property(target_dir ${target} SOURCE_DIR)
        if(NOT target_sources)
            continue()
        endif()
        foreach(source IN LISTS target_sources)
            if(source MATCHES "^\\$<")
                continue()
            endif()
            get_filename_component(absolute ${source} ABSOLUTE BASE_DIR ${target_dir})
            file(RELATIVE_PATH relative_source ${PROJECT_SOURCE_DIR} ${absolute})
            list(APPEND sources ${relative_source})
        endforeach()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        _tavro_collect_listed(${subdir} dirs sources)
    endforeach()
    set(${dirs_var} ${dirs} PARENT_SCOPE)
    set(${sources_var} ${sources} PARENT_SCOPE)
endfunction()

# Called at the end of the top-level CMakeLists.txt: writes the list file, compares now, and adds
# the target that compares again on every build.
function(tavro_check_listed_sources)
    set(dirs)
    set(sources)
    _tavro_collect_listed(${PROJECT_SOURCE_DIR} dirs sources)
    list(REMOVE_DUPLICATES sources)
    set(unchecked)
    if(NOT TAVRO_TESTS)
        list(APPEND unchecked tests)
    endif()
    if(NOT TAVRO_BENCH)
        list(APPEND unchecked bench)
    endif()
    set(listed_file ${PROJECT_BINARY_DIR}/listed_sources.cmake)
    file(WRITE ${listed_file}.new
         "# Written by cmake/TavroSources.cmake: the configured folders and listed sources.\n"
         "set(TAVRO_CONFIGURED_DIRS \"${dirs}\")\n"
         "set(TAVRO_LISTED_SOURCES \"${sources}\")\n"
         "set(TAVRO_UNCHECKED_DIRS \"${unchecked}\")\n")
    file(COPY_FILE ${listed_file}.new ${listed_file} ONLY_IF_DIFFERENT)
    tavro_compare_listed_sources(${PROJECT_SOURCE_DIR} ${listed_file})
    add_custom_target(listed_sources_check ALL
        COMMAND ${CMAKE_COMMAND} -DTAVRO_SOURCE_DIR=${PROJECT_SOURCE_DIR}
                -DTAVRO_LISTED=${listed_file} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        COMMENT "Checking that every source file is listed in a CMakeLists.txt"
        VERBATIM)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND TAVRO_LISTED)
    tavro_compare_listed_sources(${TAVRO_SOURCE_DIR} ${TAVRO_LISTED})
endif()
