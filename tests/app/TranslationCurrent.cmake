# Runs lupdate over a copy of the translation: a text added, changed or removed in the sources
# since the translation was last brought up to date changes the copy.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
file(COPY ${TS} DESTINATION ${WORK})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${WORK}/${name}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${out}")
endif()
file(READ ${TS} before)
file(READ ${WORK}/${name} after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "${name} is not up to date with the sources: build the target "
        "orvanta_lupdate and translate the unfinished messages.")
endif()
