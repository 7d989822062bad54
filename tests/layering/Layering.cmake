# Fails when a file of a room of SOURCES (a src/ folder) includes a header owned by a room it may
# not use. The rooms and their uses come from SOURCES/Layers.cmake. Headers are included by bare
# name, so a header is owned by the room whose folder (or a subfolder of it) holds it, and one
# name in two rooms is itself an error. Headers of no room (Qt, the system, generated moc files)
# are not checked.
#   cmake -DSOURCES=<src> -P Layering.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT IS_DIRECTORY "${SOURCES}" OR NOT EXISTS "${SOURCES}/Layers.cmake")
    message(FATAL_ERROR "No rooms to check: ${SOURCES}/Layers.cmake is missing")
endif()
include("${SOURCES}/Layers.cmake")

set(problems "")

# The owner of each header name.
foreach(room ${ORVANTA_ROOMS})
    file(GLOB_RECURSE headers RELATIVE "${SOURCES}" "${SOURCES}/${room}/*.h" "${SOURCES}/${room}/*.h.in")
    foreach(header ${headers})
        get_filename_component(name "${header}" NAME)
        string(REGEX REPLACE "\\.in$" "" name "${name}")
        string(MAKE_C_IDENTIFIER "${name}" key)
        if(DEFINED owner_${key} AND NOT owner_${key} STREQUAL room)
            list(APPEND problems
                "${name} is in both ${owner_${key}} and ${room}: an include of it is ambiguous")
        endif()
        set(owner_${key} ${room})
    endforeach()
endforeach()

# The rooms each room may use: the ones it names and, through them, theirs.
foreach(room ${ORVANTA_ROOMS})
    set(allowed ${room})
    set(pending ${ORVANTA_ROOM_USES_${room}})
    while(pending)
        list(POP_FRONT pending next)
        if(NOT next IN_LIST ORVANTA_ROOMS)
            list(APPEND problems "${room} uses ${next}, which is no room")
        elseif(NOT next IN_LIST allowed)
            list(APPEND allowed ${next})
            list(APPEND pending ${ORVANTA_ROOM_USES_${next}})
        endif()
    endwhile()
    set(allowed_${room} ${allowed})
endforeach()

foreach(room ${ORVANTA_ROOMS})
    file(GLOB_RECURSE files RELATIVE "${SOURCES}" "${SOURCES}/${room}/*.h" "${SOURCES}/${room}/*.cpp"
        "${SOURCES}/${room}/*.h.in")
    foreach(file ${files})
        file(STRINGS "${SOURCES}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line ${lines})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
            get_filename_component(name "${included}" NAME)
            string(MAKE_C_IDENTIFIER "${name}" key)
            if(DEFINED owner_${key} AND NOT owner_${key} IN_LIST allowed_${room})
                list(APPEND problems
                    "${file} includes ${name} of ${owner_${key}}, which ${room} may not use")
            endif()
        endforeach()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Layering broken:\n  ${text}")
endif()
message(STATUS "Layering kept: no room includes a header of a room above it")
