// The sheet's fixed words: headings, column heads, the design basis and
// the statement of scope. One table, so that another language is another
// table.
#ifndef BRACING_REPORT_REPORT_WORDS_H
#define BRACING_REPORT_REPORT_WORDS_H

#include "design/section.h"
#include "messages/messages.h"
#include "report/report_model.h"

// The language of these words, and so of the reasons the sheet gives for
// refused rows and lines not read.
constexpr Language kSheetLanguage = Language::Chinese;

extern const char* const kSheetTitle;

// The design basis for a run that checks sections, and for one that takes
// A and i as the dialog does.
extern const TextList kDesignBasis;
extern const TextList kDialogBasis;

// What the sheet does not check: one line on every bay's page, in full at
// the end.
extern const char* const kScopeLine;
extern const TextList kScopeInFull;

constexpr int kCriteriaColumnCount = 6;
extern const char* const kCriteriaColumns[kCriteriaColumnCount];
// How the sheet names one section family and heads its properties.
struct FamilyWords {
    SectionFamilyId family;
    const char* noun;        // what sizing chooses among: "可选的角钢中…"
    const char* nonePasses;  // over the property columns where no section passes
    const char* propertiesHeading;
    const char* const* propertyColumns;
    int propertyColumnCount;
};

const FamilyWords& WordsOf(SectionFamilyId family);

// A round bar's compression case, which it does not take.
extern const char* const kNoCompressionCase;

#endif
