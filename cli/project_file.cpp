#include "cli/project_file.h"

#include "io/byte_source.h"
#include "io/byte_streams.h"
#include "io/cell_space.h"
#include "io/input_decoder.h"

#include <cerrno>

bool ReadProjectFile(const std::string& path, std::string& name, int& errorNumber) {
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) {
        errorNumber = errno;
        return false;
    }
    std::string text;
    {
        FileSource source(file);
        InputDecoder decoder(source, EncodingChoice::Detect);
        const char* begin = nullptr;
        const char* end = nullptr;
        while (text.find_first_of("\r\n") == std::string::npos && decoder.Next(begin, end)) {
            text.append(begin, end);
        }
        errorNumber = decoder.ErrorNumber();
    }
    std::fclose(file);
    name = std::string(TrimCellSpace(std::string_view(text).substr(0, text.find_first_of("\r\n"))));
    return errorNumber == 0;
}
