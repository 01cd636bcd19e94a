#include "messages/refusal_text.h"

#include "batch/family_text.h"

#include "batch/design_cells.h"
#include "format/message_text.h"

static_assert(static_cast<int>(MessageId::Rejected) == static_cast<int>(RefusalCode::Rejected),
              "a refusal's message is its code");

void AppendRefusalText(std::string& out, const RowRefusal& refusal, Language language) {
    for (const RefusalReason& reason : refusal) {
        if (&reason != refusal.begin()) {
            AppendMessage(out, language, MessageId::ReasonSeparator);
        }
        AppendMessage(out, language, static_cast<MessageId>(reason.code),
                      {reason.column == nullptr ? "" : reason.column,
                       QuotedText(reason.cell, kShownCellCharacters)});
    }
}

std::string RefusalText(const RowRefusal& refusal, Language language) {
    std::string text;
    AppendRefusalText(text, refusal, language);
    return text;
}

void AppendErrorText(std::string& out, const CheckedRow& bay, Language language) {
    if (bay.refusal.Any()) {
        AppendRefusalText(out, bay.refusal, language);
        return;
    }
    if (bay.design == nullptr) {
        return;
    }
    const BayDesign& design = *bay.design;
    // Angles keep their own words; other families name themselves.
    const bool angle = design.family == SectionFamilyId::EqualAngle;
    const char* family = FamilyName(design.family);
    bool first = true;
    const auto say = [&](MessageId id) {
        if (!first) AppendMessage(out, language, MessageId::ReasonSeparator);
        first = false;
        AppendMessage(out, language, id, {family});
    };
    if (NoSectionPasses(design.tension)) {
        say(angle ? MessageId::NoTensionAngle : MessageId::NoTensionSection);
    }
    if (NoSectionPasses(design.compression)) {
        say(angle ? MessageId::NoCompressionAngle : MessageId::NoCompressionSection);
    }
    if (!design.compression.applies && design.method == DesignMethod::Compression) {
        say(MessageId::NoCompressionCase);
    }
}
