// What sits at a path, and when two paths are the same file: by identity
// (device and inode; on Windows volume serial and file index) for files
// that exist, by the absolute normalised path (case-folded on Windows) for
// those that do not yet. The spelling of a name decides nothing.
#ifndef BRACING_CLI_FILE_IDENTITY_H
#define BRACING_CLI_FILE_IDENTITY_H

#include <cstdio>
#include <string>

enum class FileKind {
    Missing,      // nothing there yet: created
    Regular,      // replaced
    Stream,       // a character device, FIFO or socket: written directly, never replaced
    Directory,    // refused
    BlockDevice,  // refused
    Unknown,      // could not be looked at; `error` says why
};

struct FileFacts {
    FileKind kind = FileKind::Missing;
    std::string path;        // where the data goes: a symlink's target, else the name as given
    std::string normalised;  // absolute, normalised; case-folded on Windows
    unsigned long long volume = 0;
    unsigned long long index = 0;
    unsigned long links = 0;  // names of a regular file (hard links)
    unsigned mode = 0;        // POSIX permission bits
    long owner = -1;
    long group = -1;
    std::string error;
};

// Follows symlinks, a dangling one too.
FileFacts LookAt(const std::string& path);
// What an open stream is (standard input or output, say).
FileFacts LookAtStream(std::FILE* stream);

bool SameFile(const FileFacts& a, const FileFacts& b);

#endif
