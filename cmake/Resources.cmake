# The program's resources, for the program and for the tests and probes
# that create its dialogs. windres's own inputs are not seen by CMake's
# dependency scan, so they are named here.
set(BRACING_RC ${PROJECT_SOURCE_DIR}/resources/bracing.rc)

# The project's version for the version resource: "0.01" as text, 0,1,0,0
# as numbers.
set(BRACING_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
math(EXPR BRACING_VERSION_MINOR_NUMBER "${PROJECT_VERSION_MINOR}")
file(CONFIGURE OUTPUT ${BRACING_VERSION_DIR}/bracing_version.h @ONLY CONTENT [[
#define BRACING_VERSION_TEXT "@PROJECT_VERSION@"
#define BRACING_VERSION_NUMBERS @PROJECT_VERSION_MAJOR@, @BRACING_VERSION_MINOR_NUMBER@, 0, 0
]])

set(BRACING_RC_INPUTS
  ${PROJECT_SOURCE_DIR}/resources/schematic.bmp
  ${PROJECT_SOURCE_DIR}/resources/app.ico
  ${PROJECT_SOURCE_DIR}/resources/bracing.exe.manifest
  ${PROJECT_SOURCE_DIR}/ui/control_ids.h
  ${BRACING_VERSION_DIR}/bracing_version.h)

function(bracing_add_resources target)
  target_sources(${target} PRIVATE ${BRACING_RC})
  target_include_directories(${target} PRIVATE ${BRACING_VERSION_DIR})
  set_source_files_properties(${BRACING_RC} PROPERTIES OBJECT_DEPENDS "${BRACING_RC_INPUTS}")
  if(MSVC)
    # The script brings its own manifest; the linker's would be a second.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
