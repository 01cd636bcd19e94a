#include "cli/scratch_file.h"

#include "cli/file_name.h"
#include "cli/scratch_cleanup.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef _WIN32

#include "io/byte_streams.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

std::size_t NameLength(const std::string& name) { return WidePath(name).size(); }
std::size_t NameMax(const std::string&) { return MAX_PATH - 5; }  // 255 UTF-16 units

std::FILE* CreateNewFile(const std::string& name, std::string& error) {
    // Shared for deletion, so that the console handler can remove it while open.
    const HANDLE handle = CreateFileW(WidePath(name).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        errno = code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS ? EEXIST : EIO;
        error = SystemMessage(code);
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    std::FILE* file = descriptor < 0 ? nullptr : _fdopen(descriptor, "w+b");
    if (file == nullptr) {
        error = std::strerror(errno);
        if (descriptor >= 0) {
            _close(descriptor);
        } else {
            CloseHandle(handle);
        }
        DeleteFileW(WidePath(name).c_str());
    }
    return file;
}

void RemoveFile(const std::string& name) { DeleteFileW(WidePath(name).c_str()); }

// 1 done, 0 the name is taken, -1 failed.
int RenameNoReplace(const std::string& from, const std::string& to, std::string& error) {
    if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), 0)) {
        return 1;
    }
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) {
        return 0;
    }
    error = SystemMessage(code);
    return -1;
}

std::vector<std::string> NamesStartingWith(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(WidePath(folder + prefix + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.push_back(Utf8Text(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace

#else

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::size_t NameLength(const std::string& name) { return name.size(); }

std::size_t NameMax(const std::string& folder) {
    const long most = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return most > 0 ? static_cast<std::size_t>(most) : 255;
}

std::FILE* CreateNewFile(const std::string& name, std::string& error) {
    const int handle = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    std::FILE* file = handle < 0 ? nullptr : fdopen(handle, "w+b");
    if (file == nullptr) {
        error = std::strerror(errno);
        if (handle >= 0) {
            close(handle);
            unlink(name.c_str());
        }
    }
    return file;
}

void RemoveFile(const std::string& name) { unlink(name.c_str()); }

// 1 done, 0 the name is taken, -1 failed. A hard link never replaces a file.
int RenameNoReplace(const std::string& from, const std::string& to, std::string& error) {
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return 1;
    }
    if (errno == EEXIST) {
        return 0;
    }
    // A file system without hard links: look first.
    if (access(to.c_str(), F_OK) == 0) {
        return 0;
    }
    if (std::rename(from.c_str(), to.c_str()) == 0) {
        return 1;
    }
    error = std::strerror(errno);
    return -1;
}

std::vector<std::string> NamesStartingWith(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(directory)) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) {
            names.push_back(entry->d_name);
        }
    }
    closedir(directory);
    return names;
}

}  // namespace

#endif

namespace {

constexpr char kPartial[] = ".partial-";
constexpr std::size_t kLongestExtension = 16;
// What the program adds to a stem at most: .partial-<pid>-<attempt> and the
// longer of the extension and .pages.
constexpr std::size_t kLongestAddition = sizeof kPartial - 1 + 10 + 4;

std::string Hex(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

// Removes `names`' scratch files whose process is gone.
void RemoveAbandoned(const OwnNames& names) {
    const std::string prefix = names.stem + kPartial;
    for (const std::string& name : NamesStartingWith(names.folder, prefix)) {
        const char* digits = name.c_str() + prefix.size();
        char* end = nullptr;
        const unsigned long pid = std::strtoul(digits, &end, 10);
        if (end != digits && pid != OwnProcessId() && ProcessIsGone(pid)) {
            RemoveFile(names.folder + name);
        }
    }
}

}  // namespace

OwnNames::OwnNames(const std::string& target) {
    const std::size_t nameStart = FileNameStart(target);
    folder = target.substr(0, nameStart);
    std::size_t dot = target.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = target.size();
    }
    stem = target.substr(nameStart, dot - nameStart);
    extension = target.substr(dot);
    const std::size_t longestSuffix = std::max(extension.size(), sizeof ".pages" - 1);
    if (NameLength(stem) + kLongestAddition + NameLength(std::string(longestSuffix, 'x')) > NameMax(folder)) {
        // A name the user could make is never refused for the program's own suffix.
        std::uint32_t hash = 2166136261u;  // FNV-1a of the whole name
        for (unsigned char c : target.substr(nameStart)) {
            hash = (hash ^ c) * 16777619u;
        }
        stem = "bracing-" + Hex(hash);
        if (extension.size() > kLongestExtension) {
            extension.clear();
        }
    }
}

std::string OwnNames::NewName(int attempt) const {
    return folder + stem + ".new" + (attempt > 1 ? std::to_string(attempt) : "") + extension;
}

bool ScratchFile::Create(const OwnNames& names, const std::string& suffix, Language language, std::string& error) {
    RemoveAbandoned(names);
    const std::string base = names.folder + names.stem + kPartial + std::to_string(OwnProcessId());
    for (int attempt = 1; attempt <= 100; ++attempt) {
        name_ = base + (attempt > 1 ? "-" + std::to_string(attempt) : "") + suffix;
        slot_ = RegisterScratch(name_);
        std::string reason;
        file_ = CreateNewFile(name_, reason);
        if (file_ != nullptr) {
            return true;
        }
        UnregisterScratch(slot_);
        slot_ = -1;
        if (errno != EEXIST) {
            error = reason;
            name_.clear();
            return false;
        }
    }
    error = MessageText(language, MessageId::ScratchNamesTaken);
    name_.clear();
    return false;
}

bool ScratchFile::Close(std::string& error) {
    const bool closed = file_ == nullptr || std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) {
        error = std::strerror(errno);
    }
    return closed;
}

bool ScratchFile::RenameToNew(const OwnNames& names, std::string& newName, Language language, std::string& error) {
    for (int attempt = 1; attempt <= 100; ++attempt) {
        newName = names.NewName(attempt);
        const int renamed = RenameNoReplace(name_, newName, error);
        if (renamed != 0) {
            if (renamed > 0) {
                UnregisterScratch(slot_);
                slot_ = -1;
                name_.clear();
            }
            return renamed > 0;
        }
    }
    error = MessageText(language, MessageId::NewNamesTaken, {newName});
    return false;
}

void ScratchFile::Remove() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!name_.empty()) {
        RemoveFile(name_);
        name_.clear();
    }
    UnregisterScratch(slot_);
    slot_ = -1;
}
