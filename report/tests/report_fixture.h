// Bays for the sheet's tests, filled in as the run fills them: cells as
// typed, the core, and the design check of every case; and a renderer
// that keeps what it is given.
#ifndef BRACING_REPORT_TESTS_REPORT_FIXTURE_H
#define BRACING_REPORT_TESTS_REPORT_FIXTURE_H

#include "design/families/families.h"
#include "design/bay_design.h"
#include "batch/bay_table.h"
#include "report/report_renderer.h"
#include "report/report_sink.h"

#include <cstdio>
#include <string>
#include <vector>

struct ExampleBay {
    long line;
    const char* name;
    const char* cells[kInputFieldCount];  // H B n T W, then A and i only without a section
    double b_mm;  // the given section b x t (a bar: d, t NaN); 0: sized
    double t_mm;
    SteelGrade grade;
    SectionFamilyId family = SectionFamilyId::EqualAngle;
    DesignMethod method = DesignMethod::Auto;
};

// A bay with the design check it points at.
struct PreparedBay {
    CheckedRow bay;
    Section given{};
    BayDesign design;
};

inline void Prepare(const ExampleBay& example, PreparedBay& out) {
    CheckedRow& bay = out.bay;
    bay.line = example.line;
    bay.name = example.name;
    for (int k = 0; k < kInputFieldCount; ++k) {
        bay.cells[k] = example.cells[k] == nullptr ? "" : example.cells[k];
        StoreFieldText(bay.inputs, kInputFields[k].id, example.cells[k] == nullptr ? "" : example.cells[k]);
    }
    const bool designCheck = example.cells[5] == nullptr;
    if (!(designCheck ? ComputeDesignForces(bay.inputs, bay.results)
                      : ComputeBracing(bay.inputs, bay.results))) {
        bay.refusal.Add(RefusalCode::Rejected);
        return;
    }
    if (!designCheck) {
        return;  // A and i typed: the dialog's check only
    }
    const SectionFamily& family = FamilyOf(example.family);
    const bool given = example.b_mm > 0.0 && family.make(example.b_mm, example.t_mm, out.given);
    DesignRequest request;
    request.grade = example.grade;
    request.method = example.method;
    request.limits = DefaultSlendernessLimits(bay.inputs.T, false, false);
    out.design = DesignBay(bay.results, request, given ? &out.given : nullptr, family, family.sizing(),
                           MinimumSize());
    bay.design = &out.design;
}

// The worked example of the README: H 6, B 8, n 2, T 20, W 30, sized.
const ExampleBay kWorked = {5, "", {"6", "8", "2", "20", "30"}, 0, 0, SteelGrade::Q235};

inline std::string Repeat(const char* text, int times) {
    std::string repeated;
    for (int k = 0; k < times; ++k) {
        repeated += text;
    }
    return repeated;
}

// Runs that the tests of every renderer print: the anchors of their pages
// in order, the summary lines marked, and whether the sheet says it is
// incomplete.
struct SheetRun {
    const char* why;
    std::string input;
    std::vector<std::string> pages;
    std::size_t marked;
    bool incomplete;
};
inline const SheetRun kSheetRuns[] = {
    {"a bay passes, one is refused, one is NG, lines are not read",
     "bay,H,B,n,T,W,section\nok,6,8,2,20,30,\nzero,0,8,2,20,30,\nng,6,8,2,20,30,L63x6\n"
     "wide,6,8\nnone,6,8,2,20,100000,\n",
     {"bay-2", "bay-4", "bay-6"}, 3, true},
    {"A and i typed: the dialog's columns", "bay,H,B,n,T,W,A,i\nt,6,8,2,20,30,12,3\n", {"bay-2"}, 0, false},
};

// Keeps every part of the model it is given.
struct KeptReport : ReportRenderer {
    std::vector<SummaryRow> rows;
    std::vector<BayPage> pages;
    SummaryEnd end;
    bool finished = false;
    void Begin(const TitleBlock&) override {}
    void AddSummaryRow(const SummaryRow& row) override { rows.push_back(row); }
    void AddPage(const BayPage& page) override { pages.push_back(page); }
    void EndSummary(const SummaryEnd& e) override { end = e; }
    bool Finish(const TextList&) override { return finished = true; }
    int ErrorNumber() const override { return 0; }
};

// `examples` through the sink as the program hands bays on, into `renderer`.
inline bool Report(ReportRenderer& renderer, const std::vector<ExampleBay>& examples,
                   bool designCheck = true, const ReportHeading& heading = ReportHeading()) {
    ReportSink sink(renderer, heading);
    BayLayout layout;
    layout.designCheck = designCheck;
    sink.Begin(layout);
    for (const ExampleBay& example : examples) {
        PreparedBay prepared;
        Prepare(example, prepared);
        sink.Add(prepared.bay);
    }
    return sink.Finish();
}

#endif
