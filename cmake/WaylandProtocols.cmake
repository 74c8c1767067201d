# C bindings of Wayland protocol descriptions, made at build time by wayland-scanner into
# protocols/ of the calling folder's build tree (where the backend's sources and tests look for
# the client headers), as an object library of the name given. Generated C, built without the
# project's C++ warning flags.
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)

function(rukcon_wayland_protocols target)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/protocols)
    set(sources)
    set(headers)
    foreach(xml ${ARGN})
        get_filename_component(protocol ${xml} NAME_WE)
        set(header ${out}/${protocol}-client-protocol.h)
        set(code ${out}/${protocol}-protocol.c)
        add_custom_command(OUTPUT ${header}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
            COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${header}
            DEPENDS ${xml} VERBATIM)
        add_custom_command(OUTPUT ${code}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
            COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${code}
            DEPENDS ${xml} VERBATIM)
        list(APPEND sources ${code})
        list(APPEND headers ${header})
    endforeach()
    add_library(${target} OBJECT ${sources} ${headers})
    target_link_libraries(${target} PRIVATE PkgConfig::WAYLAND_CLIENT)
endfunction()
