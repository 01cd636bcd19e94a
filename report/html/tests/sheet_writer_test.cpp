#include "report/csv/tests/checked_text.h"
#include "io/tests/read_back.h"
#include "design/families/families.h"
#include "batch/design_texts.h"
#include "report/html/html_sheet.h"
#include "report/html/tests/sheet_document.h"
#include "report/report_words.h"
#include "report/tests/report_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <sstream>
#include <string>

namespace {

// The sheet of `bays`, written through a spool as the program does, and
// parsed; the test fails where it is not well-formed.
Element Sheet(const std::vector<ExampleBay>& bays, std::string_view project = "P") {
    const ReportHeading heading{project, "GJ-7", "bays.csv", "2024-05-31", "9.99"};
    std::FILE* file = std::tmpfile();
    std::FILE* spool = std::tmpfile();
    EXPECT_TRUE(file != nullptr && spool != nullptr);
    HtmlSheet html(file, spool);
    EXPECT_TRUE(Report(html, bays, true, heading));
    std::fclose(spool);
    return ParseSheet(ReadBack(file));
}

// The sheet the run writes of `input`.
Element SheetOfRun(const std::string& input) {
    std::FILE* file = std::tmpfile();
    std::FILE* spool = std::tmpfile();
    HtmlSheet html(file, spool);
    ReportSink sink(html, ReportHeading());
    CheckOptions options;
    options.sheet = &sink;
    CheckText(input, options);
    std::fclose(spool);
    return ParseSheet(ReadBack(file));
}

// The rows of the first table of class `kind` in `part`, each as "a|b|c".
std::vector<std::string> Rows(const Element& part, const std::string& kind) {
    std::vector<std::string> rows;
    const auto tables = part.All("table", kind);
    if (!tables.empty()) {
        const auto all = tables[0]->All("tr");
        std::transform(all.begin(), all.end(), std::back_inserter(rows), [](const Element* row) { return row->Cells(); });
    }
    return rows;
}

// Columns a row takes, its spans counted.
int Width(const Element& row) {
    return std::accumulate(row.children.begin(), row.children.end(), 0, [](int width, const Element& cell) {
        return width + (cell.Attribute("colspan").empty() ? 1 : std::stoi(cell.Attribute("colspan")));
    });
}

}  // namespace

TEST(Sheet, EveryTextFromTheInputIsValidVisibleAndIsolated) {
    const std::string rlo = "\u202E", pdf = "\u202C", rli = "\u2067", pdi = "\u2069";
    struct Case {
        const char* why;
        std::string typed;  // as the project and the bay's name
        std::string shown;
    };
    const Case cases[] = {
        {"markup is text", "N <i> & \"q\" 'r'", "N <i> & \"q\" 'r'"},
        {"bytes not UTF-8", "\xFF\xFE" "a\xE4\xB8", "\uFFFD\uFFFDa\uFFFD\uFFFD"},
        {"C0 and C1 controls as standard error writes them", "a\x1B[2Jb\tc\n\xC2\x9B", "a\\x1B[2Jb\\x09c\\x0A\\x9B"},
        {"an override left open is closed inside the name", "abc" + rlo, "abc" + rlo + pdf},
        {"a closer of nothing is dropped", pdi + "x" + pdf, "x"},
        {"an isolate closes what it holds", rli + "a" + rlo + "b" + pdi + "c", rli + "a" + rlo + "b" + pdi + "c"},
        {"1,000 characters are shown whole", Repeat("x", 1000), Repeat("x", 1000)},
        {"longer: cut to 200", Repeat("x", 1001), Repeat("x", 200) + "…"},
        {"characters, not bytes", Repeat("柱", 1001), Repeat("柱", 200) + "…"},
    };
    for (const Case& c : cases) {
        ExampleBay named = kWorked;
        named.name = c.typed.c_str();
        const Element sheet = Sheet({named}, c.typed);
        EXPECT_EQ(sheet.All("i").size(), 0u) << c.why;
        EXPECT_EQ(sheet.All("title")[0]->text, "\u2068" + c.shown + "\u2069 柱间支撑计算书") << c.why;
        // The heading table, the summary, the bay's page; the running head of
        // the front, the bay's page (project and bay) and the closing page.
        const auto bdis = sheet.All("bdi");
        EXPECT_EQ(std::count_if(bdis.begin(), bdis.end(), [&](const Element* bdi) { return bdi->text == c.shown; }), 7)
            << c.why;
        EXPECT_EQ(Rows(sheet, "meta")[0], "工程名称|" + c.shown) << c.why;
        EXPECT_EQ(sheet.All("h1")[0]->text, "柱间支撑计算书") << c.why;
    }
    const Element sheet = Sheet({kWorked});
    EXPECT_EQ(Rows(sheet, "meta"),
              (std::vector<std::string>{"工程名称|P", "工程编号|GJ-7", "计算日期|2024-05-31",
                                        "计算程序|柱间支撑计算(验算)程序 bracing-check V9.99", "输入文件|bays.csv"}));
    // Four sign, the approver last.
    EXPECT_EQ(Rows(sheet, "sign"), (std::vector<std::string>{"设计||日期|", "校对||日期|", "审核||日期|", "审定||日期|"}));
}

