#include "messages/messages.h"

namespace {

const char kHelp[] =
    "bracing-check [选项] [文件 | -]\n"
    "\n"
    "柱间支撑批量验算：读入 CSV，每行一个柱撑，输出与对话框相同的十五项结果；\n"
    "给出截面（或留空自动选型）时按 GB 50017-2017 验算两种工况。\n"
    "\n"
    "输入（文件；文件为 - 或未给出时读标准输入）：\n"
    "  表头须含以下七列，顺序不限。列名不分大小写，前后的空白不计；列名后可用括号注明\n"
    "  该列的单位，如 H (m)、T(kN)、A[cm2]、H（m）、高度【m】，单位不对（如 H (mm)）则\n"
    "  表头不可用。中文列名见括号内。其他列原样保留。截面验算时 section 列代替 A、i（见下）。\n"
    "    H  高度、柱撑高度，m                B  宽度、柱撑宽度，m\n"
    "    n  榀数、纵向榀数                   T  吊车刹车力、刹车力，kN\n"
    "    W  风荷载、风荷载合力，kN           A  截面积，cm2（或 cm²）\n"
    "    i  回转半径，cm\n"
    "  bay（柱撑编号、编号）为计算书上的柱撑名称。\n"
    "  每格须完整为一个数：前后可有空白（含全角空格），可有正负号、小数点、指数；全角\n"
    "  数字按半角读。\"1,000\"、\"6m\"、空格等不是数，该行不计算（见“出错”）。\n"
    "  CSV 按 RFC 4180：引号内可有分隔符、换行，\"\" 表示一个引号。换行可为 LF、CRLF、\n"
    "  单独的 CR 或 CR CR LF。\n"
    "  编码：UTF-8（可带 BOM）、带 BOM 的 UTF-16；无 BOM 且首段非 ASCII 字节不是\n"
    "  UTF-8 时按 GBK（代码页 936）读，并在标准错误上说明。电子表格工作簿（.xlsx、\n"
    "  .xls）不读：请先另存为 CSV。\n"
    "  分隔符：逗号；若表头按逗号分不出所需列、按分号或制表符能分出，则改用之并说明。\n"
    "  与输出结果列同名的输入列（N1 … f2、section1 … ok2、adopted … ok、error，或\n"
    "  --header zh 的中文列名）是上次运行的结果，略去后重新计算。\n"
    "\n"
    "截面验算（表头有 section 列）：\n"
    "  section 列代替 A、i 列（表头同时有 section 与 A 或 i 则不可用）。可选列，空格\n"
    "  取默认值：\n"
    "    section   截面：单角钢 L63x6（L63×6、∠63×6、L 63*6、L63×63×6）；双角钢 T 形\n"
    "              2L63x6（2∠63×6）；十字形 2L63x6+（2∠63×6十）；无缝钢管 D89x4（Φ89×4、\n"
    "              φ89×4、Ø89×4、P89x4）；圆钢 D20（Φ20、d20）。空则每个工况在 family\n"
    "              中自动选用满足要求的最轻截面（按每米质量）。\n"
    "    family    截面类型：L（单角钢）、2L（双角钢）、2L+（十字双角钢）、tube（钢管）、\n"
    "              bar（圆钢）；空则取 --family（默认 L）。给定截面时按其名称的类型，\n"
    "              family 与之不符则该行不计算。\n"
    "    gusset    节点板厚：节点板厚度（mm，双角钢间的间隙）；空则取 --gusset（默认 8）。\n"
    "    grade     钢号、材质：Q235、Q345、Q355，可带质量等级（Q355B）；\n"
    "              空则取 --grade（默认 Q235）。\n"
    "    lambda_t  拉杆容许长细比，空则按表 7.4.7：T 不为 0（吊车梁下柱间支撑）取 300，\n"
    "              否则 400；有重级工作制吊车时分别为 200、350。\n"
    "    lambda_c  压杆容许长细比，空则按表 7.4.6：T 不为 0 取 150，否则 200；内力不大于\n"
    "              稳定承载力的 50%（N2/(η ρ φ A f) ≤ 0.5）时取 200（7.4.6 第 2 款，\n"
    "              --strict-slenderness 不用）。填写的值照用。\n"
    "    method    设计方法：tension（拉杆）、compression（压杆）或 auto（自动，默认）；\n"
    "              空则取 --method。两种工况都验算，按此采用一种：auto 取满足者中\n"
    "              每米质量较轻的，相同时按压杆。\n"
    "    cranes    吊车工作级别：heavy、重级、A6–A8 为重级工作制；light、medium、轻级、\n"
    "              中级、A1–A5 不是（不分大小写）；空则取 --heavy-cranes。\n"
    "  自动选型只用肢宽、厚度不小于 --min-leg、--min-thickness 的角钢（单、双角钢）、\n"
    "  表列钢管、D12 起的圆钢，或 --catalogue 所列规格；给定截面照验。\n"
    "  风荷载与刹车力均可正反向作用：设计取 P = (|W| + |T|)/n，N1 … Ly2 为设计值。\n"
    "  按单角钢、一肢连于节点板验算（GB 50017-2017）：\n"
    "    拉杆：λ1 = max(Lx1/iy0, Ly1/ix) ≤ lambda_t；σ1 = N1/A ≤ 0.85 f（7.6.1）\n"
    "    压杆：λ2 = max(Lx2/iy0, Ly2/ix) ≤ lambda_c；σ2 = N2/(η ρ φ A) ≤ f；\n"
    "          肢宽厚比 w/t = (b - 2t)/t 不超过 7.3.1 的限值\n"
    "  双角钢（T 形、十字形）：λ 取平面内（节点至交叉点）与平面外之较大者验算限值；\n"
    "  φ 按 b 类，T 形取 max(λx, λyz)（7.2.2），十字形 b/t > 15εk 时计扭转 λz；\n"
    "  肢件宽厚比（7.3.1）；端部截面 N/(0.85 A) ≤ f（表 7.1.3）；填板间距（7.2.6）\n"
    "  列于计算书。钢管：φ 按 a 类，f 按表 4.4.3（无缝钢管），D/t ≤ 100εk²；焊接\n"
    "  钢管不在本程序范围内。圆钢只受拉：σ1 = N1/A ≤ f；T = 0 时张紧圆钢无长细比\n"
    "  限值（表 7.4.7），limit1 为空；压杆工况不适用，ok2 为 NA。\n"
    "  单角钢 φ：Q235 按 b 类，Q345、Q355 按 a 类（表 7.2.1-1）；η 单边连接折减（7.6.1）；\n"
    "  ρ 肢宽厚比较大时的折减（7.6.3）。φ 取 λ2 与 7.6.2 等效长细比 λ0·εk 中较大者\n"
    "  （另杆受拉：αe = 0.75，μu = 0.5，λu = (L/ix)/εk）。\n"
    "  f 按钢号与厚度（表 4.4.1）。φ 的换算长细比用 93.014（2003 版，π 精确值），与\n"
    "  对话框相同；2017 版附表在 251 个值中有 49 个比它小，至多 0.001。\n"
    "  未验算：连接与净截面、抗震构造、荷载组合（W、T 按输入的设计值）。\n"
    "\n"
    "输出（标准输出或 -o 文件；UTF-8，逗号分隔，LF 换行）：\n"
    "  输入各列（原样、原序），然后是十五个结果列与 error 列：\n"
    "    N1 Nt1 Lx1 Rx1 Ly1 Ry1 f1   按拉杆计算\n"
    "    N2 Nt2 Lx2 Rx2 Ly2 Ry2 u f2 按压杆计算\n"
    "  N 斜杆内力（kN），Nt 柱底垂直拔力（kN），Lx Ly 计算长度（m），Rx Ry 需要回转\n"
    "  半径（cm），f 应力（N/mm2），u B类压杆稳定系数。\n"
    "  有 section 列时：输入各列，N1 Nt1 Lx1 Ly1 N2 Nt2 Lx2 Ly2（设计值），然后是截面\n"
    "  验算各列与 error 列（对话框的 Rx、Ry、f、u 属其单一 i 的模型，不输出）：\n"
    "    section1 lambda1 limit1 stress1 ratio1 ok1                按拉杆\n"
    "    section2 lambda2 limit2 lambda_phi2 phi2 eta2 rho2 stress2 ratio2 ok2\n"
    "                                                              按压杆\n"
    "    adopted adopted_section mass ok                           采用\n"
    "  section 所用截面（L63x6）；lambda 长细比，limit 其容许值（圆钢无限值时为空）；\n"
    "  stress 应力 σ（N/mm2）；phi 稳定系数 φ；eta 单边连接折减 η；rho 有效截面系数 ρ\n"
    "  （无此系数的截面为 1.000）；ratio 各项比值之最大者；ok1、ok2 为 OK（ratio ≤ 1）、\n"
    "  NG 或 NA（圆钢受压，不适用）。limit2 为所用限值（7.4.6 第 2\n"
    "  款成立时为 200）；lambda_phi2 为 φ 所取长细比。adopted 为采用的工况（tension、\n"
    "  compression 或空），adopted_section 与 mass（kg/m）为其截面与每米质量；ok 为\n"
    "  OK（有采用）或 NG。\n"
    "  自动选型无截面满足时，该工况各格为空、ok 为 NG，error 列说明是哪一工况。\n"
    "  H、B 或 n 不为正数的行，结果为空，error 列为 \"参数不能为负数和零\"，继续下一行。\n"
    "\n"
    "选项：\n"
    "  -h, --help          显示本说明。\n"
    "  -o 文件             写入该文件：先写同目录下的 文件.partial-<进程号> 临时文件，完成\n"
    "                      后改名为 文件.new，运行成功才替换原文件（保留权限；符号链接则\n"
    "                      替换其所指文件）；失败或中断时原文件不变。设备、FIFO 直接写入；\n"
    "                      目录拒绝。文件无法替换（如在电子表格中打开）时，新结果留在\n"
    "                      .new 文件中，退出码 2。-o - 为标准输出。该文件即输入文件时，\n"
    "                      仅当每行都原样写出才替换，否则保留输入，结果留在 .new 文件中，\n"
    "                      退出码 2。\n"
    "  --report 文件.html  另写柱间支撑计算书（HTML，可直接打印）：汇总表，每个柱撑一页\n"
    "  --report 文件.docx  （简图、计算过程、各项验算与规范条文）。扩展名为 .docx 时写成\n"
    "                      Word 文档，可编辑、并入工程计算书；HTML 与 .docx 可各给一次。\n"
    "                      与 -o 相同，运行成功才替换该文件；不得与 -o、输入或另一个\n"
    "                      --report 为同一文件。\n"
    "                      标准错误最后为 -o 文件与 --report 各一行：\"已写入：文件\" 或\n"
    "                      \"未写入：文件（原因）\"。\n"
    "  --project 名称      计算书上的工程名称。\n"
    "  --number 编号       计算书上的工程编号。\n"
    "  --project-file 文件 工程名称取该文件的第一行（UTF-8 或 GBK）；不与 --project 同用。\n"
    "  --header zh|en      结果列用带单位的中文列名（zh：斜杆内力N1(kN) …）或上述列名\n"
    "                      （en，默认）。两种列名再次运行时都认作上次的结果。\n"
    "  --lang zh|en        提示、error 列与本说明用中文或英文。未给出时按系统：Windows 上\n"
    "                      按用户的显示语言，其他系统按 LC_ALL、LC_MESSAGES 或 LANG（以\n"
    "                      zh 开头为中文）。\n"
    "  --encoding utf-8|gbk|utf-16\n"
    "                      按指定编码读入，不再判断。\n"
    "  --separator ,|;|tab 按指定分隔符读入。\n"
    "  --bom               输出开头写 UTF-8 BOM。输入带 BOM 或为 GBK、UTF-16 时默认写，\n"
    "                      以便电子表格程序正确打开。\n"
    "  --no-bom            不写 BOM。\n"
    "  --sections          输出各类截面表（CSV），不读输入：family,designation,A,ix,\n"
    "                      ix0,iy0,iy,mass（cm2、cm、kg/m；双角钢按 --gusset 间隙；\n"
    "                      不适用者为空）。\n"
    "  --family L|2L|2L+|tube|bar\n"
    "                      family 列为空或无此列时的选型截面类型（默认 L）。\n"
    "  --gusset MM         gusset 列为空或无此列时的节点板厚（默认 8）。\n"
    "  --catalogue 文件    自动选型只在该文件（含 section 列的 CSV，编码同输入）所列规格中\n"
    "                      选择，每种类型各自选用；可含表外的钢管与圆钢。文件有误时\n"
    "                      退出码 2，不写任何文件。\n"
    "  --grade Q235|Q345|Q355\n"
    "                      grade 列为空或无此列时的钢号。\n"
    "  --method tension|compression|auto\n"
    "                      method 列为空或无此列时的设计方法（默认 auto）。\n"
    "  --heavy-cranes      cranes 列为空或无此列时按重级工作制吊车（表 7.4.7）。\n"
    "  --strict-slenderness\n"
    "                      不用 7.4.6 第 2 款（压杆限值不放宽到 200）。\n"
    "  --min-leg MM        自动选型的最小肢宽，默认 45。\n"
    "  --min-thickness MM  自动选型的最小厚度，默认 4（即 L45x4，螺栓连接支撑常用的最小\n"
    "                      角钢）。\n"
    "  --                  其后的参数都是文件名。\n"
    "\n"
    "出错（标准错误，注明行号；至多列出 20 个，全部计数）：\n"
    "  某格不是数或超出范围，截面、截面类型、钢号、设计方法或吊车级别不认识，family 与\n"
    "  截面不符，容许长细比不大于 0，节点板厚为负，或结果超出范围：该行照常输出，结果\n"
    "  为空，error 列写明原因。\n"
    "  不合编码的字节以 U+FFFD 代替。字段数不对、超过 1 MiB 或 16384 个字段的行略去。\n"
    "  引号未闭合时，从该引号所在行到末尾都略去。\n"
    "\n"
    "退出码：\n"
    "  0  各行均已读入并输出（\"参数不能为负数和零\"、NG、无截面满足都是答复）。\n"
    "  1  已输出，但输入有上述问题；或表头不可用（缺列、列名重复、单位不对、section 与\n"
    "     A 或 i 并存、是工作簿而不是 CSV，此时不输出）。\n"
    "  2  无法进行：选项有误（含 --report 与 -o 或输入为同一文件）、输入无法读取、输出\n"
    "     写入失败、目标为目录、-o 或 --report 的文件无法替换，或 -o 即输入而有行未写出。\n"
    "  129、130、143  被 SIGHUP（关闭控制台）、SIGINT（Ctrl+C）或 SIGTERM 中断：临时\n"
    "     文件已删除，各文件不变。\n";

}  // namespace

