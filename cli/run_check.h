// The whole of bracing-check after its arguments, on the streams it is
// given: the standard ones, or files in the tests.
#ifndef BRACING_CLI_RUN_CHECK_H
#define BRACING_CLI_RUN_CHECK_H

#include <cstdio>
#include <string>
#include <vector>

// Returns the exit status (see check_bays.h).
int RunBracingCheck(const std::vector<std::string>& arguments, std::FILE* in, std::FILE* out,
                    std::FILE* err);

#endif
