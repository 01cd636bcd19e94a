#include "report/report_numbers.h"

#include "format/fixed_text.h"

std::string Number(double value, int decimals) { return ToFixed(value, decimals).String(); }

std::string TableNumber(double value, int maxDecimals) { return ShortestFixed(value, maxDecimals).String(); }

std::string ResultNumber(const ResultRow& row, const BracingResults& results) {
    return Number(results.*row.value, row.decimals);
}
