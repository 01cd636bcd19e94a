#include "report/html/sheet_texts.h"

const char* const kSheetStyle = R"(<style>
@page {
  size: A4 portrait;
  margin: 16mm 15mm 18mm 20mm;
  @bottom-center { content: "第 " counter(page) " 页 共 " counter(pages) " 页"; font-size: 9pt; }
}
html { font-family: SimSun, "Songti SC", "Noto Serif CJK SC", "Microsoft YaHei",
  "WenQuanYi Micro Hei", serif; font-size: 10pt; color: #000; background: #fff; }
body { margin: 0 auto; max-width: 175mm; }
h1 { font-size: 22pt; text-align: center; letter-spacing: 0.3em; margin: 10mm 0 8mm; }
h2 { font-size: 13pt; border-bottom: 1pt solid #000; margin: 6mm 0 2mm; padding-bottom: 1mm; }
h3 { font-size: 11pt; margin: 4mm 0 1.5mm; }
h2, h3 { break-after: avoid; page-break-after: avoid; }
h1, h2, h3, th, td { overflow-wrap: anywhere; }
table { border-collapse: collapse; width: 100%; margin: 1mm 0 2mm; }
th, td { border: 0.5pt solid #444; padding: 0.8mm 1.5mm; text-align: left; vertical-align: top; }
th { font-weight: bold; background: #eee; }
thead { display: table-header-group; }
tr, figure, .keep { break-inside: avoid; page-break-inside: avoid; }
.num { text-align: right; }
.steps { table-layout: fixed; font-size: 9.5pt; }
.steps td { border: none; border-bottom: 0.3pt dotted #888; padding: 0.5mm 1mm; }
.steps .formula { width: 36%; }
.steps .numbers { width: 38%; }
.steps .result { width: 16%; }
.steps td.clause, td.clause { font-size: 8.5pt; }
.meta th { width: 25mm; }
.sign { width: 100%; margin-top: 6mm; }
.sign th { background: none; border: none; width: 12mm; }
.sign td { border: none; border-bottom: 0.5pt solid #000; height: 9mm; }
.summary td, .summary th { font-size: 9pt; }
.summary .mark { width: 4mm; text-align: center; font-weight: bold; }
tr.ng td { font-weight: bold; background: #ddd; }
tr.ng, th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
.fail { font-weight: bold; text-decoration: underline; }
.refused { font-style: italic; }
.incomplete { font-weight: bold; border: 1pt solid #000; padding: 1mm 2mm; }
section.bay { break-before: page; page-break-before: always; }
.bay h2 { margin-top: 0; }
.scope-line { font-size: 8.5pt; border: 0.5pt solid #444; padding: 1mm 2mm; margin: 0 0 3mm; }
.top { display: flex; gap: 5mm; align-items: flex-start; }
.top figure { margin: 0; flex: 0 0 85mm; }
.top figcaption { font-size: 8.5pt; text-align: center; }
.top table { flex: 1 1 auto; }
svg { width: 85mm; height: auto; }
svg line { stroke: #000; }
svg .column { stroke-width: 4; }
svg .strut { stroke-width: 2.5; }
svg .diagonal { stroke-width: 1.5; }
svg .ground { stroke-width: 1; }
svg .dim, svg .tick { stroke-width: 0.6; }
svg .load { stroke-width: 2; fill: #000; }
svg text { font-size: 14px; font-family: inherit; }
a { color: inherit; text-decoration: none; }
.conclusion { margin: 1.5mm 0 1mm; font-weight: bold; }
.note { margin: 0 0 2mm; }
@media screen {
  body { padding: 8mm; }
  section.bay { border-top: 1px dashed #888; margin-top: 10mm; padding-top: 6mm; }
}
</style>
)";

const char* const kDesignBasis =
    "<ol>\n"
    "<li>GB 50017-2017《钢结构设计标准》：强度设计值 表 4.4.1（Q355 按 GB 55006-2021，"
    "与表 4.4.1 中 Q345 相同）；交叉斜杆的计算长度 7.4.2；容许长细比 表 7.4.6（及 7.4.6 第 2 款）、"
    "表 7.4.7；宽厚比 7.3.1；单边连接的单角钢 7.6.1、7.6.2、7.6.3；稳定系数 附录 D。</li>\n"
    "<li>风荷载与吊车刹车力均可沿纵向任一方向作用，故取 P = (|W| + |T|)/n，斜杆按两者同向设计。"
    "两种工况均验算；按设计方法采用一种：按拉杆设计（受压斜杆视为退出工作，7.4.7 第 6 款）、"
    "按压杆设计，或自动取两者中每米质量较轻的满足者（相同时取按压杆）。</li>\n"
    "<li>GB/T 706-2016《热轧型钢》：等边角钢的尺寸；截面面积、回转半径由公称尺寸计算。</li>\n"
    "<li>斜杆为单角钢，以一肢连接于节点板。稳定系数 φ 按附录 D 的公式计算："
    "Q235 取 b 类截面，Q345、Q355 取 a 类截面（表 7.2.1-1，轧制等边角钢）。"
    "正则化长细比取 λn = λ·√(fy/235)/93.014，即 2003 版规范的归一化（π 取精确值），"
    "与对话框程序相同；2017 版附录 D 的 φ 表在其 251 个值中有 49 个比此式所得低，"
    "相差不超过 0.001。</li>\n"
    "<li>压杆平面外计算长度取 0.7·L（另一斜杆不受力时的情形）；一拉一压时 7.4.2 允许取 0.5·L，"
    "故偏于安全。单边连接的单角钢交叉斜杆由 7.4.2 第 2 款按 7.6.2 取等效长细比 λ0"
    "（另杆受拉 αe = 0.75，μu = 0.5，l1 = l/2），φ 取 λ2 与 λ0·εk 中较大者。"
    "宽厚比限值不用 7.3.2 的放宽。</li>\n"
    "<li>判断用未经舍入的数值，表中数字为舍入后的显示值。</li>\n"
    "</ol>\n";

const char* const kDialogBasis =
    "<ol>\n"
    "<li>GB 50017-2017《钢结构设计标准》：稳定系数按附录 D 的公式，b 类截面。</li>\n"
    "<li>需要回转半径按容许长细比 400（拉杆）和 150（压杆）计算；截面积 A 与回转半径 i "
    "为输入的试算值。与对话框程序的计算和显示相同。</li>\n"
    "<li>正则化长细比取 λn = λ/93.014（2003 版规范的归一化，π 取精确值）；"
    "2017 版附录 D 的 φ 表在其 251 个值中有 49 个比此式所得低，相差不超过 0.001。</li>\n"
    "</ol>\n";

const char* const kScopeLine =
    "<p class=\"scope-line\">本计算书未验算连接与净截面，未考虑抗震验算，未作荷载组合"
    "（W、T 按输入的设计值），详见末页“适用范围”。</p>\n";

const char* const kScopeInFull =
    "<section class=\"closing keep\">\n<h2>适用范围</h2>\n<ol>\n"
    "<li>斜杆按单根等边角钢、一肢连接于节点板的交叉支撑计算。</li>\n"
    "<li>未验算连接（焊缝、螺栓、节点板）及净截面（孔洞削弱）。</li>\n"
    "<li>未考虑抗震验算：位于抗震设防地区时，GB 50011 对支撑的长细比、宽厚比及连接另有规定，"
    "须另行验算。</li>\n"
    "<li>未作荷载组合：风荷载 W 与吊车刹车力 T 取输入值作为设计值，未乘分项系数或组合系数。</li>\n"
    "</ol>\n</section>\n";
