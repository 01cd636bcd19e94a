// A problem of a run in words, without the file and line it is at.
#ifndef BRACING_MESSAGES_PROBLEM_TEXT_H
#define BRACING_MESSAGES_PROBLEM_TEXT_H

#include "batch/problem.h"
#include "messages/messages.h"

#include <string>

void AppendProblemText(std::string& out, const Problem& problem, Language language);
std::string ProblemText(const Problem& problem, Language language = Language::English);

#endif
