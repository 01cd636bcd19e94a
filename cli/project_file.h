// --project-file: the project's name kept beside the bays, so that
// dragging a file onto bracing-check.bat names it on the sheet.
#ifndef BRACING_CLI_PROJECT_FILE_H
#define BRACING_CLI_PROJECT_FILE_H

#include <string>

// The first line of the file at `path` (UTF-8 or GBK, read as an input is,
// without a byte order mark), trimmed of white space. False with the errno
// in `errorNumber` when it cannot be opened or read.
bool ReadProjectFile(const std::string& path, std::string& name, int& errorNumber);

#endif
