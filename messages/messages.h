// Every word the checker says, by code: the refusals of a row, the
// problems of a run, the command line's mistakes, the files' fates and the
// help. Each language is one table (messages/*_messages.cpp) with a text
// for every id.
#ifndef BRACING_MESSAGES_MESSAGES_H
#define BRACING_MESSAGES_MESSAGES_H

#include <initializer_list>
#include <string>
#include <string_view>

enum class Language : unsigned char { English, Chinese };
constexpr int kLanguageCount = 2;

enum class MessageId : unsigned char {
    // A row's refusals, in RefusalCode's order: {0} the column, {1} the cell.
    CellEmpty,
    CellNotANumber,
    CellOutOfRange,
    LimitNotAboveZero,
    SectionNotStandard,
    SectionUnequal,
    TubeWallTooThick,
    BarNotListed,
    SectionNotDesignation,
    FamilyUnknown,
    FamilyContradicts,
    GussetNegative,
    GradeUnknown,
    MethodUnknown,
    CranesUnknown,
    ResultOutOfRange,
    Rejected,
    ReasonSeparator,
    NoTensionAngle,
    NoCompressionAngle,
    NoTensionSection,
    NoCompressionSection,
    NoCompressionCase,
    // The input's text.
    NotValidBytes,
    ReadAsGbk,
    SeparatorGuessed,
    Semicolons,
    Tabs,
    QuoteNotClosed,
    QuoteNotClosedNamed,
    InHeader,
    LinesLeftOut,
    HeaderTooLong,
    RowTooLong,
    CannotRead,
    CannotReadAfter,
    OutputNotWritten,
    SheetNotWritten,
    // The header and the rows.
    EmptyInput,
    ColumnMissing,
    ColumnTwice,
    SectionBeside,
    ColumnTwiceNamed,
    ColumnUnit,
    ColumnNoUnit,
    Workbook,
    HeaderFault,
    HeaderOneField,
    HeaderFields,
    ListSeparator,
    ListCut,
    ColumnsDropped,
    ColumnsUnused,
    OneField,
    Fields,
    FieldCount,
    MoreRowProblems,
    // The catalogue of --catalogue.
    CatalogueNoSection,
    CatalogueEmpty,
    CatalogueLine,
    // The summary.
    OneRow,
    Rows,
    OneLine,
    Lines,
    SummaryWritten,
    SummaryRefused,
    SummaryLeftOut,
    SummaryUnread,
    SummaryInvalid,
    // The command line.
    CommandLineFault,
    UnknownOption,
    NeedsValue,
    OptionEmptyName,
    EmptyName,
    ReportToStandardOutput,
    ReportTwice,
    EncodingTakes,
    SeparatorTakes,
    GradeTakes,
    MethodTakes,
    FamilyTakes,
    MillimetresTake,
    LanguageTakes,
    HeaderTakes,
    SecondInput,
    SectionsReadNoInput,
    ProjectTwice,
    ReportIsOutput,
    ReportIsInput,
    ReportsSame,
    // The files.
    CannotOpen,
    FileNotWritten,
    IsDirectory,
    IsBlockDevice,
    CannotWriteThere,
    CannotCreate,
    CannotCreateScratch,
    CannotRename,
    CannotReplace,
    OpenElsewhere,
    OtherName,
    OtherNames,
    ScratchNamesTaken,
    NewNamesTaken,
    InPlaceKept,
    SheetKept,
    // What became of each output: written, or not and why.
    Written,
    NotWritten,
    NothingChecked,
    NoUsableHeader,
    RunUnfinished,
    KeptAs,
    Help,
};
constexpr int kMessageCount = static_cast<int>(MessageId::Help) + 1;

struct Message {
    MessageId id;
    const char* text;  // {0}, {1} ... stand for the data, in any order
};

// The table of `language`, in MessageId's order.
const Message* MessageTable(Language language);

// The text of `id` in `language`, its {k} replaced by args[k], added to `out`.
void AppendMessage(std::string& out, Language language, MessageId id,
                   std::initializer_list<std::string_view> args = {});

// The same as a string of its own.
std::string MessageText(Language language, MessageId id, std::initializer_list<std::string_view> args = {});

// "{0} row" or "{0} rows" with `count` put in.
void AppendCounted(std::string& out, Language language, long count, MessageId one, MessageId many);

// The tables, one a language, each in MessageId's order (InOrder).
extern const Message kEnglishMessages[kMessageCount];
extern const Message kChineseMessages[kMessageCount];

// Whether `table` holds every id in order, so that an id is its index.
constexpr bool InOrder(const Message (&table)[kMessageCount]) {
    for (int k = 0; k < kMessageCount; ++k) {
        if (static_cast<int>(table[k].id) != k || table[k].text == nullptr) {
            return false;
        }
    }
    return true;
}

#endif
