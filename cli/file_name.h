// Where a path's file name begins, by the system's folder separators.
#ifndef BRACING_CLI_FILE_NAME_H
#define BRACING_CLI_FILE_NAME_H

#include <string>

// 0 when `path` names no folder.
std::size_t FileNameStart(const std::string& path);

#endif
