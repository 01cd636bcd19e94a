# The committed images must be exactly what the generator draws.
execute_process(COMMAND ${DRAW_ART} ${OUT}/schematic.bmp ${OUT}/app.ico RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "draw_art failed: ${drawn}")
endif()
foreach(image schematic.bmp app.ico)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${image} ${RESOURCES}/${image}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "resources/${image} differs from what tools/draw_art draws; "
                        "rebuild it with: cmake --build --preset native --target art")
  endif()
endforeach()
