// bracing-check: the dialog's calculation for many bays, CSV in, CSV out.
#include "io/byte_streams.h"
#include "cli/run_check.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
// Wide arguments: a file name outside the ANSI code page still opens.
int wmain(int argc, wchar_t** argv) {
    ByteStreams streams;
    return RunBracingCheck(Utf8Arguments(argc, argv), stdin, stdout, stderr);
}
#else
int main(int argc, char** argv) {
    ByteStreams streams;
    return RunBracingCheck(std::vector<std::string>(argv + 1, argv + argc), stdin, stdout, stderr);
}
#endif
