// Bays for the sheet's tests and its example, filled in as the run fills
// them: cells as typed, the core, and the design check of every case.
#ifndef BRACING_REPORT_HTML_TESTS_SHEET_FIXTURE_H
#define BRACING_REPORT_HTML_TESTS_SHEET_FIXTURE_H

#include "design/families/families.h"
#include "design/bay_design.h"
#include "batch/bay_table.h"
#include "report/html/html_sheet.h"
#include "report/report_sink.h"

#include <cstdio>
#include <string>
#include <vector>

struct ExampleBay {
    long line;
    const char* name;
    const char* cells[kInputFieldCount];  // H B n T W, then A and i only without a section
    double b_mm;  // the given angle b x t; 0: sized
    double t_mm;
    SteelGrade grade;
};

// A bay with the design check it points at.
struct PreparedBay {
    CheckedRow bay;
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
    const SectionFamily& angles = FamilyOf(SectionFamilyId::EqualAngle);
    const Section* given = example.b_mm > 0.0 ? angles.find(example.b_mm, example.t_mm) : nullptr;
    DesignRequest request;
    request.grade = example.grade;
    request.limits = DefaultSlendernessLimits(bay.inputs.T, false, false);
    out.design = DesignBay(bay.results, request, given, angles, MinimumSize());
    bay.design = &out.design;
}

// The whole sheet of `examples`, written through a spool as the program does.
inline bool WriteSheet(std::FILE* sheet, const ReportHeading& heading, bool designCheck,
                       const std::vector<ExampleBay>& examples) {
    std::FILE* spool = std::tmpfile();
    if (spool == nullptr) {
        return false;
    }
    HtmlSheet html(sheet, spool);
    ReportSink sink(html, heading);
    BayLayout layout;
    layout.designCheck = designCheck;
    sink.Begin(layout);
    for (const ExampleBay& example : examples) {
        PreparedBay prepared;
        Prepare(example, prepared);
        sink.Add(prepared.bay);
    }
    const bool written = sink.Finish();
    std::fclose(spool);
    return written;
}

#endif
