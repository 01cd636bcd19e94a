#include "io/spool.h"

#include <string>

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;

}  // namespace

bool ReadSpool(std::FILE* spool, const std::function<bool(std::string_view)>& take) {
    if (std::fflush(spool) != 0 || std::fseek(spool, 0, SEEK_SET) != 0) {
        return false;
    }
    std::string block(kBlock, '\0');
    for (;;) {
        const std::size_t got = std::fread(&block[0], 1, kBlock, spool);
        if (got > 0 && !take(std::string_view(block.data(), got))) {
            return true;
        }
        if (got < kBlock) {
            return std::ferror(spool) == 0;
        }
    }
}
