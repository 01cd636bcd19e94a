// A line of the calculation as the sheet writes it: the formula, the
// numbers put in, the result and the clause behind it.
#ifndef BRACING_REPORT_HTML_SHEET_STEPS_H
#define BRACING_REPORT_HTML_SHEET_STEPS_H

#include <string>
#include <string_view>

// `value` as the sheet shows it: `decimals` decimals, no padding.
std::string Number(double value, int decimals);

// Opens and closes a table of steps.
void BeginSteps(std::string& html);
void EndSteps(std::string& html);

// One row: "formula = numbers = result unit", and the clause. An empty
// `numbers` leaves that part out (Ly1 = L = 10.000 m).
void AppendStep(std::string& html, std::string_view formula, std::string_view numbers,
                std::string_view result, std::string_view unit, std::string_view clause = {});

#endif
