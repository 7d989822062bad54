# The layering check itself, on small made-up trees: each case lays out rooms and files and says
# whether the check passes and, when it fails, what its message names.
#   cmake -DCHECK=<Layering.cmake> -DWORK=<scratch folder> -P LayeringCases.cmake
cmake_minimum_required(VERSION 3.25)

# Case: name | rooms, each "room:uses+uses" | files, each "path=include+include" (a Q name is a
# system include, a ~ one is written with odd spacing) | "ok", or a text the failure names.
set(cases
    "down|low: high:low|low/A.h= high/B.cpp=A.h|ok"
    "through a room between|low: mid:low high:mid|low/A.h= mid/M.h=A.h high/B.cpp=A.h|ok"
    "own room and unknown headers|low:|low/A.h= low/A.cpp=A.h+moc_A.cpp+QString|ok"
    "up|low: high:low|high/B.h= low/A.cpp=B.h|low/A.cpp includes B.h of high"
    "beside|low: left:low right:low|left/L.h= right/R.cpp=L.h|right/R.cpp includes L.h of left"
    "path and spacing|low: high:low|high/B.h= low/A.cpp=~../high/B.h|includes B.h of high"
    "header in a subfolder|low: high:low|high/qt/Sub.h= low/A.cpp=Sub.h|includes Sub.h of high"
    "one name in two rooms|low: high:low|low/A.h= high/A.h=|A.h is in both low and high"
    "use of no room|low: high:lower|low/A.h=|high uses lower, which is no room"
)

set(failures "")
set(index 0)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 layers)
    list(GET fields 2 files)
    list(GET fields 3 expected)
    math(EXPR index "${index} + 1")
    set(tree "${WORK}/case${index}")
    file(REMOVE_RECURSE "${tree}")

    string(REPLACE " " ";" rooms "${layers}")
    set(layerText "")
    set(roomNames "")
    foreach(room IN LISTS rooms)
        string(REPLACE ":" ";" parts "${room}")
        list(GET parts 0 roomName)
        list(LENGTH parts count)
        set(uses "")
        if(count GREATER 1)
            list(GET parts 1 uses)
            string(REPLACE "+" " " uses "${uses}")
        endif()
        list(APPEND roomNames ${roomName})
        string(APPEND layerText "set(ORVANTA_ROOM_USES_${roomName} ${uses})\n")
        file(MAKE_DIRECTORY "${tree}/${roomName}")
    endforeach()
    list(JOIN roomNames " " roomText)
    file(WRITE "${tree}/Layers.cmake" "set(ORVANTA_ROOMS ${roomText})\n${layerText}")

    string(REPLACE " " ";" fileList "${files}")
    foreach(entry IN LISTS fileList)
        string(FIND "${entry}" "=" at)
        string(SUBSTRING "${entry}" 0 ${at} path)
        math(EXPR from "${at} + 1")
        string(SUBSTRING "${entry}" ${from} -1 includes)
        string(REPLACE "+" ";" includes "${includes}")
        set(text "")
        foreach(included IN LISTS includes)
            if(included MATCHES "^~(.*)")
                string(APPEND text "  #  include \"${CMAKE_MATCH_1}\"  // odd spacing\n")
            elseif(included MATCHES "^Q[A-Z]")
                string(APPEND text "#include <${included}>\n")
            else()
                string(APPEND text "#include \"${included}\"\n")
            endif()
        endforeach()
        file(WRITE "${tree}/${path}" "${text}")
    endforeach()

    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCES=${tree} -P ${CHECK}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(REGEX REPLACE "[ \t\r\n]+" " " said "${out}${err}")
    if(expected STREQUAL "ok")
        if(NOT result EQUAL 0)
            list(APPEND failures "${name}: should pass, said: ${said}")
        endif()
    elseif(result EQUAL 0)
        list(APPEND failures "${name}: should fail with \"${expected}\", passed")
    else()
        string(FIND "${said}" "${expected}" found)
        if(found EQUAL -1)
            list(APPEND failures "${name}: should say \"${expected}\", said: ${said}")
        endif()
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Layering check cases failed:\n  ${text}")
endif()
