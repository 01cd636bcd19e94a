#include "messages/messages.h"

namespace {

const char kHelp[] =
    "bracing-check [options] [FILE | -]\n"
    "\n"
    "Checks many braced bays at once: one bay a CSV row, the fifteen results the\n"
    "dialog shows, in the dialog's number formats; or, with sections (or empty\n"
    "cells to size them), both design cases to GB 50017-2017.\n"
    "\n"
    "Input (FILE, or standard input when FILE is - or absent):\n"
    "  The header must name these seven columns, in any order. Names are matched\n"
    "  without regard to letter case or the white space around them; a name may\n"
    "  carry its column's unit in brackets, H (m), T(kN), A[cm2], H（m）, and\n"
    "  another unit, H (mm), refuses the header. The Chinese names in brackets\n"
    "  below are read too. Other columns pass through unchanged. For the design\n"
    "  check a section column takes the place of A and i (below).\n"
    "    H  (高度, 柱撑高度) bay height, m\n"
    "    B  (宽度, 柱撑宽度) bay width, m\n"
    "    n  (榀数, 纵向榀数) frames sharing the load\n"
    "    T  (吊车刹车力, 刹车力) crane braking force, kN\n"
    "    W  (风荷载, 风荷载合力) wind force, kN\n"
    "    A  (截面积) section area, cm2 (or cm²)\n"
    "    i  (回转半径) radius of gyration, cm\n"
    "  bay (柱撑编号, 编号) names the bay on the calc sheet.\n"
    "  Each of these cells must be wholly a number: white space around it (the\n"
    "  full-width space too), a sign, a point and an exponent may be there;\n"
    "  full-width digits read as ASCII ones. \"1,000\", \"6m\" or an empty cell\n"
    "  is not a number: that row is refused (see Errors).\n"
    "  RFC 4180 CSV: quoted fields may hold separators and line breaks, \"\" is\n"
    "  a quote. Lines end with LF, CRLF, a lone CR or CR CR LF.\n"
    "  Encodings: UTF-8 (with or without a BOM), UTF-16 with its BOM; input\n"
    "  with no BOM whose first non-ASCII bytes are not UTF-8 is read as GBK\n"
    "  (code page 936), and standard error says so. A spreadsheet workbook\n"
    "  (.xlsx, .xls) is refused: save it as CSV first.\n"
    "  Separator: comma; when the header names none of the columns split by\n"
    "  commas but does split by semicolons or tabs, that is used, and said.\n"
    "  Input columns named like the result columns (N1 ... f2, section1 ...\n"
    "  ok2, adopted ... ok, error, or their Chinese names of --header zh) are an\n"
    "  earlier run's output: dropped, and written afresh.\n"
    "\n"
    "Design check (a header with a section column):\n"
    "  A section column takes the place of A and i (a header naming section and\n"
    "  A or i cannot be used). Optional columns; an empty cell takes the default:\n"
    "    section   (截面) single angle L63x6 (L63×6, ∠63×6, L 63*6, L63×63×6);\n"
    "              two angles back to back 2L63x6 (2∠63×6); in a cross 2L63x6+\n"
    "              (2∠63×6十); seamless tube D89x4 (Φ89×4, φ89×4, Ø89×4, P89x4);\n"
    "              round bar D20 (Φ20, d20). Empty: for each case the lightest\n"
    "              section of family (by mass) that passes.\n"
    "    family    (截面类型) the family an empty section is sized in: L, 2L,\n"
    "              2L+, tube, bar (单角钢, 双角钢, 十字双角钢, 钢管, 圆钢); empty:\n"
    "              --family (L). A given section is of its designation's\n"
    "              family; a family cell that says otherwise refuses the row.\n"
    "    gusset    (节点板厚) gusset thickness, mm: the gap between two angles;\n"
    "              empty: --gusset (8).\n"
    "    grade     (钢号, 材质) Q235, Q345 or Q355, a quality letter allowed\n"
    "              (Q355B); empty: --grade, Q235 unless given.\n"
    "    lambda_t  (拉杆容许长细比) allowable slenderness in tension; empty:\n"
    "              Table 7.4.7, 300 where T != 0 (bracing below crane beams),\n"
    "              else 400; with heavy-duty cranes 200 and 350.\n"
    "    lambda_c  (压杆容许长细比) in compression; empty: Table 7.4.6, 150 where\n"
    "              T != 0, else 200; 200 where N2/(η ρ φ A f) ≤ 0.5 (7.4.6 item\n"
    "              2; not with --strict-slenderness). A typed limit is used as\n"
    "              typed.\n"
    "    method    (设计方法) design method: tension (拉杆), compression (压杆) or\n"
    "              auto (自动, the default); empty: --method. Both cases are\n"
    "              checked; one is adopted: auto takes the lighter passing one by\n"
    "              mass per metre, compression on a tie.\n"
    "    cranes    (吊车工作级别) crane duty: heavy, 重级, A6-A8 are heavy duty;\n"
    "              light, medium, 轻级, 中级, A1-A5 are not (any letter case);\n"
    "              empty: --heavy-cranes.\n"
    "  Sizing takes only angles (single and double) at least --min-leg wide\n"
    "  and --min-thickness thick, the listed tubes, bars from D12, or the\n"
    "  sizes --catalogue lists; a given section is checked whatever its size.\n"
    "  Wind and braking act either way: the design takes P = (|W| + |T|)/n,\n"
    "  and N1 ... Ly2 hold the design values.\n"
    "  A single equal angle connected by one leg to gusset plates\n"
    "  (GB 50017-2017):\n"
    "    tension:     λ1 = max(Lx1/iy0, Ly1/ix) ≤ lambda_t;\n"
    "                 σ1 = N1/A ≤ 0.85 f (7.6.1)\n"
    "    compression: λ2 = max(Lx2/iy0, Ly2/ix) ≤ lambda_c;\n"
    "                 σ2 = N2/(η ρ φ A) ≤ f;\n"
    "                 leg w/t = (b - 2t)/t ≤ its limit of 7.3.1\n"
    "  Two angles (T or cross): the limit on the larger of λ in plane (node\n"
    "  to crossing) and out of plane; φ class b, for the T at max(λx, λyz)\n"
    "  (7.2.2), for the cross with the torsional λz where b/t > 15εk; leg\n"
    "  w/t (7.3.1); the end section N/(0.85 A) ≤ f (Table 7.1.3); fillers\n"
    "  (7.2.6) on the sheet. Tubes: φ class a, f of Table 4.4.3 (seamless),\n"
    "  D/t ≤ 100εk²; welded tubes are not covered. Round bars take tension\n"
    "  only: σ1 = N1/A ≤ f; with T = 0 a tensioned bar has no slenderness\n"
    "  limit (Table 7.4.7): limit1 is empty; the compression case does not\n"
    "  apply: ok2 is NA.\n"
    "  Single angle φ: class b for Q235, class a for Q345 and Q355 (Table\n"
    "  7.2.1-1); η for the one-leg connection (7.6.1); ρ for slender legs\n"
    "  (7.6.3). φ is taken\n"
    "  at the larger of λ2 and λ0·εk, the equivalent slenderness of 7.6.2 (the\n"
    "  other diagonal in tension: αe 0.75, μu 0.5, λu = (L/ix)/εk).\n"
    "  f by grade and thickness (Table 4.4.1). φ normalises by 93.014 (the 2003\n"
    "  edition's, exact π), as the dialog does; the 2017 table is up to 0.001\n"
    "  lower at 49 of its 251 entries.\n"
    "  Not checked: connections and the net section, seismic rules, load\n"
    "  factors: W and T are taken as the design values typed.\n"
    "\n"
    "Output (standard output or -o FILE; UTF-8, commas, LF line ends):\n"
    "  The input columns as they came, then fifteen results and an error column:\n"
    "    N1 Nt1 Lx1 Rx1 Ly1 Ry1 f1   diagonals as tension members\n"
    "    N2 Nt2 Lx2 Rx2 Ly2 Ry2 u f2 diagonals that take compression\n"
    "  N diagonal force (kN), Nt pull-out at the column base (kN), Lx Ly\n"
    "  effective lengths (m), Rx Ry required radii of gyration (cm), f stress\n"
    "  (N/mm2), u stability coefficient.\n"
    "  With a section column: the input columns, N1 Nt1 Lx1 Ly1 N2 Nt2 Lx2 Ly2\n"
    "  (design values), then the design check and error (the dialog's Rx, Ry,\n"
    "  f and u belong to its own one-i model and are left out):\n"
    "    section1 lambda1 limit1 stress1 ratio1 ok1                tension\n"
    "    section2 lambda2 limit2 lambda_phi2 phi2 eta2 rho2 stress2 ratio2 ok2\n"
    "                                                              compression\n"
    "    adopted adopted_section mass ok                           adopted\n"
    "  section the section (L63x6); lambda slenderness, limit its limit (empty\n"
    "  for a bar with none); stress σ (N/mm2); phi φ; eta η; rho ρ (1.000 where\n"
    "  the family has none); ratio the largest ratio; ok1, ok2 are OK (ratio ≤\n"
    "  1), NG, or NA (a bar in compression). limit2 is the limit applied (200\n"
    "  where 7.4.6 item 2\n"
    "  holds); lambda_phi2 the slenderness φ is taken at. adopted is the adopted\n"
    "  case (tension, compression or empty), adopted_section and mass (kg/m) its\n"
    "  section and mass; ok is OK when a design was adopted, else NG.\n"
    "  Where no section passes a sized case, its cells are empty but ok, NG,\n"
    "  and the error column says which case.\n"
    "  Where H, B or n is not positive the results are empty and the error\n"
    "  column says \"参数不能为负数和零\"; the run goes on.\n"
    "\n"
    "Options:\n"
    "  -h, --help          Show this text.\n"
    "  -o FILE             Write to FILE: first into FILE.partial-<pid> beside it,\n"
    "                      renamed to FILE.new when complete and over FILE only\n"
    "                      when the run succeeds (its mode kept; through a symlink\n"
    "                      the file it points at). A failed or interrupted run\n"
    "                      leaves FILE as it was. A device or FIFO is written\n"
    "                      directly; a directory is refused. When FILE cannot be\n"
    "                      replaced (open in a spreadsheet, say), the output stays\n"
    "                      under the .new name; exit status 2. -o - is standard\n"
    "                      output. When FILE is the input, it is replaced only if\n"
    "                      every line was carried into the output; otherwise the\n"
    "                      input stays, the output is under .new; exit status 2.\n"
    "  --report FILE.html  Also write the calc sheet, one HTML file to print: a\n"
    "  --report FILE.docx  summary, then a page for each bay (sketch, each step\n"
    "                      of the calculation, every criterion with its clause).\n"
    "                      FILE.docx writes it as a Word document to edit and\n"
    "                      merge into a project's calculation book; give\n"
    "                      --report once for each. Like -o, FILE is replaced\n"
    "                      only by a run that succeeds; it must not be the -o\n"
    "                      file, the input or the other --report.\n"
    "                      Standard error ends with a line for -o FILE and one for\n"
    "                      --report: \"written: FILE\" or \"not written: FILE\n"
    "                      (why)\".\n"
    "  --project NAME      The project the calc sheet names.\n"
    "  --number TEXT       The project's number on the calc sheet.\n"
    "  --project-file FILE The project's name from the first line of FILE (UTF-8\n"
    "                      or GBK); not with --project.\n"
    "  --header zh|en      The result columns under Chinese names with units\n"
    "                      (zh: 斜杆内力N1(kN) ...) or the names above (en, the\n"
    "                      default). A run reads either as an earlier run's.\n"
    "  --lang zh|en        Messages, the error column and this help in Chinese or\n"
    "                      English. Otherwise the system's: on Windows the user's\n"
    "                      display language, elsewhere LC_ALL, LC_MESSAGES or LANG\n"
    "                      (Chinese when it starts with zh).\n"
    "  --encoding utf-8|gbk|utf-16\n"
    "                      Read in this encoding, no guessing.\n"
    "  --separator ,|;|tab Read with this separator.\n"
    "  --bom               Start the output with a UTF-8 byte order mark. It is\n"
    "                      written anyway when the input had one or was GBK or\n"
    "                      UTF-16, so that a spreadsheet opens the output right.\n"
    "  --no-bom            Write no byte order mark.\n"
    "  --sections          Write every family's sizes as CSV instead of reading\n"
    "                      an input: family,designation,A,ix,ix0,iy0,iy,mass (cm2,\n"
    "                      cm, kg/m; two angles at the --gusset gap; cells that\n"
    "                      do not apply are empty).\n"
    "  --family L|2L|2L+|tube|bar\n"
    "                      The family to size in where a row gives none (L).\n"
    "  --gusset MM         The gusset thickness where a row gives none (8).\n"
    "  --catalogue FILE    Size only among the sizes FILE lists (a CSV with a\n"
    "                      section column, any encoding the input may have), each\n"
    "                      family among its own; tubes and bars off the built-in\n"
    "                      lists may be listed. A faulty FILE: exit status 2,\n"
    "                      nothing written.\n"
    "  --grade Q235|Q345|Q355\n"
    "                      The grade where a row gives none.\n"
    "  --method tension|compression|auto\n"
    "                      The design method where a row gives none (auto).\n"
    "  --heavy-cranes      Heavy-duty cranes where a row gives no duty.\n"
    "  --strict-slenderness\n"
    "                      Without 7.4.6 item 2: no raising to 200.\n"
    "  --min-leg MM        Sizing's smallest leg (45).\n"
    "  --min-thickness MM  Sizing's smallest thickness (4: L45x4, the usual\n"
    "                      smallest bolted brace).\n"
    "  --                  What follows is a file name.\n"
    "\n"
    "Errors (standard error, with the line; at most 20 listed, all counted):\n"
    "  A cell that is not a number or is out of range, a section, family,\n"
    "  grade, method or crane duty not known, a family word that contradicts\n"
    "  the section, a slenderness limit not above 0, a negative gusset, or\n"
    "  results out of range:\n"
    "  the row is written with its inputs, empty results and the reason in its\n"
    "  error column. Bytes not valid in the encoding show as U+FFFD. A row with\n"
    "  the wrong number of fields, or longer than 1 MiB or 16384 fields, is\n"
    "  left out. A quote never closed leaves out the lines from it to the end.\n"
    "\n"
    "Exit status:\n"
    "  0  Every row read and written (\"参数不能为负数和零\", NG and no passing\n"
    "     section are answers, not problems).\n"
    "  1  Written, but the input had the problems above; or a header that\n"
    "     cannot be used (an input column missing, repeated or in another unit,\n"
    "     section beside A or i, a workbook, not CSV): nothing written.\n"
    "  2  Nothing could be done: a bad option (--report naming the -o file or\n"
    "     the input among them), an input that cannot be read, a failed write, a\n"
    "     directory as the target, an -o or --report file that cannot be\n"
    "     replaced, or an -o naming the input when not every line was carried.\n"
    "  129, 130, 143  Interrupted by SIGHUP (console closed), SIGINT (Ctrl+C) or\n"
    "     SIGTERM: scratch files removed, every file as it was.\n";

}  // namespace

