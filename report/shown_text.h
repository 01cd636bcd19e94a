// Text from the input or the command line as every renderer of the sheet
// shows it: whatever its bytes, valid UTF-8 that no markup refuses, that
// shows every character it holds and cannot turn the text around it.
#ifndef BRACING_REPORT_SHOWN_TEXT_H
#define BRACING_REPORT_SHOWN_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

// A text longer than this many characters is shown cut to kShownCharacters
// and "…": one cell must not fill pages.
constexpr std::size_t kLongTextCharacters = 1000;
constexpr std::size_t kShownCharacters = 200;

// Appends `text` with bytes not valid UTF-8 and the noncharacters U+FFFE
// and U+FFFF (which no XML document may hold) as U+FFFD, and C0 and C1
// controls as \xNN, as messages write them. Its direction controls stay,
// but close at its end: one it leaves open is closed, one that closes
// nothing of its own is dropped. Markup characters stay as they are: each
// renderer escapes what its markup needs.
void AppendShown(std::string& shown, std::string_view text);

// Appends `text` with &, <, >, " and ' as the character references that
// HTML and XML read alike.
void AppendReferences(std::string& markup, std::string_view text);

#endif
