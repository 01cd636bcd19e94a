# The Windows download, build/win32/bracing-<version>-win32.zip:
#   cmake --build --preset win32 --target package
# The programs, the examples and README.txt at the zip's top. README.txt is
# UTF-8 with a BOM and CRLF line ends, so that Notepad shows it right.
set(BRACING_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
configure_file(${PROJECT_SOURCE_DIR}/package/README.txt.in ${BRACING_PACKAGE_DIR}/README.txt
  @ONLY NEWLINE_STYLE CRLF)

install(TARGETS bracing bracing-check RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples DESTINATION .)
# Further files, one a line; names in ASCII (older Explorers garble others).
install(FILES
  ${BRACING_PACKAGE_DIR}/README.txt
  ${PROJECT_SOURCE_DIR}/package/bracing-check.bat
  DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
