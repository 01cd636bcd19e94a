#include "design/families/families.h"
#include "batch/design_texts.h"
#include "batch/trimmed_text.h"
#include "report/html/tests/sheet_fixture.h"
#include "report/html/sheet_calc.h"
#include "report/html/sheet_sketch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const ExampleBay kWorked = {5, "", {"6", "8", "2", "20", "30"}, 0, 0, SteelGrade::Q235};
const ExampleBay kTooLight = {2, "A-1", {"6", "8", "2", "20", "30"}, 63, 6, SteelGrade::Q235};
const ExampleBay kTrial = {3, "T", {"6", "8", "2", "20", "30", "12", "3"}, 0, 0, SteelGrade::Q235};
const ExampleBay kNoHeight = {4, "C-3", {"0", "8", "2", "20", "30"}, 0, 0, SteelGrade::Q235};

std::string Sheet(const std::vector<ExampleBay>& bays, std::string_view project = "P",
                  bool designCheck = true) {
    SheetHeading heading;
    heading.project = project;
    heading.inputName = "bays.csv";
    heading.date = "2024-05-31";
    heading.version = "9.99";
    heading.designCheck = designCheck;
    std::FILE* file = std::tmpfile();
    EXPECT_TRUE(file != nullptr && WriteSheet(file, heading, bays));
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    return text;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The number in attribute `name` of the first element of class `kind`.
double Attribute(const std::string& svg, const std::string& kind, const std::string& name) {
    const std::size_t element = svg.find("class=\"" + kind + "\"");
    const std::size_t value = svg.find(name + "=\"", element) + name.size() + 2;
    return std::strtod(svg.c_str() + value, nullptr);
}

}  // namespace

TEST(Sheet, NamesFromTheInputAreEscaped) {
    ExampleBay named = kWorked;
    named.name = "N <i> & \"q\" 'r'\x01";
    const std::string sheet = Sheet({named}, "P <b> & \"q\"");
    EXPECT_EQ(sheet.find("<b>"), std::string::npos);
    EXPECT_EQ(sheet.find("<i>"), std::string::npos);
    // The title and the heading table; the summary and the page heading.
    EXPECT_EQ(Count(sheet, "P &lt;b&gt; &amp; &quot;q&quot;"), 2u);
    EXPECT_NE(sheet.find("<tr><th>输入文件</th><td>bays.csv</td></tr>\n"
                         "<tr><th>计算日期</th><td>2024-05-31</td></tr>\n"
                         "<tr><th>计算程序</th><td>柱间支撑计算(验算)程序 bracing-check V9.99</td></tr>"),
              std::string::npos);
    EXPECT_EQ(Count(sheet, "N &lt;i&gt; &amp; &quot;q&quot; &#39;r&#39;\xEF\xBF\xBD"), 2u);
}

TEST(Sheet, SketchIsDrawnToScale) {
    struct Case {
        double H, B;
        double heightOverWidth;  // as drawn
        bool toScale;
    };
    const Case cases[] = {
        {12, 3, 4.0, true},          // a tall bay is tall
        {3, 12, 0.25, true},
        {6, 8, 0.75, true},
        {1, 100, 1.0 / 30, false},   // a sliver would hide the diagonals
        {100, 1, 30.0, false},
    };
    for (const Case& c : cases) {
        BracingInputs in;
        in.H = c.H;
        in.B = c.B;
        std::string svg;
        AppendBaySketch(svg, in);
        const double width = Attribute(svg, "strut", "x2") - Attribute(svg, "strut", "x1");
        const double height = Attribute(svg, "diagonal", "y1") - Attribute(svg, "diagonal", "y2");
        EXPECT_NEAR(height / width, c.heightOverWidth, 0.01 * c.heightOverWidth) << c.H << "x" << c.B;
        EXPECT_EQ(svg.find("未按比例") == std::string::npos, c.toScale) << c.H << "x" << c.B;
    }
}

