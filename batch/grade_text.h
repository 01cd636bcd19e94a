// Steel grade names: Q235, Q345, Q355.
#ifndef BRACING_BATCH_GRADE_TEXT_H
#define BRACING_BATCH_GRADE_TEXT_H

#include <string_view>

#include "design/steel_grades.h"

// Reads a grade cell: Q235, Q345 or Q355, in either case, bare or with a
// quality letter the standards give that grade (Q235B, Q345E, Q355C, and
// with the delivery state N or M of GB/T 1591-2018, Q355NF); white space
// around it. A blank cell gives `fallback`. Returns false for anything
// else.
bool ReadGrade(std::string_view text, SteelGrade fallback, SteelGrade& grade);

// "Q235", "Q345" or "Q355".
const char* GradeName(SteelGrade grade);

#endif
