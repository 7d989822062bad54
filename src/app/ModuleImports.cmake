# Writes the dynamic list of the symbols the program's modules take from the program: the
# unversioned symbols a module leaves undefined. The program exports just those of them it
# defines, not its whole symbol table: a table of thousands of symbols is searched by every
# library the program loads, and its pages are read at every start.
#
#   cmake -DNM=nm -DOUT=list -P ModuleImports.cmake MODULE...
# The modules are the arguments after the script's name.
set(modules "")
set(first -1)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(CMAKE_ARGV${i} STREQUAL "-P")
        math(EXPR first "${i} + 2")
    elseif(first GREATER 0 AND i GREATER_EQUAL first)
        list(APPEND modules "${CMAKE_ARGV${i}}")
    endif()
endforeach()
set(symbols "")
foreach(module IN LISTS modules)
    execute_process(COMMAND ${NM} -D --undefined-only ${module}
        OUTPUT_VARIABLE undefined RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${NM} could not read ${module}")
    endif()
    string(REGEX MATCHALL "[Uw] [^ \n@]+\n" lines "${undefined}")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[Uw] ([^\n]+)\n$" "\\1" symbol "${line}")
        list(APPEND symbols "${symbol}")
    endforeach()
endforeach()
list(REMOVE_DUPLICATES symbols)
list(SORT symbols)
set(text "{\n")
foreach(symbol IN LISTS symbols)
    string(APPEND text "    ${symbol};\n")
endforeach()
string(APPEND text "};\n")
file(WRITE ${OUT}.new "${text}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
