// The language the program speaks when --lang does not say: on Windows the
// user's display language, elsewhere the locale's environment.
#ifndef BRACING_CLI_RUN_LANGUAGE_H
#define BRACING_CLI_RUN_LANGUAGE_H

#include "messages/messages.h"

// From the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty (null: unset): Chinese when it starts with zh, English otherwise
// (C, POSIX, en_US.UTF-8).
Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// Chinese for any Chinese display language (GetUserDefaultUILanguage), else
// English; elsewhere LanguageOfLocale of the environment.
Language SystemLanguage();

#endif
