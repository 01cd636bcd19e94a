// An output file that takes the place of what is at its name only when it
// is finished. What sits there decides how: a regular file (or nothing) is
// written as a scratch file beside it, renamed to the .new name once
// complete and then over it, keeping its permission bits and, where the
// process may, its owner; through a symlink, the file it points at is the
// one replaced. A character device, FIFO or socket is written directly,
// like standard output. A directory or block device is refused. A run
// that fails leaves the target as it was.
#ifndef BRACING_CLI_REPLACING_FILE_H
#define BRACING_CLI_REPLACING_FILE_H

#include "cli/file_identity.h"
#include "cli/scratch_file.h"
#include "messages/messages.h"

#include <cstdio>
#include <string>

class ReplacingFile {
public:
    // `name` as the user gave it (UTF-8), `facts` what LookAt found there;
    // what goes wrong is said in `language`.
    ReplacingFile(const std::string& name, const FileFacts& facts, Language language);
    ~ReplacingFile() = default;  // the scratch file goes unless put in place or kept
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // On failure returns false and says why in `error`.
    bool Open(std::string& error);
    std::FILE* Stream() const { return direct_ != nullptr ? direct_ : scratch_.Stream(); }
    bool WritesDirectly() const { return facts_.kind == FileKind::Stream; }
    // A scratch file beside the target, named after it (the sheet's pages).
    bool CreateBeside(ScratchFile& file, const std::string& suffix, std::string& error) const;

    // Finishes the output and puts it in place of the target. On failure
    // says in `error` why and what became of the output: removed when it
    // could not be finished, kept under the .new name when only the target
    // could not be replaced. `note` tells of other names of the file.
    bool Commit(std::string& error, std::string& note);
    // Finishes the output under the .new name and leaves the target alone;
    // `where` is that name, or why it could not be kept.
    bool Keep(std::string& where);
    // The .new name the finished output stays under, kept or not put in
    // place; empty when there is none.
    const std::string& LeftUnder() const { return leftUnder_; }

private:
    bool Finish(std::string& error);

    std::string name_;
    FileFacts facts_;
    Language language_;
    OwnNames names_;
    ScratchFile scratch_;
    std::FILE* direct_ = nullptr;
    std::string newName_;
    std::string leftUnder_;
};

#endif
