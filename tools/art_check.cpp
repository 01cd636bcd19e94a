// Reads the two images back the way Windows will and checks their layout:
// header fields, palette, sizes, and that only the intended colours appear.
// Written apart from draw_art so a mistake in its writer is not repeated here.
//   art_check SCHEMATIC.bmp ICON.ico
#include <cstdint>
#include <cstdio>
#include <set>
#include <vector>

namespace {

using File = std::vector<std::uint8_t>;

const std::uint8_t kVga[16][3] = {  // R, G, B
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
enum : unsigned { kBlack = 0, kRed = 9, kBlue = 12, kCyan = 14, kWhite = 15 };

int failures = 0;

void Fail(const char* path, const char* what, unsigned long got, unsigned long want) {
    std::fprintf(stderr, "%s: %s is %lu, expected %lu\n", path, what, got, want);
    ++failures;
}

bool Read(const char* path, File& file) {
    std::FILE* f = std::fopen(path, "rb");
    if (f == nullptr) {
        std::perror(path);
        return false;
    }
    for (int ch; (ch = std::fgetc(f)) != EOF;) {
        file.push_back(static_cast<std::uint8_t>(ch));
    }
    std::fclose(f);
    return true;
}

unsigned long Field(const File& file, std::size_t offset, int bytes) {
    unsigned long value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | file[offset + static_cast<std::size_t>(i)];
    }
    return value;
}

struct Expect {
    const char* name;
    std::size_t offset;
    int bytes;
    unsigned long value;
};

void CheckFields(const char* path, const File& file, const std::vector<Expect>& fields) {
    for (const Expect& e : fields) {
        const unsigned long got = Field(file, e.offset, e.bytes);
        if (got != e.value) {
            Fail(path, e.name, got, e.value);
        }
    }
}

// BITMAPINFOHEADER at `at`, then the palette; both images share this shape.
std::vector<Expect> InfoHeader(std::size_t at, unsigned long width, unsigned long heightField) {
    return {{"biSize", at, 4, 40},          {"biWidth", at + 4, 4, width},
            {"biHeight", at + 8, 4, heightField}, {"biPlanes", at + 12, 2, 1},
            {"biBitCount", at + 14, 2, 4},  {"biCompression", at + 16, 4, 0},
            {"biClrUsed", at + 32, 4, 16}};
}

void CheckPalette(const char* path, const File& file, std::size_t at) {
    for (unsigned i = 0; i < 16; ++i) {
        const std::size_t p = at + 4 * i;
        if (file[p] != kVga[i][2] || file[p + 1] != kVga[i][1] || file[p + 2] != kVga[i][0] ||
            file[p + 3] != 0) {
            std::fprintf(stderr, "%s: palette entry %u is not the standard colour\n", path, i);
            ++failures;
        }
    }
}

// 4-bit pixel (x, y), y counted from the bottom row as stored.
unsigned Nibble(const File& file, std::size_t bits, std::size_t rowBytes, int x, int y) {
    const std::uint8_t byte = file[bits + static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x / 2)];
    return x % 2 == 0 ? byte >> 4u : byte & 0xFu;
}

void CheckColours(const char* path, const std::set<unsigned>& used, const std::set<unsigned>& allowed) {
    for (unsigned index : used) {
        if (allowed.count(index) == 0) {
            std::fprintf(stderr, "%s: colour index %u is not one of the picture's colours\n", path, index);
            ++failures;
        }
    }
    for (unsigned index : allowed) {
        if (used.count(index) == 0) {
            std::fprintf(stderr, "%s: nothing is drawn in colour index %u\n", path, index);
            ++failures;
        }
    }
}

void CheckSchematic(const char* path) {
    File file;
    const int width = 158, height = 160;
    const std::size_t rowBytes = 80, bits = 14 + 40 + 64;
    if (!Read(path, file) || file.size() != bits + rowBytes * height) {
        Fail(path, "file size", file.size(), bits + rowBytes * height);
        return;
    }
    std::vector<Expect> fields = {{"signature", 0, 2, 0x4D42},
                                  {"bfSize", 2, 4, file.size()},
                                  {"bfOffBits", 10, 4, bits}};
    const std::vector<Expect> info = InfoHeader(14, width, height);  // positive: bottom-up
    fields.insert(fields.end(), info.begin(), info.end());
    CheckFields(path, file, fields);
    CheckPalette(path, file, 54);

    std::set<unsigned> used;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < static_cast<int>(rowBytes) * 2; ++x) {
            const unsigned index = Nibble(file, bits, rowBytes, x, y);
            if (x < width) {
                used.insert(index);
            } else if (index != 0) {
                Fail(path, "a padding nibble", index, 0);
            }
        }
    }
    CheckColours(path, used, {kBlack, kRed, kCyan, kWhite});
}

void CheckIcon(const char* path) {
    File file;
    const int size = 32;
    const std::size_t image = 22, bits = image + 40 + 64, rowBytes = 16, maskRow = 4;
    const std::size_t mask = bits + rowBytes * size;
    if (!Read(path, file) || file.size() != mask + maskRow * size) {
        Fail(path, "file size", file.size(), mask + maskRow * size);
        return;
    }
    std::vector<Expect> fields = {
        {"idReserved", 0, 2, 0},  {"idType", 2, 2, 1},        {"idCount", 4, 2, 1},
        {"bWidth", 6, 1, 32},     {"bHeight", 7, 1, 32},      {"bColorCount", 8, 1, 16},
        {"bReserved", 9, 1, 0},   {"wPlanes", 10, 2, 1},      {"wBitCount", 12, 2, 4},
        {"dwBytesInRes", 14, 4, file.size() - image},         {"dwImageOffset", 18, 4, image}};
    const std::vector<Expect> info = InfoHeader(image, size, 2 * size);  // colours + mask
    fields.insert(fields.end(), info.begin(), info.end());
    CheckFields(path, file, fields);
    CheckPalette(path, file, image + 40);

    std::set<unsigned> used;
    bool anyTransparent = false;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const unsigned index = Nibble(file, bits, rowBytes, x, y);
            const std::uint8_t maskByte = file[mask + static_cast<std::size_t>(y) * maskRow + static_cast<std::size_t>(x / 8)];
            if ((maskByte >> (7 - x % 8) & 1) != 0) {
                anyTransparent = true;
                if (index != kBlack) {  // Windows XORs it onto the desktop
                    Fail(path, "colour index under a transparent pixel", index, kBlack);
                }
            } else {
                used.insert(index);
            }
        }
    }
    if (!anyTransparent) {
        std::fprintf(stderr, "%s: no transparent pixels\n", path);
        ++failures;
    }
    CheckColours(path, used, {kRed, kBlue, kCyan});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: art_check SCHEMATIC.bmp ICON.ico\n");
        return 2;
    }
    CheckSchematic(argv[1]);
    CheckIcon(argv[2]);
    return failures == 0 ? 0 : 1;
}
