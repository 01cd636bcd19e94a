#include "cli/replacing_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32

#include "io/byte_streams.h"

#include <windows.h>

namespace {

std::FILE* OpenDirectly(const std::string& path) { return _wfopen(WidePath(path).c_str(), L"wb"); }

std::string TemporaryFolder() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        return std::string();
    }
    return Utf8Text(std::wstring_view(folder, length));
}

void KeepOwnerAndMode(std::FILE*, const FileFacts&) {}  // the folder's ACL decides

bool ReplaceTarget(const std::string& from, const std::string& to, Language language, std::string& reason) {
    if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    const DWORD code = GetLastError();
    reason = SystemMessage(code);
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED) {
        AppendMessage(reason, language, MessageId::OpenElsewhere);
    }
    return false;
}

}  // namespace

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::FILE* OpenDirectly(const std::string& path) {
    const int handle = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    std::FILE* file = handle < 0 ? nullptr : fdopen(handle, "wb");
    if (handle >= 0 && file == nullptr) {
        close(handle);
    }
    return file;
}

std::string TemporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/";
}

void KeepOwnerAndMode(std::FILE* file, const FileFacts& facts) {
    const int handle = fileno(file);
    // Not root, a file of another owner: EPERM, and it becomes ours.
    if (fchown(handle, static_cast<uid_t>(facts.owner), static_cast<gid_t>(facts.group)) != 0) {
        errno = 0;
    }
    fchmod(handle, static_cast<mode_t>(facts.mode));
}

bool ReplaceTarget(const std::string& from, const std::string& to, Language, std::string& reason) {
    if (std::rename(from.c_str(), to.c_str()) == 0) {
        return true;
    }
    reason = std::strerror(errno);
    return false;
}

}  // namespace

#endif

ReplacingFile::ReplacingFile(const std::string& name, const FileFacts& facts, Language language)
    : name_(name), facts_(facts), language_(language), names_(facts.path) {}

bool ReplacingFile::Open(std::string& error) {
    switch (facts_.kind) {
    case FileKind::Directory:
        error = MessageText(language_, MessageId::IsDirectory, {name_});
        return false;
    case FileKind::BlockDevice:
        error = MessageText(language_, MessageId::IsBlockDevice, {name_});
        return false;
    case FileKind::Unknown:
        error = MessageText(language_, MessageId::CannotWriteThere, {name_, facts_.error});
        return false;
    case FileKind::Stream:
        direct_ = OpenDirectly(facts_.path);
        if (direct_ == nullptr) {
            error = MessageText(language_, MessageId::CannotOpen, {name_, std::strerror(errno)});
        }
        return direct_ != nullptr;
    case FileKind::Regular:
    case FileKind::Missing:
        break;
    }
    if (!scratch_.Create(names_, names_.extension, language_, error)) {
        error = MessageText(language_, MessageId::CannotCreate, {name_, error});
        return false;
    }
    if (facts_.kind == FileKind::Regular) {
        KeepOwnerAndMode(scratch_.Stream(), facts_);
    }
    return true;
}

bool ReplacingFile::CreateBeside(ScratchFile& file, const std::string& suffix, std::string& error) const {
    // Nothing can be made beside a device: the system's scratch folder then.
    if (!file.Create(WritesDirectly() ? OwnNames(TemporaryFolder() + names_.stem) : names_, suffix, language_,
                     error)) {
        error = MessageText(language_, MessageId::CannotCreateScratch, {name_, error});
        return false;
    }
    return true;
}

bool ReplacingFile::Finish(std::string& error) {
    std::string reason;
    if (direct_ != nullptr) {
        const bool closed = std::fclose(direct_) == 0;
        direct_ = nullptr;
        if (!closed) {
            error = MessageText(language_, MessageId::FileNotWritten, {name_, std::strerror(errno)});
        }
        return closed;
    }
    if (!scratch_.Close(reason)) {
        error = MessageText(language_, MessageId::FileNotWritten, {scratch_.Name(), reason});
        scratch_.Remove();
        return false;
    }
    if (!scratch_.RenameToNew(names_, newName_, language_, reason)) {
        error = MessageText(language_, MessageId::CannotRename, {scratch_.Name(), newName_, reason});
        scratch_.Remove();
        return false;
    }
    return true;
}

bool ReplacingFile::Commit(std::string& error, std::string& note) {
    if (!Finish(error)) {
        return false;
    }
    if (WritesDirectly()) {
        return true;
    }
    std::string reason;
    if (!ReplaceTarget(newName_, facts_.path, language_, reason)) {
        error = MessageText(language_, MessageId::CannotReplace, {name_, reason, newName_});
        leftUnder_ = newName_;
        return false;
    }
    if (facts_.kind == FileKind::Regular && facts_.links > 1) {
        const unsigned long others = facts_.links - 1;
        note = MessageText(language_, others == 1 ? MessageId::OtherName : MessageId::OtherNames,
                           {name_, std::to_string(others)});
    }
    return true;
}

bool ReplacingFile::Keep(std::string& where) {
    if (!Finish(where)) {
        return false;
    }
    where = leftUnder_ = newName_;
    return true;
}
