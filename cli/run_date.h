// The date of the run as the calc sheet prints it.
#ifndef BRACING_CLI_RUN_DATE_H
#define BRACING_CLI_RUN_DATE_H

#include <string>

// Today in local time: 2024-05-31.
std::string RunDate();

#endif
