#include "report/docx/docx_sheet.h"

#include "io/tests/read_back.h"
#include "io/tests/stored_zip.h"
#include "report/csv/tests/checked_text.h"
#include "report/docx/docx_text.h"
#include "report/docx/tests/docx_document.h"
#include "report/report_words.h"
#include "report/tests/report_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>

namespace {

// Every part of the package, parsed: the test fails where one is not well-formed.
using Parts = std::map<std::string, XmlElement>;

// The sheet as DocxSheet writes it, spooled as the program does, by `write`.
template <typename Write>
Parts Package(Write write) {
    std::FILE* file = std::tmpfile();
    std::FILE* body = std::tmpfile();
    std::FILE* pages = std::tmpfile();
    EXPECT_TRUE(file != nullptr && body != nullptr && pages != nullptr);
    {
        DocxSheet docx(file, body, pages);
        write(docx);
    }
    std::fclose(body);
    std::fclose(pages);
    Parts parts;
    for (const auto& entry : StoredEntries(ReadBack(file))) {
        parts[entry.first] = ParseXml(entry.second);
    }
    return parts;
}

Parts Sheet(const std::vector<ExampleBay>& bays, std::string_view project = "P") {
    const ReportHeading heading{project, "GJ-7", "bays.csv", "2024-05-31", "9.99"};
    return Package([&](DocxSheet& docx) { EXPECT_TRUE(Report(docx, bays, true, heading)); });
}

Parts SheetOfRun(const std::string& input) {
    return Package([&](DocxSheet& docx) {
        ReportSink sink(docx, ReportHeading());
        CheckOptions options;
        options.sheet = &sink;
        CheckText(input, options);
    });
}

const XmlElement& Body(const Parts& parts) { return parts.at("word/document.xml").children.at(0); }

// The style of a paragraph; empty for Normal.
std::string StyleOf(const XmlElement& paragraph) {
    const auto styles = paragraph.All("w:pStyle");
    return styles.empty() ? std::string() : styles[0]->Attribute("w:val");
}

// The top-level tables whose header row reads `header`, each as its rows' cells.
std::vector<std::vector<std::string>> Tables(const XmlElement& in, const std::string& header) {
    std::vector<std::vector<std::string>> tables;
    for (const XmlElement* table : in.All("w:tbl")) {
        const auto rows = table->All("w:tr");
        if (!rows.empty() && rows[0]->Cells() == header) {
            tables.emplace_back();
            for (const XmlElement* row : rows) {
                tables.back().push_back(row->Cells());
            }
        }
    }
    return tables;
}

// Columns of a table's grid, and those a row takes, spans counted.
std::size_t GridColumns(const XmlElement& table) {
    for (const XmlElement& child : table.children) {
        if (child.tag == "w:tblGrid") {
            return child.children.size();
        }
    }
    return 0;
}

std::size_t RowWidth(const XmlElement& row) {
    std::size_t width = 0;
    for (const XmlElement& cell : row.children) {
        if (cell.tag == "w:tc") {
            const auto spans = cell.children.at(0).All("w:gridSpan");  // in its w:tcPr
            width += spans.empty() ? 1 : std::stoul(spans[0]->Attribute("w:val"));
        }
    }
    return width;
}

}  // namespace

