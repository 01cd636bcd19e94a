#include "report/html/sheet_style.h"

const char* const kSheetStyle = R"(<style>
@page {
  size: A4 portrait;
  margin: 12mm 15mm 15mm 20mm;
  @bottom-center { content: "第 " counter(page) " 页 共 " counter(pages) " 页"; font-size: 9pt; }
}
html { font-family: SimSun, "Songti SC", "Noto Serif CJK SC", "Microsoft YaHei",
  "WenQuanYi Micro Hei", serif; font-size: 10pt; color: #000; background: #fff; }
body { margin: 0 auto; max-width: 175mm; }
h1 { font-size: 22pt; text-align: center; letter-spacing: 0.3em; margin: 10mm 0 8mm; }
h2 { font-size: 13pt; border-bottom: 1pt solid #000; margin: 6mm 0 2mm; padding-bottom: 1mm; }
h3 { font-size: 10.5pt; margin: 2mm 0 0.8mm; }
h2, h3 { break-after: avoid; page-break-after: avoid; }
h1, h2, h3, th, td { overflow-wrap: anywhere; }
table { border-collapse: collapse; width: 100%; margin: 0.8mm 0 1mm; }
th, td { border: 0.5pt solid #444; padding: 0.4mm 1.2mm; text-align: left; vertical-align: top; line-height: 1.15; }
th { font-weight: bold; background: #eee; }
thead { display: table-header-group; }
tr, figure, .keep, table.criteria { break-inside: avoid; page-break-inside: avoid; }
.num { text-align: right; }
.steps { table-layout: fixed; font-size: 9pt; }
.steps td { border: none; border-bottom: 0.3pt dotted #888; padding: 0.2mm 1mm; }
.steps .formula { width: 32%; }
.steps .numbers { width: 36%; }
.steps .result { width: 18%; }
.steps td.clause, td.clause { font-size: 8pt; }
.meta th { width: 25mm; }
.sign { width: 100%; margin-top: 6mm; }
.sign th { background: none; border: none; width: 12mm; }
.sign td { border: none; border-bottom: 0.5pt solid #000; height: 9mm; }
.summary td, .summary th { font-size: 9pt; }
.summary .mark { width: 4mm; text-align: center; font-weight: bold; }
/* The program's results keep to a line; the input's texts may wrap. */
.summary td:nth-child(n+6) { white-space: nowrap; }
/* A line number is never split, nor the two characters of 结论. */
.summary td:nth-child(2), .summary th:last-child { white-space: nowrap; }
.summary td.refused { white-space: normal; }
tr.ng td { font-weight: bold; background: #ddd; }
tr.ng, th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
.fail { font-weight: bold; text-decoration: underline; }
.refused { font-style: italic; }
.incomplete { font-weight: bold; border: 1pt solid #000; padding: 1mm 2mm; }
section.bay, section.closing { break-before: page; page-break-before: always; }
table.running { margin: 0; }
table.running > * > tr { break-inside: auto; page-break-inside: auto; }
table.running > * > tr > td { border: none; padding: 0; }
table.running > thead td { display: flex; justify-content: space-between; gap: 4mm; font-size: 8.5pt;
  border-bottom: 0.5pt solid #000; padding-bottom: 0.5mm; margin-bottom: 1.5mm; }
.bay h2 { margin-top: 0; }
h2 small.line { font-size: 9pt; font-weight: normal; }
.scope-line { font-size: 8.5pt; border: 0.5pt solid #444; padding: 0.6mm 2mm; margin: 0 0 1.5mm; }
.top { display: flex; gap: 5mm; align-items: flex-start; }
.top figure { margin: 0; flex: 0 0 62mm; }
.top .figures { flex: 0 0 62mm; }
.top .tables { flex: 1 1 auto; min-width: 0; }
.top h3 { margin-top: 1.5mm; }
.top .steps .formula { width: 27%; }
.top .steps .numbers { width: 45%; }
.top .steps .result { width: 19%; }
.top .steps { font-size: 8.5pt; }
.top .steps td.num { white-space: nowrap; }
.inputs th { width: 6mm; white-space: nowrap; }
.inputs td:first-of-type { white-space: nowrap; }
.figures figure + figure { margin-top: 2mm; }
.top figcaption { font-size: 8.5pt; text-align: center; }
.inputs td:last-child { white-space: nowrap; }
.inputs, .criteria, .properties { font-size: 9pt; }
svg { width: 62mm; height: auto; }
svg line { stroke: #000; }
svg .column { stroke-width: 4; }
svg .strut { stroke-width: 2.5; }
svg .diagonal { stroke-width: 1.5; }
svg .ground { stroke-width: 1; }
svg .dim, svg .tick { stroke-width: 0.6; }
svg .load { stroke-width: 2; fill: #000; }
svg .section { fill: #ccc; stroke: #000; stroke-width: 1; }
svg .bore { fill: #fff; stroke: #000; stroke-width: 1; }
svg .gusset { fill: #666; stroke: #000; stroke-width: 0.6; }
svg .axis { stroke-width: 0.6; stroke-dasharray: 10px 3px 2px 3px; }
svg .leader { stroke-width: 0.6; }
svg text { font-family: inherit; }
a { color: inherit; text-decoration: none; }
.conclusion { margin: 1mm 0 0.5mm; font-weight: bold; }
.note { margin: 0 0 1mm; }
@media screen {
  body { padding: 8mm; }
  section.bay { border-top: 1px dashed #888; margin-top: 10mm; padding-top: 6mm; }
}
</style>
)";
