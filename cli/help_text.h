// What `bracing-check --help` prints.
#ifndef BRACING_CLI_HELP_TEXT_H
#define BRACING_CLI_HELP_TEXT_H

extern const char* const kHelpText;

#endif