// The same structure as the English texts: names of columns, sections and
// grades and the quoted cells stay as they are.
constexpr Message kChineseMessages[kMessageCount] = {
    {MessageId::CellEmpty, "{0}：空（没有请填 0）"},
    {MessageId::CellNotANumber, "{0}：{1} 不是数字"},
    {MessageId::CellOutOfRange, "{0}：{1} 超出范围"},
    {MessageId::LimitNotAboveZero, "{0}：{1} 不大于 0"},
    {MessageId::SectionNotStandard, "{0}：{1} 不是 GB/T 706-2016 中的规格"},
    {MessageId::SectionUnequal, "{0}：{1} 是不等边角钢：只验算等边角钢"},
    {MessageId::TubeWallTooThick, "{0}：{1} 不是钢管：壁厚须小于外径的一半"},
    {MessageId::BarNotListed, "{0}：{1} 不是 GB/T 702 中的圆钢（D5.5 至 D60）"},
    {MessageId::SectionNotDesignation, "{0}：{1} 不是截面型号，如 L63x6、2L63x6、2L63x6+、D89x4 或 D20"},
    {MessageId::FamilyUnknown, "{0}：{1} 不是截面类型：L、2L、2L+、tube 或 bar（单角钢、双角钢、十字双角钢、钢管、圆钢）"},
    {MessageId::FamilyContradicts, "{0}：{1} 与所给截面的类型不符"},
    {MessageId::GussetNegative, "{0}：{1} 小于 0 mm"},
    {MessageId::GradeUnknown,
     "{0}：{1} 不是钢号：Q235（A 至 D）、Q345（A 至 E）、Q355（B 至 D）、Q355N 或 Q355M（B 至 F）"},
    {MessageId::MethodUnknown, "{0}：{1} 不是设计方法：拉杆（tension）、压杆（compression）或自动（auto）"},
    {MessageId::CranesUnknown,
     "{0}：{1} 不是吊车工作级别：重级（heavy，A6 至 A8），中级或轻级（medium、light，A1 至 A5）"},
    {MessageId::ResultOutOfRange, "结果超出范围"},
    {MessageId::Rejected, "参数不能为负数和零"},
    {MessageId::ReasonSeparator, "；"},
    {MessageId::NoTensionAngle, "没有满足拉杆设计的角钢"},
    {MessageId::NoCompressionAngle, "没有满足压杆设计的角钢"},
    {MessageId::NoTensionSection, "没有满足拉杆设计的 {0} 截面"},
    {MessageId::NoCompressionSection, "没有满足压杆设计的 {0} 截面"},
    {MessageId::NoCompressionCase, "圆钢只能受拉：不进行压杆设计"},

    {MessageId::NotValidBytes, "有不合 {0} 编码的字节，均显示为 U+FFFD"},
    {MessageId::ReadAsGbk, "不是 UTF-8；按 GBK（代码页 936）读入"},
    {MessageId::SeparatorGuessed, "各列以{0}而不是逗号分隔；按此读入"},
    {MessageId::Semicolons, "分号"},
    {MessageId::Tabs, "制表符"},
    {MessageId::QuoteNotClosed, "第 {0} 个字段开头的引号未闭合"},
    {MessageId::QuoteNotClosedNamed, "第 {0} 个字段（{1}）开头的引号未闭合"},
    {MessageId::InHeader, "表头：{0}"},
    {MessageId::LinesLeftOut, "{0}；第 {1} 至 {2} 行略去"},
    {MessageId::HeaderTooLong, "表头超过 {0} MiB 或多于 {1} 个字段"},
    {MessageId::RowTooLong, "该行超过 {0} MiB 或多于 {1} 个字段；已略去"},
    {MessageId::CannotRead, "无法读取：{0}"},
    {MessageId::CannotReadAfter, "第 {0} 行之后无法读取：{1}"},
    {MessageId::OutputNotWritten, "无法写入：{0}；输出不完整"},
    {MessageId::SheetNotWritten, "无法写入：{0}；计算书不完整"},

    {MessageId::EmptyInput, "输入为空，没有表头行"},
    {MessageId::ColumnMissing, "没有 {0} 列（表头须有 H、B、n、T、W，以及 A 和 i 或 section）"},
    {MessageId::ColumnTwice, "{0} 列出现两次（第 {1} 列和第 {2} 列）"},
    {MessageId::SectionBeside, "section 列与 {0} 列不能同时出现：截面已给出 A 和 i；请删去其一"},
    {MessageId::ColumnTwiceNamed, "{1} 与 {2} 都是 {0} 列（第 {3} 列和第 {4} 列）"},
    {MessageId::ColumnUnit, "{0}：{1} 列的单位是 {2}"},
    {MessageId::ColumnNoUnit, "{0}：{1} 列没有单位"},
    {MessageId::Workbook, "这是电子表格工作簿，不是 CSV：请先另存为 CSV"},
    {MessageId::HeaderFault, "{0}；{1}"},
    {MessageId::HeaderOneField, "表头只有一个字段：{0}"},
    {MessageId::HeaderFields, "表头各字段：{0}"},
    {MessageId::ListSeparator, "、"},
    {MessageId::ListCut, "、…"},
    {MessageId::ColumnsDropped, "{0} 列是上次运行的结果；已略去并重新写出"},
    {MessageId::ColumnsUnused, "{0}：有 A 和 i 时不用（截面验算需要 section 列）"},
    {MessageId::OneField, "{0} 个字段"},
    {MessageId::Fields, "{0} 个字段"},
    {MessageId::FieldCount, "{0}，而表头有 {1} 个；该行略去"},
    {MessageId::MoreRowProblems, "还有更多行有问题；只列出前 {0} 个"},
    {MessageId::CatalogueNoSection, "{0}：没有名为 section 的列：供货规格表须在该列列出规格"},
    {MessageId::CatalogueEmpty, "{0}：供货规格表中没有规格"},
    {MessageId::CatalogueLine, "{0}:{1}: {2}"},

    {MessageId::OneRow, "{0} 行"},
    {MessageId::Rows, "{0} 行"},
    {MessageId::OneLine, "{0} 行"},
    {MessageId::Lines, "{0} 行"},
    {MessageId::SummaryWritten, "已写出 {0}"},
    {MessageId::SummaryRefused, "，其中 {0} 行不能计算"},
    {MessageId::SummaryLeftOut, "；略去 {0}"},
    {MessageId::SummaryUnread, "；第 {0} 至 {1} 行略去（引号未闭合）"},
    {MessageId::SummaryInvalid, "；{0}有不合 {1} 编码的字节"},

    {MessageId::CommandLineFault, "bracing-check：{0}（见 --help）"},
    {MessageId::UnknownOption, "没有 {0} 这个选项"},
    {MessageId::NeedsValue, "{0} 后面须有一个值"},
    {MessageId::OptionEmptyName, "{0}：文件名为空"},
    {MessageId::EmptyName, "文件名为空"},
    {MessageId::ReportToStandardOutput, "--report -：计算书须写入文件；请给出文件名"},
    {MessageId::ReportTwice, "--report：HTML 与 Word（.docx）计算书各至多一份，{0} 是第二份"},
    {MessageId::EncodingTakes, "--encoding 只能是 utf-8、gbk 或 utf-16，不能是 {0}"},
    {MessageId::SeparatorTakes, "--separator 只能是 ,、; 或 tab，不能是 {0}"},
    {MessageId::GradeTakes, "--grade 只能是 Q235、Q345 或 Q355，不能是 {0}"},
    {MessageId::MethodTakes, "--method 只能是 tension、compression 或 auto，不能是 {0}"},
    {MessageId::FamilyTakes, "--family 只能是 L、2L、2L+、tube 或 bar，不能是 {0}"},
    {MessageId::MillimetresTake, "{0} 须为毫米数，不小于 0，不能是 {1}"},
    {MessageId::LanguageTakes, "--lang 只能是 zh 或 en，不能是 {0}"},
    {MessageId::HeaderTakes, "--header 只能是 zh 或 en，不能是 {0}"},
    {MessageId::SecondInput, "至多一个输入文件，{0} 是第二个"},
    {MessageId::SectionsReadNoInput, "--sections 输出截面表，不读输入"},
    {MessageId::ProjectTwice, "--project 与 --project-file 不能同用"},
    {MessageId::ReportIsOutput, "--report 与 -o 是同一个文件：{0}"},
    {MessageId::ReportIsInput, "--report 是输入文件：{0}"},
    {MessageId::ReportsSame, "两个 --report 是同一个文件：{0}"},

    {MessageId::CannotOpen, "{0}：无法打开：{1}"},
    {MessageId::FileNotWritten, "{0}：无法写入：{1}"},
    {MessageId::IsDirectory, "{0}：是文件夹，不是可写的文件"},
    {MessageId::IsBlockDevice, "{0}：是块设备，不是可写的文件"},
    {MessageId::CannotWriteThere, "{0}：无法写在那里：{1}"},
    {MessageId::CannotCreate, "{0}：无法创建：{1}"},
    {MessageId::CannotCreateScratch, "{0}：无法创建其临时文件：{1}"},
    {MessageId::CannotRename, "{0}：无法改名为 {1}：{2}"},
    {MessageId::CannotReplace, "{0}：无法替换（{1}）；原文件不变，新结果在 {2}"},
    {MessageId::OpenElsewhere, "；是否在别的程序中打开？"},
    {MessageId::OtherName, "{0}：已替换；它的另外 {1} 个名称（硬链接）仍是旧内容"},
    {MessageId::OtherNames, "{0}：已替换；它的另外 {1} 个名称（硬链接）仍是旧内容"},
    {MessageId::ScratchNamesTaken, "临时文件的名称都已被占用"},
    {MessageId::NewNamesTaken, "{0} 及其前面的名称都已被占用"},
    {MessageId::InPlaceKept, "{0}：是输入文件，而输入并非每行都已写出（见上）；原文件不变，新结果在 {1}"},
    {MessageId::SheetKept, "{0}：原文件不变，与输出一样；新计算书在 {1}"},

    {MessageId::Written, "已写入：{0}"},
    {MessageId::NotWritten, "未写入：{0}（{1}）"},
    {MessageId::NothingChecked, "未验算"},
    {MessageId::NoUsableHeader, "表头不可用"},
    {MessageId::RunUnfinished, "运行未完成"},
    {MessageId::KeptAs, "新文件为 {0}"},
    {MessageId::Help, kHelp},
};
static_assert(InOrder(kChineseMessages), "one Chinese text for every message, in order");
