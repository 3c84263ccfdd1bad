# Runs TOOL with TOOL_ARGS, feeding it SCRIPT on standard input, and compares
# its standard output with EXPECTED and its exit status with EXIT_CODE.
# TOOL_ARGS arrives as one -D value whose list separators are escaped ("a\;b"); unescape them so
# that each argument reaches the tool on its own.
string(REPLACE "\\;" ";" TOOL_ARGS "${TOOL_ARGS}")
execute_process(
    COMMAND ${TOOL} ${TOOL_ARGS}
    INPUT_FILE ${SCRIPT}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT "${status}" STREQUAL "${EXIT_CODE}")
    message(FATAL_ERROR "exit status ${status}, expected ${EXIT_CODE}\n${errors}\n--- output:\n${actual}")
endif()
if(NOT actual STREQUAL expected)
    get_filename_component(base ${SCRIPT} NAME)
    set(actual_file ${CMAKE_CURRENT_BINARY_DIR}/${base}.actual)
    file(WRITE ${actual_file} "${actual}")
    execute_process(COMMAND diff -u ${EXPECTED} ${actual_file} OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${difference}\n${errors}")
endif()
