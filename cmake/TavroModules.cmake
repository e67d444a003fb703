# SPDX-License-Identifier: GPL-3.0-or-later
# tavro_add_module(<name> SOURCES <files...> LIBS <targets...>)
# Builds the optional module <name> as a Qt plugin, libtavro_<name>.so, into the "modules" folder
# beside the game (modules/ModuleLoader loads it from there on first use) and installs it there.
# Keep the module's logic in a static library of its own that the plugin and the tests link; the
# plugin's sources are only its root object.
set(TAVRO_MODULE_DIR ${TAVRO_RUNTIME_DIR}/modules)

function(tavro_add_module name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    set(target tavro_${name}_module)
    add_library(${target} MODULE ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME tavro_${name}
                                               LIBRARY_OUTPUT_DIRECTORY ${TAVRO_MODULE_DIR})
    tavro_warnings(${target})
    set_property(GLOBAL APPEND PROPERTY TAVRO_MODULE_TARGETS ${target})
endfunction()
