# Runs PROGRAM (a list: emulator, if any, then the program) in the folder
# of INPUT with ARGS and --report for each of OUTPUT (a list) on the date
# 2024-05-31, and compares each sheet with the one at the same place in
# EXPECTED byte for byte: a change of the sheet's code must not change
# what the sheet says or how, and every build writes the same bytes.
list(FILTER PROGRAM EXCLUDE REGEX "^$")
get_filename_component(folder ${INPUT} DIRECTORY)
get_filename_component(name ${INPUT} NAME)
set(reports)
foreach(output IN LISTS OUTPUT)
  file(REMOVE ${output})
  list(APPEND reports --report ${output})
endforeach()
set(ENV{BRACING_CHECK_DATE} 2024-05-31)
execute_process(COMMAND ${PROGRAM} ${ARGS} ${reports} ${name}
  WORKING_DIRECTORY ${folder} OUTPUT_QUIET ERROR_VARIABLE problems RESULT_VARIABLE status)
if(NOT status EQUAL 0 AND NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}\n${problems}")
endif()
foreach(output expected IN ZIP_LISTS OUTPUT EXPECTED)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${output} ${expected}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${output} differs from ${expected}")
  endif()
endforeach()
