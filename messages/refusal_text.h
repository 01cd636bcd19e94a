// A row's error column in words: the reasons it is refused for, the
// calculation's own answer, or the cases no angle passes.
#ifndef BRACING_MESSAGES_REFUSAL_TEXT_H
#define BRACING_MESSAGES_REFUSAL_TEXT_H

#include "batch/row_refusal.h"
#include "batch/checked_row.h"
#include "messages/messages.h"

#include <string>

// Every reason, one after the other, e.g. `W: "1,000" is not a number`.
void AppendRefusalText(std::string& out, const RowRefusal& refusal, Language language);
std::string RefusalText(const RowRefusal& refusal, Language language = Language::English);

// The error column of `bay`: its refusal, or the cases sizing found no
// angle for; nothing for a bay checked through.
void AppendErrorText(std::string& out, const CheckedRow& bay, Language language);

#endif
