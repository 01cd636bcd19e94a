# The program's resources, for the program and for the tests and probes
# that create its dialogs. windres's own inputs are not seen by CMake's
# dependency scan, so they are named here.
set(BRACING_RC ${PROJECT_SOURCE_DIR}/resources/bracing.rc)
set(BRACING_RC_INPUTS
  ${PROJECT_SOURCE_DIR}/resources/schematic.bmp
  ${PROJECT_SOURCE_DIR}/resources/app.ico
  ${PROJECT_SOURCE_DIR}/resources/bracing.exe.manifest
  ${PROJECT_SOURCE_DIR}/ui/control_ids.h)

function(bracing_add_resources target)
  target_sources(${target} PRIVATE ${BRACING_RC})
  set_source_files_properties(${BRACING_RC} PROPERTIES OBJECT_DEPENDS "${BRACING_RC_INPUTS}")
  if(MSVC)
    # The script brings its own manifest; the linker's would be a second.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
