#include "cli/replacing_file.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32

#include "io/byte_streams.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

std::FILE* CreateNewFile(const std::string& name) {
    const int handle = _wopen(WidePath(name).c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY,
                              _S_IREAD | _S_IWRITE);
    return handle < 0 ? nullptr : _fdopen(handle, "w+b");
}

void RemoveFile(const std::string& name) { _wremove(WidePath(name).c_str()); }

bool ReplaceFile(const std::string& from, const std::string& to, std::string& reason) {
    if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    const DWORD code = GetLastError();
    reason = SystemMessage(code);
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED) {
        reason += "; is it open in another program?";
    }
    return false;
}

}  // namespace

#else

#include <fcntl.h>
#include <unistd.h>

namespace {

std::FILE* CreateNewFile(const std::string& name) {
    const int handle = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
    std::FILE* file = handle < 0 ? nullptr : fdopen(handle, "w+b");
    if (handle >= 0 && file == nullptr) {
        close(handle);
    }
    return file;
}

void RemoveFile(const std::string& name) { std::remove(name.c_str()); }

bool ReplaceFile(const std::string& from, const std::string& to, std::string& reason) {
    if (std::rename(from.c_str(), to.c_str()) == 0) {
        return true;
    }
    reason = std::strerror(errno);
    return false;
}

}  // namespace

#endif

namespace {

// `target` with ".new" (".new2" from the second attempt on) before the
// extension of its file name.
std::string NewFileName(const std::string& target, int attempt) {
    const std::size_t nameStart = target.find_last_of("/\\") + 1;  // 0 when there is no folder
    std::size_t dot = target.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = target.size();
    }
    return target.substr(0, dot) + ".new" + (attempt > 1 ? std::to_string(attempt) : "") +
           target.substr(dot);
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
    if (!done_ && !newName_.empty()) {
        RemoveFile(newName_);
    }
}

bool ReplacingFile::Open(std::string& error) {
    constexpr int kAttempts = 100;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const std::string name = NewFileName(target_, attempt);
        file_ = CreateNewFile(name);
        if (file_ != nullptr) {
            newName_ = name;
            return true;
        }
        if (errno != EEXIST) {
            error = name + ": cannot create: " + std::strerror(errno);
            return false;
        }
    }
    error = NewFileName(target_, kAttempts) + " and the names before it are all taken";
    return false;
}

bool ReplacingFile::Commit(std::string& error) {
    const bool closed = std::fclose(file_) == 0;
    const int closeError = errno;
    file_ = nullptr;
    if (!closed) {
        error = newName_ + ": cannot write: " + std::strerror(closeError);
        return false;
    }
    std::string reason;
    done_ = true;
    if (!ReplaceFile(newName_, target_, reason)) {
        error = target_ + ": cannot replace it (" + reason + "); it is left as it was, and the new output is in " +
                newName_;
        return false;
    }
    return true;
}
