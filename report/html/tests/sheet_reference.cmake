# Runs PROGRAM (a list: emulator, if any, then the program) in the folder
# of INPUT with ARGS and --report OUTPUT on the date 2024-05-31, and compares the
# sheet with EXPECTED byte for byte: a change of the sheet's code must not
# change what the sheet says or how.
list(FILTER PROGRAM EXCLUDE REGEX "^$")
get_filename_component(folder ${INPUT} DIRECTORY)
get_filename_component(name ${INPUT} NAME)
file(REMOVE ${OUTPUT})
set(ENV{BRACING_CHECK_DATE} 2024-05-31)
execute_process(COMMAND ${PROGRAM} ${ARGS} --report ${OUTPUT} ${name}
  WORKING_DIRECTORY ${folder} OUTPUT_QUIET ERROR_VARIABLE problems RESULT_VARIABLE status)
if(NOT status EQUAL 0 AND NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}\n${problems}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}")
endif()
