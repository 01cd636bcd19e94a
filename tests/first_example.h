// What the engineer reads for the first worked example, the 6 x 8 bay
// (H 6, B 8, n 2, T 20, W 30, A 12, i 3): every result field's text,
// leading spaces included.
#ifndef BRACING_TESTS_FIRST_EXAMPLE_H
#define BRACING_TESTS_FIRST_EXAMPLE_H

#include "ui/control_ids.h"

struct ShownText {
    int id;
    const char* text;
};

const ShownText kFirstExampleTexts[] = {
    {ID_T_N, "31.250"}, {ID_T_NT, "18.750"}, {ID_T_LX, " 5.000"}, {ID_T_RX, "  1.25"},
    {ID_T_LY, "10.000"}, {ID_T_RY, "  2.50"}, {ID_T_F, " 26.04"}, {ID_C_N, "15.625"},
    {ID_C_NT, " 9.375"}, {ID_C_LX, " 5.000"}, {ID_C_RX, "  3.33"}, {ID_C_LY, " 7.000"},
    {ID_C_RY, "  4.67"}, {ID_C_U, "0.1403"}, {ID_C_F, " 92.81"},
};

#endif
