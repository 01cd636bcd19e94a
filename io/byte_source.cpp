#include "io/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

std::size_t FileSource::Read(char* to, std::size_t size) {
    if (ended_) {
        return 0;
    }
    const std::size_t read = std::fread(to, 1, size, file_);
    if (read < size) {
        ended_ = true;
        if (std::ferror(file_)) {
            errorNumber_ = errno != 0 ? errno : EIO;
        }
    }
    return read;
}

std::size_t MemorySource::Read(char* to, std::size_t size) {
    const std::size_t read = std::min({size, pieceSize_, static_cast<std::size_t>(end_ - next_)});
    std::memcpy(to, next_, read);
    next_ += read;
    return read;
}
