// Text from the input into HTML: nothing a name holds can open a tag.
#ifndef BRACING_REPORT_HTML_HTML_TEXT_H
#define BRACING_REPORT_HTML_HTML_TEXT_H

#include <string>
#include <string_view>

// Appends `text` with &, <, >, " and ' as character references; control
// characters other than tab and line ends, which HTML does not allow,
// become U+FFFD.
void AppendEscaped(std::string& html, std::string_view text);

#endif
