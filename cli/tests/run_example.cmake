# Runs PROGRAM (a list: emulator, if any, then the program) with ARGS on INPUT, once
# naming the file and once on standard input, and compares each output with
# EXPECTED byte for byte.
function(run_and_compare what)
  execute_process(COMMAND ${PROGRAM} ${ARGS} ${ARGN}
    OUTPUT_FILE ${OUTPUT} ERROR_VARIABLE problems RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what}: exit status ${status}\n${problems}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    file(READ ${OUTPUT} got)
    message(FATAL_ERROR "${what}: output differs from ${EXPECTED}:\n${got}")
  endif()
endfunction()

list(FILTER PROGRAM EXCLUDE REGEX "^$")
run_and_compare("file argument" ${INPUT})
run_and_compare("standard input" - INPUT_FILE ${INPUT})