TEST(Sheet, SummaryLinksEveryPageAndEachPageHasItsParts) {
    for (const SheetRun& c : kSheetRuns) {
        const Element sheet = SheetOfRun(c.input);
        const bool design = c.input.find(",section") != std::string::npos;
        const auto summary = sheet.All("table", "summary");
        ASSERT_EQ(summary.size(), 1u) << c.why;
        const Element& head = *summary[0]->All("thead")[0]->All("tr")[0];
        const int columns = Width(head);
        // Headed as the CSV's --header zh heads the same results.
        EXPECT_EQ(head.Cells(), design ? "|行|柱撑|H (m)|B (m)|拉杆截面|拉杆验算比|压杆截面|压杆验算比|采用设计|采用截面|每米重量(kg/m)|结论"
                                       : "|行|柱撑|H (m)|B (m)|斜杆内力N1(kN)|拉应力f1(N/mm2)|稳定系数φ|压应力f2(N/mm2)")
            << c.why;
        std::vector<std::string> links;
        std::size_t marked = 0;
        for (const Element* row : summary[0]->All("tbody")[0]->All("tr")) {
            EXPECT_EQ(Width(*row), columns) << c.why << ": " << row->Cells();
            // The line and the numbers align right, the bay's name and the verdicts do not.
            std::string aligned;
            for (const Element& cell : row->children) {
                aligned += cell.Is("td", "num") ? "n" : cell.Is("td", "refused") ? "r" : "-";
            }
            EXPECT_TRUE(aligned == "-nr" || aligned == "-n-nnr" || aligned == (design ? "-n-nn-n-n--n-" : "-n-nnnnnn"))
                << c.why << ": " << aligned;
            const bool ng = row->Is("tr", "ng");
            EXPECT_EQ(row->children[0].text, ng ? "※" : "") << c.why;  // NG is marked, not only by colour
            marked += ng;
            const auto anchors = row->All("a");
            std::transform(anchors.begin(), anchors.end(), std::back_inserter(links),
                           [](const Element* link) { return link->Attribute("href"); });
        }
        EXPECT_EQ(marked, c.marked) << c.why;
        std::vector<std::string> ids;
        for (const Element* page : sheet.All("section", "bay")) {
            ids.push_back(page->Attribute("id"));
            ASSERT_GE(links.size(), ids.size()) << c.why << ": no link to " << ids.back();
            EXPECT_EQ(links[ids.size() - 1], "#" + ids.back()) << c.why;
            EXPECT_EQ(page->All("h2").size(), 1u) << c.why;
            // The bay's name, its line in small print beside it.
            EXPECT_EQ(page->All("h2")[0]->All("small", "line")[0]->text, "（第 " + ids.back().substr(4) + " 行）") << c.why;
            EXPECT_EQ(page->All("p", "scope-line").size(), 1u) << c.why;
            EXPECT_EQ(page->All("figure")[0]->All("svg").size(), 1u) << c.why;
            EXPECT_EQ(page->All("figcaption")[0]->text, "柱撑示意图（按比例）") << c.why;
            for (const char* kind : {"inputs", "properties", "criteria"}) {  // every row as wide as the table
                for (const Element* table : page->All("table", kind)) {
                    for (const Element* row : table->All("tr")) {
                        EXPECT_EQ(Width(*row), std::string(kind) == "inputs" ? 4 : kind[0] == 'p' ? 9 : 6)
                            << c.why << ": " << kind << " " << row->Cells();
                    }
                }
            }
            EXPECT_EQ(Rows(*page, "inputs").size(), design ? 11u : 8u) << c.why;  // head, inputs, grade, method, cranes, limits
            // steps, properties and the two design cases, led by the adopted design
            EXPECT_EQ(page->All("h3").size(), design ? 4u : 1u) << c.why;
            if (design) {
                EXPECT_EQ(page->All("p", "conclusion")[0]->text.rfind("采用的设计：", 0), 0u) << c.why;
            }
            for (const Element* table : page->All("table", "criteria")) {
                for (const Element* row : table->All("tbody")[0]->All("tr")) {
                    const bool fail = row->children[4].Is("td", "fail");
                    EXPECT_EQ(row->children[4].text, fail ? "不满足" : "满足") << c.why;
                }
            }
        }
        EXPECT_EQ(ids, c.pages) << c.why;
        EXPECT_EQ(sheet.All("p", "count").size(), 1u) << c.why;
        // A reviewer has no dialog to compare with: the basis says how φ is found, and what is not checked.
        EXPECT_EQ(sheet.text.find("对话框"), std::string::npos) << c.why;
        const std::string basis = sheet.All("ol")[0]->text;
        for (const char* said : {"附录 D", "表 7.2.1-1", "λn = (λ/π)·√(fy/E)", "未验算连接与净截面"}) {
            EXPECT_NE(basis.find(said), std::string::npos) << c.why << ": " << said;
        }
        EXPECT_EQ(sheet.All("p", "incomplete").size(), c.incomplete ? 1u : 0u) << c.why;
        EXPECT_EQ(sheet.All("section", "closing").size(), 1u) << c.why;
        EXPECT_EQ(sheet.children[0].children.back().children.back().Attribute("class"), "closing keep") << c.why;
    }
    // The page prints what the model says, row by row.
    KeptReport kept;
    Report(kept, {kWorked});
    const BayPage& model = kept.pages[0];
    const Element worked = Sheet({kWorked});
    const Element* printed = worked.All("section", "bay")[0];
    std::vector<std::string> inputs = {model.inputsHeading}, steps;
    std::transform(model.inputs.begin(), model.inputs.end(), std::back_inserter(inputs), [](const InputRow& row) {
        return row.symbol + "|" + row.name + "|" + row.value.text + "|" + row.unit;
    });
    std::transform(model.steps.begin(), model.steps.end(), std::back_inserter(steps), [](const Step& step) {
        return step.formula + "|" + (step.numbers.empty() ? "" : "= " + step.numbers) + "|= " + step.result +
               (step.unit.empty() ? "" : " " + step.unit) + "|" + step.clause;
    });
    EXPECT_EQ(Rows(*printed, "inputs"), inputs);
    EXPECT_EQ(Rows(*printed, "steps"), steps);
    EXPECT_EQ(worked.All("section", "closing")[0]->All("li").size(), 5u);
    // The angle no one passes: a line of its own over the property columns, and NG criteria flagged.
    const Element hopeless = SheetOfRun("bay,H,B,n,T,W,section\nnone,6,8,2,20,100000,\n");
    const Element* page = hopeless.All("section", "bay")[0];
    EXPECT_EQ(Rows(*page, "properties")[1], "按拉杆|没有满足要求的角钢");
    EXPECT_EQ(page->All("td", "fail").size(), 2u) << "the strength of the last angles tried";
}

