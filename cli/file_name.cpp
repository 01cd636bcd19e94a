#include "cli/file_name.h"

namespace {

#ifdef _WIN32
constexpr char kSeparators[] = "/\\:";  // C:name is in C:'s current folder
#else
constexpr char kSeparators[] = "/";
#endif

}  // namespace

std::size_t FileNameStart(const std::string& path) { return path.find_last_of(kSeparators) + 1; }
