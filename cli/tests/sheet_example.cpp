// Writes the calc sheet of a few fixed bays to the file named by the only
// argument: the sheet the print check renders and the README shows.
#include "sheet_fixture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: sheet_example SHEET.html\n", stderr);
        return 2;
    }
    const std::vector<ExampleBay> bays = {
        {2, "A-1, 端跨", {"6", "8", "2", "20", "30"}, 63, 6, SteelGrade::Q235},
        {3, "B-2 <高跨> & \"东\"", {"9", "6", "2", "15", "35"}, 0, 0, SteelGrade::Q345},
        {4, "C-3", {"0", "8", "2", "20", "30"}, 0, 0, SteelGrade::Q235},
        {5, "", {"6", "8", "2", "20", "30"}, 0, 0, SteelGrade::Q235},
    };
    SheetHeading heading;
    heading.project = "厂房 A <二期> & \"扩建\"";
    heading.inputName = "bays-sections.csv";
    heading.date = "2024-05-31";
    heading.designCheck = true;
    std::FILE* sheet = std::fopen(argv[1], "wb");
    if (sheet == nullptr || !WriteSheet(sheet, heading, bays) || std::fclose(sheet) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