TEST(DocxSheet, EveryTextFromTheInputIsValidXmlVisibleAndIsolated) {
    const std::string fsi = "\u2068", pdi = "\u2069", rlo = "\u202E", pdf = "\u202C";
    struct Case {
        const char* why;
        std::string typed;  // as the project and the bay's name
        std::string shown;
    };
    const Case cases[] = {
        {"markup is text", "N <w:t> & \"q\" ]]>", "N <w:t> & \"q\" ]]>"},
        {"bytes not UTF-8, and what no XML document may hold", "\xFF" "a\xEF\xBF\xBE\xEF\xBF\xBF",
         "\uFFFDa\uFFFD\uFFFD"},
        {"C0 and C1 controls as standard error writes them", "a\x1B[2Jb\tc\n\xC2\x9B", "a\\x1B[2Jb\\x09c\\x0A\\x9B"},
        {"an override left open is closed inside the name", "abc" + rlo, "abc" + rlo + pdf},
        {"longer than 1,000 characters: cut to 200", Repeat("柱", 1001), Repeat("柱", 200) + "…"},
    };
    for (const Case& c : cases) {
        ExampleBay named = kWorked;
        named.name = c.typed.c_str();
        const Parts parts = Sheet({named}, c.typed);
        const auto runs = Body(parts).All("w:t");
        // The title block, the summary, the bay's heading; and the page header.
        EXPECT_EQ(std::count_if(runs.begin(), runs.end(),
                                [&](const XmlElement* run) { return run->text == fsi + c.shown + pdi; }),
                  3)
            << c.why;
        EXPECT_EQ(parts.at("word/header1.xml").All("w:t")[0]->text, fsi + c.shown + pdi) << c.why;
        EXPECT_EQ(Body(parts).children.at(0).Text(), "柱间支撑计算书") << c.why;
    }
}

