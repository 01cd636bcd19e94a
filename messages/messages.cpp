#include "messages/messages.h"

#include <string>

namespace {

const Message* const kTables[kLanguageCount] = {kEnglishMessages, kChineseMessages};

}  // namespace

const Message* MessageTable(Language language) { return kTables[static_cast<int>(language)]; }

void AppendMessage(std::string& out, Language language, MessageId id,
                   std::initializer_list<std::string_view> args) {
    const std::string_view text = MessageTable(language)[static_cast<int>(id)].text;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool field = text[k] == '{' && k + 2 < text.size() && text[k + 2] == '}' &&
                           static_cast<std::size_t>(text[k + 1] - '0') < args.size();
        if (field) {
            out.append(args.begin()[text[k + 1] - '0']);
            k += 2;
        } else {
            out.push_back(text[k]);
        }
    }
}

std::string MessageText(Language language, MessageId id, std::initializer_list<std::string_view> args) {
    std::string text;
    AppendMessage(text, language, id, args);
    return text;
}

void AppendCounted(std::string& out, Language language, long count, MessageId one, MessageId many) {
    AppendMessage(out, language, count == 1 ? one : many, {std::to_string(count)});
}
