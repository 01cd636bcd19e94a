# Runs PROGRAM (a list: emulator, if any, then the program) with ARGS on INPUT, once
# naming the file and once on standard input, and compares each output with
# EXPECTED byte for byte. LANGUAGE (--lang) pins the words whatever the
# machine speaks; HEADING, when given, is --header, and then EXPECTED read
# back must give itself again: its result columns are an earlier run's.
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
set(options --lang ${LANGUAGE})
if(HEADING)
  list(APPEND options --header ${HEADING})
endif()
run_and_compare("file argument" ${options} ${INPUT})
run_and_compare("standard input" ${options} - INPUT_FILE ${INPUT})
if(HEADING)
  run_and_compare("its own output again" ${options} ${EXPECTED})
endif()
