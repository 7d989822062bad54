# Runs COMMAND (a list) and passes when it exits with a non-zero status and its error output
# matches EXPECT.
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
if(status EQUAL 0)
    message(FATAL_ERROR "expected a failure, got exit status 0")
endif()
if(NOT err MATCHES "${EXPECT}")
    message(FATAL_ERROR "status ${status}, but the message does not match '${EXPECT}':\n${err}")
endif()
