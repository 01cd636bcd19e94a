// The sheet's front: its title block, the design basis and the summary's
// columns, by the kind of run.
#ifndef BRACING_REPORT_TITLE_BLOCK_H
#define BRACING_REPORT_TITLE_BLOCK_H

#include "report/report_model.h"

#include <string_view>

struct ReportHeading {
    std::string_view project;    // --project; may be empty
    std::string_view number;     // --number, the project's; may be empty
    std::string_view inputName;  // the input file without its folder, or how standard input is called
    std::string_view date;       // of the run, e.g. 2024-05-31
    std::string_view version;    // of the program, e.g. 0.01
};

// `designCheck`: the input names sections rather than A and i.
TitleBlock BuildTitleBlock(const ReportHeading& heading, bool designCheck);

#endif
