# Client code of Wayland protocols, generated at build time from the XML files that Debian ships
# (wayland-protocols, plasma-wayland-protocols) by wayland-scanner.
#
# lumivane_wayland_protocols(TARGET xml...): a static library TARGET of the protocols' client
# code, whose headers (<name>-client-protocol.h) its users include.
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
find_package(PlasmaWaylandProtocols REQUIRED)
if(NOT WAYLAND_SCANNER OR NOT WAYLAND_PROTOCOLS_DIR)
    message(FATAL_ERROR "wayland-scanner and wayland-protocols are needed (tools/deps.sh)")
endif()
# The generated code is C.
enable_language(C)

function(lumivane_wayland_protocols target)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target})
    set(sources)
    foreach(xml ${ARGN})
        get_filename_component(name ${xml} NAME_WE)
        add_custom_command(OUTPUT ${dir}/${name}-client-protocol.h
            COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${dir}/${name}-client-protocol.h
            DEPENDS ${xml} VERBATIM)
        add_custom_command(OUTPUT ${dir}/${name}-protocol.c
            COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${dir}/${name}-protocol.c
            DEPENDS ${xml} VERBATIM)
        list(APPEND sources ${dir}/${name}-client-protocol.h ${dir}/${name}-protocol.c)
    endforeach()
    file(MAKE_DIRECTORY ${dir})
    add_library(${target} STATIC ${sources})
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)
    target_include_directories(${target} PUBLIC ${dir})
    target_link_libraries(${target} PUBLIC PkgConfig::WAYLAND_CLIENT)
endfunction()
