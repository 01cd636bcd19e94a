// The bytes a test wrote to a file, read from its start; the file is closed.
#ifndef BRACING_IO_TESTS_READ_BACK_H
#define BRACING_IO_TESTS_READ_BACK_H

#include <cstdio>
#include <string>

inline std::string ReadBack(std::FILE* file) {
    std::string bytes;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        bytes += static_cast<char>(c);
    }
    std::fclose(file);
    return bytes;
}

#endif
