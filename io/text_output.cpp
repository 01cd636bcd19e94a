#include "io/text_output.h"

#include "io/byte_streams.h"

#include <cerrno>

namespace {

// Large enough that a million rows are some two thousand writes.
constexpr std::size_t kBlockSize = std::size_t{1} << 16;

}  // namespace

TextOutput::TextOutput(std::FILE* file) : file_(file), buffer_(&ownBuffer_) {
    ownBuffer_.reserve(2 * kBlockSize);
}

TextOutput::TextOutput(std::string& text) : buffer_(&text) {}

TextOutput::~TextOutput() { Flush(); }

void TextOutput::EndLine() {
    buffer_->push_back('\n');
    if (file_ != nullptr && buffer_->size() >= kBlockSize) {
        Flush();
    }
}

bool TextOutput::Flush() {
    if (file_ == nullptr) {
        return !failed_;
    }
    if (!failed_ && ((!buffer_->empty() &&
                      !WriteText(file_, buffer_->data(), buffer_->size())) ||
                     std::fflush(file_) != 0)) {
        failed_ = true;
        errorNumber_ = errno;
    }
    buffer_->clear();
    return !failed_;
}
