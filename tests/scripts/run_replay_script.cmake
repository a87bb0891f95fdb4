# Replays SCRIPT with the replay tool REPLAY and compares its output with SCRIPT's ".expected"
# file beside it; then runs it through the invariant checks of DRIVER.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected_file ${dir}/${name}.expected)
execute_process(COMMAND ${REPLAY} INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE actual
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${REPLAY} exited with ${status}:\n${actual}")
endif()
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${actual}")
    message(FATAL_ERROR "the dump of ${SCRIPT} differs from ${expected_file}; "
                        "see ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual")
endif()
execute_process(COMMAND ${DRIVER} --check-script ${SCRIPT} OUTPUT_VARIABLE checks
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "invariant checks failed on ${SCRIPT}:\n${checks}")
endif()
