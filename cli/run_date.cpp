#include "cli/run_date.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

std::string RunDate() {
    // Fixed for tests that compare a whole sheet with a stored one.
    const char* fixed = std::getenv("BRACING_CHECK_DATE");
    if (fixed != nullptr && std::strlen(fixed) == 10) {
        return fixed;
    }
    int year = 0;
    int month = 0;
    int day = 0;
#ifdef _WIN32
    SYSTEMTIME now;
    GetLocalTime(&now);
    year = now.wYear;
    month = now.wMonth;
    day = now.wDay;
#else
    const std::time_t seconds = std::time(nullptr);
    std::tm now{};
    if (localtime_r(&seconds, &now) != nullptr) {
        year = now.tm_year + 1900;
        month = now.tm_mon + 1;
        day = now.tm_mday;
    }
#endif
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}
