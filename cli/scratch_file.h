// A file the program writes before it is finished, beside the file it is
// for: `<stem>.partial-<pid><suffix>`, so that it never looks like a
// finished output. Registered for removal on an interrupt; removed when
// done unless renamed. Creating one first removes the scratch files of
// the same target whose process is gone (after SIGKILL, a power cut).
// Names too long for the suffix use a short stem made from the name.
#ifndef BRACING_CLI_SCRATCH_FILE_H
#define BRACING_CLI_SCRATCH_FILE_H

#include "messages/messages.h"

#include <cstdio>
#include <string>

// The folder and stem of every name the program makes for `target`, and
// its extension.
struct OwnNames {
    explicit OwnNames(const std::string& target);
    std::string folder;  // with its separator; empty for the current one
    std::string stem;
    std::string extension;
    // `<stem>.new<extension>`, .new2 from the second attempt on.
    std::string NewName(int attempt) const;
};

class ScratchFile {
public:
    ScratchFile() = default;
    ~ScratchFile() { Remove(); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Creates the file, open for reading and writing, with `suffix` after
    // the pid (the target's extension, or ".pages"); `error` gets the reason.
    bool Create(const OwnNames& names, const std::string& suffix, Language language, std::string& error);
    std::FILE* Stream() const { return file_; }
    const std::string& Name() const { return name_; }

    // Closes it; false with errno's text in `error` when the last writes failed.
    bool Close(std::string& error);
    // Renames it to the first free `.new` name; it is no longer scratch.
    bool RenameToNew(const OwnNames& names, std::string& newName, Language language, std::string& error);
    void Remove();

private:
    std::string name_;
    std::FILE* file_ = nullptr;
    int slot_ = -1;
};

#endif
