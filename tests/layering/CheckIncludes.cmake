# Reads every #include under SOURCE_DIR (the src folder) and fails on one that crosses a layer:
# the logic (input, target, settings, sound, the platform interfaces and the null backend)
# includes neither Qt, X11, SDL, Wayland nor xkbcommon, nor a ui, app or other backend header;
# ui includes no app header.
#   cmake -DSOURCE_DIR=<src> -P CheckIncludes.cmake
if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "no source folder: ${SOURCE_DIR}")
endif()

set(system_forbidden "^(Q[A-Za-z]*|Qt[A-Za-z]*/.*|X11/.*|SDL.*|SDL2/.*|wayland-.*|xkbcommon/.*)$")
set(logic_forbidden "^(ui|app|platform/(x11|wayland|sdl))/")

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.c")
set(checked 0)
set(faults "")
foreach(source IN LISTS sources)
    if(source MATCHES "^(input|target|settings|sound)/" OR source MATCHES "^platform/[^/]+$"
       OR source MATCHES "^platform/null/")
        set(layer logic)
    elseif(source MATCHES "^ui/")
        set(layer ui)
    else()
        continue()
    endif()
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "include[ \t]*[<\"]([^>\"]+)[>\"]")
            continue()
        endif()
        set(header "${CMAKE_MATCH_1}")
        if(layer STREQUAL "logic" AND (header MATCHES "${system_forbidden}" OR header MATCHES "${logic_forbidden}"))
            string(APPEND faults "\n  ${source}: ${header}")
        elseif(layer STREQUAL "ui" AND header MATCHES "^app/")
            string(APPEND faults "\n  ${source}: ${header}")
        endif()
    endforeach()
endforeach()

# A glob that found nothing would pass everything.
if(checked LESS 50)
    message(FATAL_ERROR "only ${checked} files of the logic and ui layers found under ${SOURCE_DIR}")
endif()
if(faults)
    message(FATAL_ERROR "includes across the layers:${faults}")
endif()
message(STATUS "${checked} files, no include across the layers")