constexpr Message kEnglishMessages[kMessageCount] = {
    {MessageId::CellEmpty, "{0}: empty (write 0 for none)"},
    {MessageId::CellNotANumber, "{0}: {1} is not a number"},
    {MessageId::CellOutOfRange, "{0}: {1} is out of range"},
    {MessageId::LimitNotAboveZero, "{0}: {1} is not above 0"},
    {MessageId::SectionNotStandard, "{0}: {1} is not a size of GB/T 706-2016"},
    {MessageId::SectionUnequal, "{0}: {1} is an unequal angle: only equal angles are checked"},
    {MessageId::TubeWallTooThick, "{0}: {1} is not a tube: its wall must be thinner than half its diameter"},
    {MessageId::BarNotListed, "{0}: {1} is not a round bar of GB/T 702 (D5.5 to D60)"},
    {MessageId::SectionNotDesignation,
     "{0}: {1} is not a section designation such as L63x6, 2L63x6, 2L63x6+, D89x4 or D20"},
    {MessageId::FamilyUnknown,
     "{0}: {1} is not a section family: L, 2L, 2L+, tube or bar (单角钢, 双角钢, 十字双角钢, 钢管, 圆钢)"},
    {MessageId::FamilyContradicts, "{0}: {1} is not the family of the section given"},
    {MessageId::GussetNegative, "{0}: {1} is below 0 mm"},
    {MessageId::GradeUnknown,
     "{0}: {1} is not a grade: Q235 (A to D), Q345 (A to E), Q355 (B to D), Q355N or Q355M (B to F)"},
    {MessageId::MethodUnknown, "{0}: {1} is not a design method: tension (拉杆), compression (压杆) or auto (自动)"},
    {MessageId::CranesUnknown,
     "{0}: {1} is not a crane duty: heavy (重级, A6 to A8), medium or light (中级, 轻级, A1 to A5)"},
    {MessageId::ResultOutOfRange, "a result is out of range"},
    // The dialog's own words for inputs the calculation cannot take.
    {MessageId::Rejected, "参数不能为负数和零"},
    {MessageId::ReasonSeparator, "; "},
    {MessageId::NoTensionAngle, "no angle passes the tension design"},
    {MessageId::NoCompressionAngle, "no angle passes the compression design"},
    {MessageId::NoTensionSection, "no {0} section passes the tension design"},
    {MessageId::NoCompressionSection, "no {0} section passes the compression design"},
    {MessageId::NoCompressionCase, "a round bar takes no compression: the compression design does not apply"},

    {MessageId::NotValidBytes, "bytes not valid in {0}, each shown as U+FFFD"},
    {MessageId::ReadAsGbk, "not UTF-8; read as GBK (code page 936)"},
    {MessageId::SeparatorGuessed, "the columns are separated by {0}, not commas; read so"},
    {MessageId::Semicolons, "semicolons"},
    {MessageId::Tabs, "tabs"},
    {MessageId::QuoteNotClosed, "the quote that opens field {0} is never closed"},
    {MessageId::QuoteNotClosedNamed, "the quote that opens field {0} ({1}) is never closed"},
    {MessageId::InHeader, "header: {0}"},
    {MessageId::LinesLeftOut, "{0}; lines {1} to {2} are left out"},
    {MessageId::HeaderTooLong, "header longer than {0} MiB or more than {1} fields"},
    {MessageId::RowTooLong, "row longer than {0} MiB or more than {1} fields; left out"},
    {MessageId::CannotRead, "cannot read: {0}"},
    {MessageId::CannotReadAfter, "cannot read after line {0}: {1}"},
    {MessageId::OutputNotWritten, "cannot write: {0}; the output is incomplete"},
    {MessageId::SheetNotWritten, "cannot write: {0}; the sheet is incomplete"},

    {MessageId::EmptyInput, "empty input, no header line"},
    {MessageId::ColumnMissing,
     "no column named {0} (the header must name H, B, n, T, W and either A and i or section)"},
    {MessageId::ColumnTwice, "column {0} appears twice (columns {1} and {2})"},
    {MessageId::SectionBeside,
     "columns section and {0} cannot go together: the section gives A and i; remove one of them"},
    {MessageId::ColumnTwiceNamed, "{1} and {2} both name column {0} (columns {3} and {4})"},
    {MessageId::ColumnUnit, "{0}: column {1} is in {2}"},
    {MessageId::ColumnNoUnit, "{0}: column {1} takes no unit"},
    {MessageId::Workbook, "this is a spreadsheet workbook, not CSV: save it as CSV first"},
    {MessageId::HeaderFault, "{0}; {1}"},
    {MessageId::HeaderOneField, "the header is one field: {0}"},
    {MessageId::HeaderFields, "the header's fields: {0}"},
    {MessageId::ListSeparator, ", "},
    {MessageId::ListCut, ", …"},
    {MessageId::ColumnsDropped, "columns {0} are an earlier run's output; dropped and written afresh"},
    {MessageId::ColumnsUnused, "{0}: not used with A and i (the design check needs a section column)"},
    {MessageId::OneField, "{0} field"},
    {MessageId::Fields, "{0} fields"},
    {MessageId::FieldCount, "{0} where the header has {1}; row left out"},
    {MessageId::MoreRowProblems, "more problems with rows; only the first {0} are listed"},
    {MessageId::CatalogueNoSection, "{0}: no column named section: a catalogue lists its sizes under it"},
    {MessageId::CatalogueEmpty, "{0}: a catalogue with no sizes"},
    {MessageId::CatalogueLine, "{0}:{1}: {2}"},

    {MessageId::OneRow, "{0} row"},
    {MessageId::Rows, "{0} rows"},
    {MessageId::OneLine, "{0} line"},
    {MessageId::Lines, "{0} lines"},
    {MessageId::SummaryWritten, "{0} written"},
    {MessageId::SummaryRefused, ", {0} of them refused"},
    {MessageId::SummaryLeftOut, "; {0} left out"},
    {MessageId::SummaryUnread, "; lines {0} to {1} left out (a quote never closed)"},
    {MessageId::SummaryInvalid, "; {0} with bytes not valid in {1}"},

    {MessageId::CommandLineFault, "bracing-check: {0} (try --help)"},
    {MessageId::UnknownOption, "unknown option {0}"},
    {MessageId::NeedsValue, "{0} needs a value"},
    {MessageId::OptionEmptyName, "{0}: an empty file name"},
    {MessageId::EmptyName, "an empty file name"},
    {MessageId::ReportToStandardOutput, "--report -: the calc sheet is written to a file; name one"},
    {MessageId::ReportTwice, "--report: one HTML sheet and one Word sheet (.docx) at most, and {0} is a second"},
    {MessageId::EncodingTakes, "--encoding takes utf-8, gbk or utf-16, not {0}"},
    {MessageId::SeparatorTakes, "--separator takes , or ; or tab, not {0}"},
    {MessageId::GradeTakes, "--grade takes Q235, Q345 or Q355, not {0}"},
    {MessageId::MethodTakes, "--method takes tension, compression or auto, not {0}"},
    {MessageId::FamilyTakes, "--family takes L, 2L, 2L+, tube or bar, not {0}"},
    {MessageId::MillimetresTake, "{0} takes millimetres, 0 or more, not {1}"},
    {MessageId::LanguageTakes, "--lang takes zh or en, not {0}"},
    {MessageId::HeaderTakes, "--header takes zh or en, not {0}"},
    {MessageId::SecondInput, "one input at most, and {0} is a second"},
    {MessageId::SectionsReadNoInput, "--sections writes the section list and reads no input"},
    {MessageId::ProjectTwice, "--project and --project-file cannot go together"},
    {MessageId::ReportIsOutput, "--report and -o name the same file, {0}"},
    {MessageId::ReportIsInput, "--report names the input, {0}"},
    {MessageId::ReportsSame, "the two --report name the same file, {0}"},

    {MessageId::CannotOpen, "{0}: cannot open: {1}"},
    {MessageId::FileNotWritten, "{0}: cannot write: {1}"},
    {MessageId::IsDirectory, "{0}: is a directory, not a file to write"},
    {MessageId::IsBlockDevice, "{0}: is a block device, not a file to write"},
    {MessageId::CannotWriteThere, "{0}: cannot write there: {1}"},
    {MessageId::CannotCreate, "{0}: cannot create: {1}"},
    {MessageId::CannotCreateScratch, "{0}: cannot create its scratch file: {1}"},
    {MessageId::CannotRename, "{0}: cannot rename it to {1}: {2}"},
    {MessageId::CannotReplace, "{0}: cannot replace it ({1}); it is left as it was, and the new output is in {2}"},
    {MessageId::OpenElsewhere, "; is it open in another program?"},
    {MessageId::OtherName, "{0}: replaced; its {1} other name (hard links) keep the old rows"},
    {MessageId::OtherNames, "{0}: replaced; its {1} other names (hard links) keep the old rows"},
    {MessageId::ScratchNamesTaken, "the names of its scratch files are all taken"},
    {MessageId::NewNamesTaken, "{0} and the names before it are all taken"},
    {MessageId::InPlaceKept,
     "{0}: is the input, and not every line of it is in the output (see above); it is left as it was, and the "
     "new output is in {1}"},
    {MessageId::SheetKept, "{0}: left as it was, beside the output; the new sheet is in {1}"},

    {MessageId::Written, "written: {0}"},
    {MessageId::NotWritten, "not written: {0} ({1})"},
    {MessageId::NothingChecked, "nothing was checked"},
    {MessageId::NoUsableHeader, "no usable header"},
    {MessageId::RunUnfinished, "the run did not get through"},
    {MessageId::KeptAs, "the new file is {0}"},
    {MessageId::Help, kHelp},
};
static_assert(InOrder(kEnglishMessages), "one English text for every message, in order");
