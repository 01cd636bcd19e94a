// Output that takes the place of a file only when it is finished: written
// to a new file in the same folder, then renamed over the target. A run
// that fails leaves the target as it was; when the target cannot be
// replaced (on Windows, while a spreadsheet has it open) the finished
// output stays under the new file's name. One never committed is a scratch
// file beside the target, removed when done: the new file reads too.
#ifndef BRACING_CLI_REPLACING_FILE_H
#define BRACING_CLI_REPLACING_FILE_H

#include <cstdio>
#include <string>

class ReplacingFile {
public:
    explicit ReplacingFile(const std::string& target) : target_(target) {}  // UTF-8
    ~ReplacingFile();  // removes the new file unless Commit() put it in place or kept it
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the new file, named like the target with .new (or .new2 and
    // so on, when that is taken) before its extension. On failure returns
    // false and says why in `error`.
    bool Open(std::string& error);
    std::FILE* Stream() const { return file_; }
    const std::string& NewName() const { return newName_; }

    // Closes the new file and renames it over the target. On failure says
    // why in `error`: the new file is removed when it could not be
    // finished, and kept when only the target could not be replaced.
    bool Commit(std::string& error);

private:
    std::string target_;
    std::string newName_;
    std::FILE* file_ = nullptr;
    bool done_ = false;  // the new file is in place, or kept
};

#endif