TEST(Sheet, RefusedBayIsInTheSummaryAndHasNoPage) {
    struct Case {
        ExampleBay refused;
        bool designCheck;
        const char* row;
    };
    ExampleBay refusedTrial = kNoHeight;
    refusedTrial.cells[5] = "12";
    refusedTrial.cells[6] = "3";
    const Case cases[] = {
        {kNoHeight, true, "<td class=\"num\">0</td><td class=\"num\">8</td><td class=\"refused\" "
                          "colspan=\"6\">参数不能为负数和零</td></tr>"},
        {refusedTrial, false, "<td class=\"num\">0</td><td class=\"num\">8</td><td class=\"refused\" "
                              "colspan=\"4\">参数不能为负数和零</td></tr>"},
    };
    for (const Case& c : cases) {
        ExampleBay accepted = c.designCheck ? kWorked : kTrial;
        const std::string sheet = Sheet({c.refused, accepted}, "P", c.designCheck);
        EXPECT_NE(sheet.find(c.row), std::string::npos) << c.designCheck;
        EXPECT_EQ(sheet.find("id=\"bay-4\""), std::string::npos);
        EXPECT_NE(sheet.find("id=\"bay-" + std::to_string(accepted.line) + "\""), std::string::npos);
        EXPECT_EQ(Count(sheet, "<p class=\"scope-line\">"), 1u);
        EXPECT_NE(sheet.find("有 49 个比此式所得低"), std::string::npos);  // the design basis
        EXPECT_NE(sheet.find(c.designCheck ? "共 2 个柱撑：满足 1 个，不满足 0 个（※，NG），未计算 1 个"
                                           : "共 2 个柱撑：已计算 1 个，未计算 1 个"),
                  std::string::npos);
    }
}

TEST(Sheet, BayPagesCarryResultsAndVerdicts) {
    ExampleBay q355 = kWorked;
    q355.grade = SteelGrade::Q355;
    ExampleBay hopeless = kWorked;
    hopeless.cells[4] = "100000";  // W, kN
    struct Case {
        const char* why;
        ExampleBay bay;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"worked by hand: the lightest passing angles and the lighter ones that fail",
         kWorked,
         {"= 10.000 × 25.000 / 8.000</td><td class=\"num\">= 31.250 kN",
          "= 0.5 × 10.000</td><td class=\"num\">= 5.000 m</td><td class=\"clause\">7.4.2</td>",
          "<td>L110x7</td><td class=\"num\">0.976</td><td>OK</td>",
          "<td>L180x12</td><td class=\"num\">0.930</td><td>OK</td>",
          "<tr><td>长细比 λ1 = max(λx, λy)</td><td class=\"num\">292.9</td><td class=\"num\">300</td>"
          "<td class=\"num\">0.976</td><td>满足</td><td class=\"clause\">表 7.4.7</td></tr>",
          "<tr><td>强度 σ1</td><td class=\"num\">20.56 N/mm²</td><td class=\"num\">182.75 N/mm²</td>"
          "<td class=\"num\">0.113</td><td>满足</td><td class=\"clause\">7.6.1</td></tr>",
          "<tr><td>稳定 σ2</td><td class=\"num\">13.19 N/mm²</td><td class=\"num\">215.00 N/mm²</td>"
          "<td class=\"num\">0.061</td><td>满足</td><td class=\"clause\">7.6.1、附录 D</td></tr>",
          "<tr><td>肢件宽厚比 w/t</td><td class=\"num\">13.00</td><td class=\"num\">22.44</td>"
          "<td class=\"num\">0.579</td><td>满足</td><td class=\"clause\">7.3.1</td></tr>",
          "b 类（表 7.2.1-1）：α1 = 0.65", "T+W = 50.000 kN</text>",
          "L110x7（自动选择） 满足要求（OK），长细比控制，比值 0.976",
          "次轻的 L80x10 不满足：长细比", "次轻的 L150x14 不满足：长细比"}},
        {"Q355: class a", q355, {"a 类（表 7.2.1-1）：α1 = 0.41"}},
        {"no angle passes: the last one tried, and why",
         hopeless,
         {"<td>按拉杆</td><td colspan=\"8\">没有满足要求的角钢</td>",
          "按拉杆设计，可选的角钢中没有满足要求的（NG）",
          "最后试算的 L250x35 不满足：强度 σ1 = ", "> 0.85·f = 174.25 N/mm²",
          "<td class=\"num\">174.25 N/mm²</td>",
          "<td></td><td class=\"num\"></td><td>NG</td>"}},
        {"a given angle too light: marked in the summary, not only by colour",
         kTooLight,
         {"<tr class=\"ng\"><td class=\"mark\">※</td>", "<td>L63x6</td><td class=\"num\">1.728</td><td>NG</td>",
          "<td class=\"fail\">不满足</td>", "L63x6 不满足要求（NG），长细比控制，比值 1.728"}},
    };
    for (const Case& c : cases) {
        const std::string sheet = Sheet({c.bay});
        for (const std::string& text : c.texts) {
            EXPECT_NE(sheet.find(text), std::string::npos) << c.why << ": " << text;
        }
    }
}