TEST(DocxSheet, SummaryLinksEveryPageAndEachPageHasItsParts) {
    for (const SheetRun& c : kSheetRuns) {
        const Parts parts = SheetOfRun(c.input);
        const XmlElement& body = Body(parts);
        std::vector<std::string> links, bookmarks;
        for (const XmlElement* link : body.All("w:hyperlink")) {
            links.push_back(link->Attribute("w:anchor"));
        }
        std::size_t marked = 0;
        for (const XmlElement* table : body.All("w:tbl")) {
            for (const XmlElement& row : table->children) {
                if (row.tag != "w:tr") {
                    continue;
                }
                // Never split across pages; every row as wide as the grid.
                EXPECT_TRUE(row.children.at(0).Has("w:cantSplit")) << c.why << ": " << row.Cells();
                EXPECT_EQ(RowWidth(row), GridColumns(*table)) << c.why << ": " << row.Cells();
                marked += row.Cells().rfind("※", 0) == 0;
            }
        }
        EXPECT_EQ(marked, c.marked) << c.why;  // NG is marked, not only by colour
        // Two tables next to each other are one to Word, the second's header rows lost inside it.
        std::vector<const XmlElement*> blocks = body.All("w:tc");
        blocks.push_back(&body);
        for (const XmlElement* block : blocks) {
            for (std::size_t k = 1; k < block->children.size(); ++k) {
                EXPECT_FALSE(block->children[k - 1].tag == "w:tbl" && block->children[k].tag == "w:tbl")
                    << c.why << ": " << block->children[k].Text().substr(0, 60);
            }
        }
        for (const XmlElement& paragraph : body.children) {
            for (const XmlElement* mark : paragraph.All("w:bookmarkStart")) {
                bookmarks.push_back(mark->Attribute("w:name"));
                // A heading of the document map, on a page of its own.
                EXPECT_EQ(StyleOf(paragraph), "Heading2") << c.why;
                EXPECT_TRUE(paragraph.Has("w:pageBreakBefore")) << c.why;
            }
        }
        std::vector<std::string> names;  // as Word takes them
        std::transform(c.pages.begin(), c.pages.end(), std::back_inserter(names), BookmarkName);
        EXPECT_EQ(bookmarks, names) << c.why;
        EXPECT_EQ(links, names) << c.why;
        const bool design = c.input.find(",section") != std::string::npos;
        EXPECT_EQ(Tables(body, "验算项目|计算值|限值|比值|结论|依据").size(), design ? 2 * c.pages.size() : 0u) << c.why;
        // A design bay's page has its section drawn too.
        EXPECT_EQ(body.All("wpg:wgp").size(), (design ? 2 : 1) * c.pages.size()) << c.why;
        std::size_t incomplete = 0;
        for (const XmlElement& paragraph : body.children) {
            incomplete += StyleOf(paragraph) == "Incomplete";
        }
        EXPECT_EQ(incomplete, c.incomplete ? 1u : 0u) << c.why;
        EXPECT_EQ(StyleOf(body.children.at(body.children.size() - 2)), "ListItem") << c.why << ": the scope last";
    }
    // The page prints what the model says, row by row, its sketch a shape a mark.
    KeptReport kept;
    Report(kept, {kWorked});
    const BayPage& model = kept.pages[0];
    const Parts parts = Sheet({kWorked});
    const XmlElement& body = Body(parts);
    std::vector<std::string> inputs = {model.inputsHeading}, steps;
    for (const InputRow& row : model.inputs) {
        const std::string value = row.value.typed ? "\u2068" + row.value.text + "\u2069" : row.value.text;
        inputs.push_back(row.symbol + "|" + row.name + "|" + value + "|" + row.unit);
    }
    EXPECT_EQ(Tables(body, model.inputsHeading), std::vector<std::vector<std::string>>{inputs});
    for (const Step& step : model.steps) {
        steps.push_back(step.formula + "|" + (step.numbers.empty() ? "" : "= " + step.numbers) + "|= " + step.result +
                        (step.unit.empty() ? "" : " " + step.unit) + "|" + step.clause);
    }
    EXPECT_EQ(Tables(body, steps[0]), std::vector<std::vector<std::string>>{steps});
    EXPECT_EQ(body.All("wps:wsp").size(), model.sketch.marks.size() + model.sectionSketch.marks.size());
    std::set<std::string> ids;  // drawings and shapes, each once
    for (const char* tag : {"wp:docPr", "wps:cNvPr"}) {
        for (const XmlElement* shape : body.All(tag)) {
            EXPECT_TRUE(ids.insert(shape->Attribute("id")).second) << shape->Attribute("id");
        }
    }
    std::string fields;
    for (const XmlElement* code : parts.at("word/footer1.xml").All("w:instrText")) {
        fields += code->text;
    }
    EXPECT_EQ(fields, " PAGE  NUMPAGES ");  // 第 x 页 共 y 页
    for (int level = 1; level <= 3; ++level) {  // the document map
        const auto styles = parts.at("word/styles.xml").All("w:style");
        const auto heading = std::find_if(styles.begin(), styles.end(), [&](const XmlElement* style) {
            return style->Attribute("w:styleId") == "Heading" + std::to_string(level);
        });
        ASSERT_NE(heading, styles.end());
        EXPECT_EQ((*heading)->All("w:outlineLvl")[0]->Attribute("w:val"), std::to_string(level - 1));
    }
}

TEST(DocxSheet, EveryPageComesThroughTheSpoolsAndAFailedWriteIsReported) {
    const Parts parts = Sheet(std::vector<ExampleBay>(40, kWorked));  // far more than one copy block
    EXPECT_EQ(Body(parts).All("w:bookmarkStart").size(), 40u);
    EXPECT_EQ(Body(parts).children.back().tag, "w:sectPr");
    const char* const path = "docx_read_only.tmp";
    std::FILE* made = std::fopen(path, "wb");
    ASSERT_TRUE(made != nullptr && std::fclose(made) == 0);
    std::FILE* readOnly = std::fopen(path, "rb");  // no write gets through
    std::FILE* body = std::tmpfile();
    std::FILE* pages = std::tmpfile();
    ASSERT_TRUE(readOnly != nullptr && body != nullptr && pages != nullptr);
    DocxSheet docx(readOnly, body, pages);
    EXPECT_FALSE(docx.Finish(kScopeInFull));
    EXPECT_NE(docx.ErrorNumber(), 0);
    for (std::FILE* file : {readOnly, body, pages}) {
        std::fclose(file);
    }
    std::remove(path);
}
