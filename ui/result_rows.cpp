#include "result_rows.h"

#include "control_ids.h"

const ResultRow kResultRows[kResultRowCount] = {
    {ID_T_N, "N1", "kN", &BracingResults::N1, 3},
    {ID_T_NT, "Nt1", "kN", &BracingResults::Nt1, 3},
    {ID_T_LX, "Lx1", "m", &BracingResults::Lx1, 3},
    {ID_T_RX, "Rx1", "cm", &BracingResults::Rx1, 2},
    {ID_T_LY, "Ly1", "m", &BracingResults::Ly1, 3},
    {ID_T_RY, "Ry1", "cm", &BracingResults::Ry1, 2},
    {ID_T_F, "f1", "N/mm2", &BracingResults::f1, 2},
    {ID_C_N, "N2", "kN", &BracingResults::N2, 3},
    {ID_C_NT, "Nt2", "kN", &BracingResults::Nt2, 3},
    {ID_C_LX, "Lx2", "m", &BracingResults::Lx2, 3},
    {ID_C_RX, "Rx2", "cm", &BracingResults::Rx2, 2},
    {ID_C_LY, "Ly2", "m", &BracingResults::Ly2, 3},
    {ID_C_RY, "Ry2", "cm", &BracingResults::Ry2, 2},
    {ID_C_U, "u", "", &BracingResults::u, 4},
    {ID_C_F, "f2", "N/mm2", &BracingResults::f2, 2},
};

ResultText FormatResultRow(const ResultRow& row, const BracingResults& results) {
    return FormatResult(results.*(row.value), row.decimals);
}
