#include "cli/file_identity.h"

#include <cerrno>
#include <cstring>

namespace {

bool SameIdentity(const FileFacts& a, const FileFacts& b) {
    return a.volume == b.volume && a.index == b.index;
}

}  // namespace

bool SameFile(const FileFacts& a, const FileFacts& b) {
    const bool aExists = a.kind != FileKind::Missing && a.kind != FileKind::Unknown;
    const bool bExists = b.kind != FileKind::Missing && b.kind != FileKind::Unknown;
    if (aExists || bExists) {
        return aExists && bExists && SameIdentity(a, b);
    }
    return !a.normalised.empty() && a.normalised == b.normalised;
}

#ifdef _WIN32

#include "io/byte_streams.h"

#include <io.h>
#include <windows.h>

namespace {

// Absolute and case-folded as the file system compares names.
std::string Normalised(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return std::string();
    }
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
    full.resize(length);
    if (!full.empty()) {
        CharUpperBuffW(&full[0], static_cast<DWORD>(full.size()));
    }
    return Utf8Text(full);
}

void TakeHandle(HANDLE handle, FileFacts& facts) {
    const DWORD type = GetFileType(handle);
    BY_HANDLE_FILE_INFORMATION information;
    if (type != FILE_TYPE_DISK) {
        facts.kind = FileKind::Stream;  // NUL, CON, COM1, a pipe
    } else if (GetFileInformationByHandle(handle, &information)) {
        facts.kind = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::Directory
                                                                                   : FileKind::Regular;
        facts.volume = information.dwVolumeSerialNumber;
        facts.index = (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) |
                      information.nFileIndexLow;
        facts.links = information.nNumberOfLinks;
    } else {
        facts.kind = FileKind::Unknown;
        facts.error = SystemMessage(GetLastError());
    }
}

}  // namespace

FileFacts LookAt(const std::string& path) {
    FileFacts facts;
    facts.path = path;
    const std::wstring wide = WidePath(path);
    facts.normalised = Normalised(wide);
    if (facts.normalised.rfind("\\\\.\\", 0) == 0) {
        // A DOS device (NUL, CON, COM1, also nul.txt), whatever GetFileType says of it.
        facts.kind = FileKind::Stream;
        return facts;
    }
    const HANDLE handle = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) {
            facts.kind = FileKind::Unknown;
            facts.error = SystemMessage(code);
        }
        return facts;
    }
    TakeHandle(handle, facts);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (facts.kind == FileKind::Regular && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // A symbolic link: the file it names is the one replaced.
        wchar_t target[MAX_PATH * 4];
        const DWORD length = GetFinalPathNameByHandleW(handle, target, MAX_PATH * 4, FILE_NAME_NORMALIZED);
        if (length > 0 && length < MAX_PATH * 4) {
            facts.path = Utf8Text(std::wstring(target, length));
        }
    }
    CloseHandle(handle);
    return facts;
}

FileFacts LookAtStream(std::FILE* stream) {
    FileFacts facts;
    const intptr_t handle = _get_osfhandle(_fileno(stream));
    if (handle == -1) {
        facts.kind = FileKind::Unknown;
        return facts;
    }
    TakeHandle(reinterpret_cast<HANDLE>(handle), facts);
    return facts;
}

#else

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where the name begins, after its folder (0 when there is none).
std::size_t NameStart(const std::string& path) { return path.find_last_of('/') + 1; }

void TakeStatus(const struct stat& status, FileFacts& facts) {
    if (S_ISREG(status.st_mode)) {
        facts.kind = FileKind::Regular;
    } else if (S_ISDIR(status.st_mode)) {
        facts.kind = FileKind::Directory;
    } else if (S_ISBLK(status.st_mode)) {
        facts.kind = FileKind::BlockDevice;
    } else {
        facts.kind = FileKind::Stream;  // character device, FIFO, socket
    }
    facts.volume = static_cast<unsigned long long>(status.st_dev);
    facts.index = static_cast<unsigned long long>(status.st_ino);
    facts.links = static_cast<unsigned long>(status.st_nlink);
    facts.mode = static_cast<unsigned>(status.st_mode & 0777);
    facts.owner = static_cast<long>(status.st_uid);
    facts.group = static_cast<long>(status.st_gid);
}

std::string RealPath(const std::string& path) {
    char* real = realpath(path.c_str(), nullptr);
    const std::string text = real != nullptr ? real : "";
    std::free(real);
    return text;
}

// The name a chain of symlinks ends at, though that may not exist yet.
bool FollowLinks(std::string& path, std::string& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status;
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return true;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), &target[0], target.size());
        if (length < 0) {
            error = std::strerror(errno);
            return false;
        }
        target.resize(static_cast<std::size_t>(length));
        path = target[0] == '/' ? target : path.substr(0, NameStart(path)) + target;
    }
    error = std::strerror(ELOOP);
    return false;
}

}  // namespace

FileFacts LookAt(const std::string& path) {
    FileFacts facts;
    facts.path = path;
    if (!FollowLinks(facts.path, facts.error)) {
        facts.kind = FileKind::Unknown;
        return facts;
    }
    struct stat status;
    if (stat(facts.path.c_str(), &status) == 0) {
        TakeStatus(status, facts);
        facts.normalised = RealPath(facts.path);
    } else if (errno == ENOENT) {
        const std::size_t nameStart = NameStart(facts.path);
        const std::string folder = RealPath(nameStart == 0 ? "." : facts.path.substr(0, nameStart));
        if (!folder.empty()) {
            facts.normalised = folder + "/" + facts.path.substr(nameStart);
        }
    } else {
        facts.kind = FileKind::Unknown;
        facts.error = std::strerror(errno);
    }
    return facts;
}

FileFacts LookAtStream(std::FILE* stream) {
    FileFacts facts;
    struct stat status;
    if (fstat(fileno(stream), &status) == 0) {
        TakeStatus(status, facts);
    } else {
        facts.kind = FileKind::Unknown;
    }
    return facts;
}

#endif
