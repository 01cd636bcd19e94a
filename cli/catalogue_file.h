// --catalogue FILE: the supplier's sizes, read once before the bays.
#ifndef BRACING_CLI_CATALOGUE_FILE_H
#define BRACING_CLI_CATALOGUE_FILE_H

#include "design/section_catalogue.h"
#include "messages/messages.h"

#include <cstdio>
#include <string>

// Reads `path` (any encoding the input may have) into `catalogue`; on a
// fault says on `err` what and where, in `language`, and returns false.
bool LoadCatalogue(const std::string& path, SectionCatalogue& catalogue, Language language, std::FILE* err);

#endif
