# Runs the replay tool REPLAY on SCRIPT under valgrind's memcheck (VALGRIND): any invalid read
# or write, use of an uninitialised value or leak fails. libstdc++'s own stream buffers stay
# reachable at exit and are no leak.
execute_process(COMMAND ${VALGRIND} --quiet --leak-check=full
                        --show-leak-kinds=definite,indirect,possible
                        --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=99
                        ${REPLAY}
                INPUT_FILE ${SCRIPT} OUTPUT_QUIET ERROR_VARIABLE report RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "memcheck failed (exit ${status}) on ${SCRIPT}:\n${report}")
endif()
