#include "io/csv_writer.h"

#include <cstring>

void AppendCsvField(std::string& line, const std::string& field, bool first) {
    if (!first) {
        line.push_back(',');
    }
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        line.append(field);
        return;
    }
    line.push_back('"');
    for (char c : field) {
        if (c == '"') {
            line.push_back('"');
        }
        line.push_back(c);
    }
    line.push_back('"');
}

void AppendCsvField(std::string& line, const char* field, bool first) {
    if (std::strpbrk(field, ",\"\r\n") == nullptr) {
        if (!first) {
            line.push_back(',');
        }
        line.append(field);
        return;
    }
    AppendCsvField(line, std::string(field), first);
}