TEST(Sheet, TrialSectionPageShowsTheDialogsFifteenResults) {
    PreparedBay trial;
    Prepare(kTrial, trial);
    const std::string sheet = Sheet({kTrial}, "P", false);
    EXPECT_NE(sheet.find("<td class=\"num\">31.250</td><td class=\"num\">26.04</td>"
                         "<td class=\"num\">0.1403</td><td class=\"num\">92.81</td></tr>"),
              std::string::npos);  // N1, f1, u and f2 in the summary
    for (const ResultRow& row : kResultRows) {
        const std::string unit = *row.unit == '\0' ? "" : " " + UnitText(row.unit);
        const std::string result = std::string("<td class=\"num\">= ") +
                                   TrimmedText(FormatResultRow(row, trial.bay.results)) + unit + "</td>";
        EXPECT_NE(sheet.find(result), std::string::npos) << row.symbol;
    }
}

TEST(Sheet, EveryPageComesThroughTheSpool) {
    // Far more than one copy block of pages.
    const std::vector<ExampleBay> bays(40, kWorked);
    const std::string sheet = Sheet(bays);
    EXPECT_EQ(Count(sheet, "<section class=\"bay\""), 40u);
    EXPECT_EQ(sheet.substr(sheet.size() - 8), "</html>\n");
}

TEST(Sheet, FailedWriteIsReported) {
    const char* const path = "sheet_read_only.tmp";
    std::FILE* made = std::fopen(path, "wb");
    ASSERT_TRUE(made != nullptr && std::fclose(made) == 0);
    std::FILE* readOnly = std::fopen(path, "rb");  // no write gets through
    std::FILE* spool = std::tmpfile();
    ASSERT_TRUE(readOnly != nullptr && spool != nullptr);
    SheetWriter writer(readOnly, spool, SheetHeading());
    EXPECT_FALSE(writer.Finish());
    std::fclose(readOnly);
    std::fclose(spool);
    std::remove(path);
}

TEST(DesignTexts, ColumnsAndCells) {
    std::string names;
    for (const auto& column : kTensionColumns) {
        names += std::string(column.name) + ",";
    }
    for (const auto& column : kCompressionColumns) {
        names += std::string(column.name) + ",";
    }
    EXPECT_EQ(names, "section1,lambda1,limit1,stress1,ratio1,ok1,section2,lambda2,limit2,phi2,"
                     "eta2,rho2,stress2,ratio2,ok2,");

    const SectionFamily& angles = FamilyOf(SectionFamilyId::EqualAngle);
    const Section& l63x6 = *angles.find(63, 6);
    BracingResults bay;
    ASSERT_TRUE(ComputeBracing(BracingInputs{6, 8, 2, 20, 30, 0, 0}, bay));
    const DesignCheck check =
        angles.check(DesignCaseKind::Compression, bay, l63x6, SteelGrade::Q235, 150);
    std::string cells, empty;
    for (const auto& column : kCompressionColumns) {
        cells += DesignCellText(column, &l63x6, check) + ",";
        empty += DesignCellText(column, nullptr, check) + ",";
    }
    EXPECT_EQ(cells, "L63x6,403.3,150,0.050,1.000,1.000,431.53,2.688,NG,");
    EXPECT_EQ(empty, ",,,,,,,,NG,");  // no angle passes

    EXPECT_STREQ(ShortestText(0.889, 3).chars, "0.889");
    EXPECT_STREQ(ShortestText(34, 3).chars, "34");
    EXPECT_STREQ(ShortestText(5.4, 3).chars, "5.4");
}
