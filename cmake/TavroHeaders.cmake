# SPDX-License-Identifier: GPL-3.0-or-later
# Each library's include folder holds its own headers and nothing else, so that CMake holds the
# layers: a source can include a header only of its own library and of the libraries it links,
# and an include that points anywhere else fails to compile.
#
# tavro_publish_headers(<target> [PRIVATE <header>...])
# Makes ${PROJECT_BINARY_DIR}/include/<target>/<folder>/ (the folder's path below the source
# tree, such as "game" or "tools/cardsets", less its tier: "records" for optional/records) with a symbolic link to each header among the
# target's sources, and gives it to the target as its include folder: PUBLIC for a library, so
# that its users include the headers as "<folder>/<Header>.h" as before; INTERFACE for a library
# of headers only. Headers listed after PRIVATE, and every header of an executable, go to a
# second folder (include-private/<target>) that only the target's own sources see. The links are
# made again at every configure, so a header taken off a target's sources is gone from its folder.
function(tavro_publish_headers target)
    cmake_parse_arguments(ARG "" "" "PRIVATE" ${ARGN})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    # The tiers that group folders (support/, optional/, dialogs/players) are not part of the
    # include path: a header is "records/GameRecord.h" wherever its tier puts its folder.
    string(REGEX REPLACE "^(support|optional|dialogs)/" "" folder "${folder}")
    set(public_root ${PROJECT_BINARY_DIR}/include/${target})
    set(private_root ${PROJECT_BINARY_DIR}/include-private/${target})
    file(REMOVE_RECURSE ${public_root} ${private_root})
    get_target_property(type ${target} TYPE)
    get_target_property(sources ${target} SOURCES)
    set(has_public FALSE)
    set(has_private FALSE)
    foreach(header IN LISTS sources)
        if(NOT header MATCHES "\\.h$")
            continue()
        endif()
        if(type STREQUAL "EXECUTABLE" OR header IN_LIST ARG_PRIVATE)
            set(root ${private_root})
            set(has_private TRUE)
        else()
            set(root ${public_root})
            set(has_public TRUE)
        endif()
        get_filename_component(link_folder ${root}/${folder}/${header} DIRECTORY)
        file(MAKE_DIRECTORY ${link_folder})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endforeach()
    foreach(header IN LISTS ARG_PRIVATE)
        if(NOT header IN_LIST sources)
            message(FATAL_ERROR "${target}: the private header ${header} is none of its sources")
        endif()
    endforeach()
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${public_root})
        return()
    endif()
    if(has_public)
        target_include_directories(${target} PUBLIC ${public_root})
    endif()
    if(has_private)
        target_include_directories(${target} PRIVATE ${private_root})
    endif()
endfunction()