TEST(Sheet, SectionSketchPrintsEveryMarkOfItsModel) {
    // A path as a polygon through its points, a circle by centre and
    // radius, a line by its ends, to the tenth the SVG writes; a page
    // without a section (A and i typed) keeps its one figure.
    const ExampleBay cross = {5, "", {"6", "8", "2", "20", "30"}, 100, 6, SteelGrade::Q235, SectionFamilyId::DoubleAngleCross};
    const ExampleBay tube = {6, "", {"6", "8", "2", "20", "30"}, 89, 4, SteelGrade::Q235, SectionFamilyId::Tube};
    KeptReport model;
    Report(model, {cross, tube});
    const Element sheet = Sheet({cross, tube});
    const auto pages = sheet.All("section", "bay");
    ASSERT_EQ(pages.size(), 2u);
    const auto near = [](double a, double b) { return std::abs(a - b) <= 0.05 + 1e-9; };
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto figures = pages[p]->All("figure");
        ASSERT_EQ(figures.size(), 2u);
        EXPECT_EQ(figures[1]->All("figcaption")[0]->text, "截面示意图（按比例）");
        const std::vector<Element>& printed = figures[1]->All("svg")[0]->children;
        const std::vector<SketchMark>& marks = model.pages[p].sectionSketch.marks;
        ASSERT_EQ(printed.size(), marks.size());
        for (std::size_t k = 0; k < marks.size(); ++k) {
            const SketchMark& m = marks[k];
            const Element& e = printed[k];
            const std::string why = std::to_string(p) + ":" + std::to_string(k) + " " + e.tag;
            if (m.kind == MarkKind::Path) {
                std::istringstream points(e.Attribute("points"));
                std::vector<SketchPoint> read;
                for (double x = 0, y = 0; points >> x && points.ignore(1) && points >> y;) read.push_back({x, y});
                EXPECT_TRUE(e.Is("polygon", m.style) && read.size() == m.points.size()) << why;
                for (std::size_t q = 0; q < read.size() && q < m.points.size(); ++q) {
                    EXPECT_TRUE(near(read[q].x, m.points[q].x) && near(read[q].y, m.points[q].y)) << why;
                }
            } else if (m.kind == MarkKind::Circle) {
                EXPECT_TRUE(e.Is("circle", m.style) && near(e.Number("cx"), m.x[0]) && near(e.Number("cy"), m.y[0]) &&
                            near(e.Number("r"), m.radius)) << why;
            } else if (m.kind == MarkKind::Line) {
                EXPECT_TRUE(e.Is("line", m.style) && near(e.Number("x1"), m.x[0]) && near(e.Number("y2"), m.y[1])) << why;
            } else {
                EXPECT_TRUE(e.Is("text") && e.text == m.text) << why;
            }
        }
    }
    EXPECT_EQ(SheetOfRun("bay,H,B,n,T,W,A,i\nt,6,8,2,20,30,12,3\n").All("figure").size(), 1u);
}

