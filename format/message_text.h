// Input text as a message quotes it: in double quotes, cut short when long,
// control characters written as \xNN so that a message stays on one line.
#ifndef BRACING_FORMAT_MESSAGE_TEXT_H
#define BRACING_FORMAT_MESSAGE_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

// How much of a cell a message shows.
constexpr std::size_t kShownCellCharacters = 40;

// `text` (UTF-8) in double quotes, its first `maxCharacters` characters
// and "…" when it has more.
std::string QuotedText(std::string_view text, std::size_t maxCharacters);

#endif
