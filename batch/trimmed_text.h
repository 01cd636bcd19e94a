// A result text as the batch output and the sheet carry it: the dialog's
// format without its padding.
#ifndef BRACING_BATCH_TRIMMED_TEXT_H
#define BRACING_BATCH_TRIMMED_TEXT_H

#include "ui/number_text.h"

const char* TrimmedText(const ResultText& text);

#endif