TEST(Sheet, EveryPageComesThroughTheSpoolAndAFailedWriteIsReported) {
    const Element sheet = Sheet(std::vector<ExampleBay>(40, kWorked));  // far more than one copy block
    EXPECT_EQ(sheet.All("section", "bay").size(), 40u);
    EXPECT_EQ(sheet.All("section", "closing").size(), 1u);
    const char* const path = "sheet_read_only.tmp";
    std::FILE* made = std::fopen(path, "wb");
    ASSERT_TRUE(made != nullptr && std::fclose(made) == 0);
    std::FILE* readOnly = std::fopen(path, "rb");  // no write gets through
    std::FILE* spool = std::tmpfile();
    ASSERT_TRUE(readOnly != nullptr && spool != nullptr);
    EXPECT_FALSE(HtmlSheet(readOnly, spool).Finish(kScopeInFull));
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
    for (const auto& column : kAdoptedColumns) {
        names += std::string(column.name) + ",";
    }
    EXPECT_EQ(names, "section1,lambda1,limit1,stress1,ratio1,ok1,section2,lambda2,limit2,lambda_phi2,"
                     "phi2,eta2,rho2,stress2,ratio2,ok2,adopted,adopted_section,mass,ok,");

    const SectionFamily& angles = FamilyOf(SectionFamilyId::EqualAngle);
    Section l63x6{};
    ASSERT_TRUE(angles.make(63, 6, l63x6));
    BracingResults bay;
    ASSERT_TRUE(ComputeBracing(BracingInputs{6, 8, 2, 20, 30, 0, 0}, bay));
    const DesignCheck check =
        angles.check(DesignCaseKind::Compression, bay, l63x6, DesignRequest{SteelGrade::Q235, {{400}, {150}}});
    std::string cells, empty;
    for (const auto& column : kCompressionColumns) {
        cells += DesignCellText(column, &l63x6, check) + ",";
        empty += DesignCellText(column, nullptr, check) + ",";
    }
    EXPECT_EQ(cells, "L63x6,403.3,150,403.3,0.050,1.000,1.000,431.53,2.688,NG,");
    EXPECT_EQ(empty, ",,,,,,,,,NG,");  // no angle passes
    // The adopted design's cells: the mass as GB/T 706 prints it, to three
    // decimals; all empty but ok when nothing is adopted.
    BayDesign design;
    design.tension.section = &l63x6;
    design.tension.check.ok = true;
    std::string adopted, none;
    for (const auto& column : kAdoptedColumns) {
        design.adopted = AdoptedCase::Tension;
        column.append(adopted += ",", design);
        design.adopted = AdoptedCase::None;
        column.append(none += ",", design);
    }
    EXPECT_EQ(adopted, ",tension,L63x6,5.720,OK");
    EXPECT_EQ(none, ",,,,NG");
}
