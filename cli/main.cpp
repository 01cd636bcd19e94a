// bracing-check: the dialog's calculation for many bays, CSV in, CSV out.
#include "cli/run_check.h"
#include "cli/scratch_cleanup.h"
#include "io/byte_streams.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
// Wide arguments: a file name outside the ANSI code page still opens.
int wmain(int argc, wchar_t** argv) {
    ByteStreams streams;
    RemoveScratchOnInterrupt();
    return RunBracingCheck(Utf8Arguments(argc, argv), stdin, stdout, stderr);
}
#else
int main(int argc, char** argv) {
    ByteStreams streams;
    RemoveScratchOnInterrupt();
    return RunBracingCheck(std::vector<std::string>(argv + 1, argv + argc), stdin, stdout, stderr);
}
#endif
