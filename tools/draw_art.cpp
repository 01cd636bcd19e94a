// Draws the program's two images: the bracing schematic shown in the main
// window (a 158 x 160, 16-colour BMP) and the program icon (one 32 x 32,
// 16-colour image in an ICO file). The same bytes on every run, so the
// committed files can be checked against this program.
//   draw_art SCHEMATIC.bmp ICON.ico
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The standard 16-colour palette, as the indices are used below.
enum Colour : std::uint8_t {
    Black = 0, Red = 9, Blue = 12, Cyan = 14, White = 15, Transparent = 255
};

const std::uint8_t kPalette[16][3] = {  // R, G, B
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

struct Canvas {
    int width;
    int height;
    std::vector<std::uint8_t> pixels;  // top row first

    Canvas(int w, int h, std::uint8_t background)
        : width(w), height(h), pixels(static_cast<std::size_t>(w * h), background) {}

    void Plot(int x, int y, std::uint8_t colour) {
        if (x >= 0 && x < width && y >= 0 && y < height) {
            pixels[static_cast<std::size_t>(y * width + x)] = colour;
        }
    }
    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Bresenham; with `dash` > 0, `dash` pixels on, `dash` off.
void Line(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t colour, int dash = 0) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (int step = 0;; ++step) {
        if (dash == 0 || (step / dash) % 2 == 0) {
            c.Plot(x0, y0, colour);
        }
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

// A column foot: the ground line and its hatching below.
void Ground(Canvas& c, int centreX, int y, int halfWidth, std::uint8_t colour) {
    Line(c, centreX - halfWidth, y, centreX + halfWidth, y, colour);
    for (int x = centreX - halfWidth; x <= centreX + halfWidth - 3; x += 3) {
        Line(c, x + 3, y + 1, x, y + 4, colour);
    }
}

// Filled arrow head with its tip at (x, y), pointing along (dx, dy), one
// of the four axis directions.
void ArrowHead(Canvas& c, int x, int y, int dx, int dy, int length, std::uint8_t colour) {
    for (int k = 0; k < length; ++k) {
        const int half = k / 2;
        const int cx = x - dx * k;
        const int cy = y - dy * k;
        Line(c, cx - dy * half, cy - dx * half, cx + dy * half, cy + dx * half, colour);
    }
}

// 5 x 7 glyphs for the few letters the schematic needs.
struct Glyph {
    char letter;
    const char* rows[7];
};

const Glyph kGlyphs[] = {
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
};

void Text(Canvas& c, int x, int y, const char* text, std::uint8_t colour) {
    for (; *text != '\0'; ++text, x += 6) {
        for (const Glyph& glyph : kGlyphs) {
            if (glyph.letter != *text) {
                continue;
            }
            for (int row = 0; row < 7; ++row) {
                for (int col = 0; col < 5; ++col) {
                    if (glyph.rows[row][col] == '#') {
                        c.Plot(x + col, y + row, colour);
                    }
                }
            }
        }
    }
}

Canvas DrawSchematic() {
    Canvas c(158, 160, Black);
    const int left = 28, right = 116, top = 22, base = 132;

    // Columns on hatched feet, tops joined by the dashed top member.
    for (int x : {left, right}) {
        Line(c, x, top, x, base, White);
        Line(c, x + 1, top, x + 1, base, White);
        Ground(c, x, base + 1, 9, Cyan);
    }
    Line(c, left + 2, top, right - 1, top, White, 3);

    // The crossing diagonals, from each foot to the opposite column top.
    Line(c, left + 2, base, right - 1, top + 1, Cyan);
    Line(c, right - 1, base, left + 2, top + 1, Cyan);

    // Horizontal load at the top of the right column, towards the bay.
    Line(c, right + 3, top, right + 22, top, Red);
    Line(c, right + 3, top + 1, right + 22, top + 1, Red);
    ArrowHead(c, right + 2, top, -1, 0, 7, Red);
    ArrowHead(c, right + 2, top + 1, -1, 0, 7, Red);
    Text(c, right + 4, top - 12, "T+W", Red);

    // Height: base level to the top, on the right.
    const int hx = 150;
    Line(c, hx - 3, top, hx + 3, top, White);
    Line(c, hx - 3, base, hx + 3, base, White);
    Line(c, hx, top, hx, base, White);
    ArrowHead(c, hx, top, 0, -1, 5, White);
    ArrowHead(c, hx, base, 0, 1, 5, White);
    Text(c, hx - 9, (top + base) / 2 - 3, "H", White);

    // Width: between the columns, under the bay.
    const int by = 146;
    Line(c, left, by - 3, left, by + 3, White);
    Line(c, right, by - 3, right, by + 3, White);
    Line(c, left, by, right, by, White);
    ArrowHead(c, left, by, -1, 0, 5, White);
    ArrowHead(c, right, by, 1, 0, 5, White);
    Text(c, (left + right) / 2 - 2, by + 4, "B", White);
    return c;
}

Canvas DrawIcon() {
    Canvas c(32, 32, Transparent);
    const int left = 6, right = 25, top = 5, base = 26;
    for (int x : {left, right}) {
        Line(c, x, top, x, base, Red);
        Line(c, x + 1, top, x + 1, base, Red);
        Line(c, x - 3, base + 1, x + 4, base + 1, Cyan);
        Line(c, x - 3, base + 2, x + 4, base + 2, Cyan);
    }
    Line(c, left + 2, top, right - 1, top, Red, 2);
    Line(c, left + 2, base, right - 1, top + 1, Blue);
    Line(c, right - 1, base, left + 2, top + 1, Blue);
    return c;
}

struct Bytes {
    std::vector<std::uint8_t> data;
    void U8(unsigned v) { data.push_back(static_cast<std::uint8_t>(v)); }
    void U16(unsigned v) { U8(v & 0xFF); U8(v >> 8); }
    void U32(std::uint32_t v) { U16(v & 0xFFFF); U16(v >> 16); }
};

// BITMAPINFOHEADER, palette and 4-bit rows bottom-up; `heightField` is
// doubled in icons, which carry the AND mask after the colours.
void BitmapBody(Bytes& out, const Canvas& c, int heightField, std::uint32_t imageSize) {
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(c.width));
    out.U32(static_cast<std::uint32_t>(heightField));
    out.U16(1);
    out.U16(4);
    out.U32(0);  // BI_RGB
    out.U32(imageSize);
    out.U32(2835);  // 72 dpi
    out.U32(2835);
    out.U32(16);
    out.U32(0);
    for (const auto& rgb : kPalette) {
        out.U8(rgb[2]);
        out.U8(rgb[1]);
        out.U8(rgb[0]);
        out.U8(0);
    }
    const int rowBytes = ((c.width + 1) / 2 + 3) / 4 * 4;
    for (int y = c.height - 1; y >= 0; --y) {
        for (int x = 0; x < rowBytes * 2; x += 2) {
            auto index = [&](int px) {
                if (px >= c.width || c.At(px, y) == Transparent) return 0u;
                return static_cast<unsigned>(c.At(px, y));
            };
            out.U8(index(x) << 4 | index(x + 1));
        }
    }
}

int FourBitImageSize(const Canvas& c) { return ((c.width + 1) / 2 + 3) / 4 * 4 * c.height; }

Bytes SchematicFile(const Canvas& c) {
    const std::uint32_t image = static_cast<std::uint32_t>(FourBitImageSize(c));
    const std::uint32_t offset = 14 + 40 + 16 * 4;
    Bytes out;
    out.U16(0x4D42);  // "BM"
    out.U32(offset + image);
    out.U32(0);
    out.U32(offset);
    BitmapBody(out, c, c.height, image);
    return out;
}

Bytes IconFile(const Canvas& c) {
    const int maskRow = (c.width + 31) / 32 * 4;
    const std::uint32_t image = static_cast<std::uint32_t>(FourBitImageSize(c) + maskRow * c.height);
    const std::uint32_t bytesInRes = 40 + 16 * 4 + image;
    Bytes out;
    out.U16(0);  // ICONDIR
    out.U16(1);
    out.U16(1);
    out.U8(static_cast<unsigned>(c.width));  // ICONDIRENTRY
    out.U8(static_cast<unsigned>(c.height));
    out.U8(16);
    out.U8(0);
    out.U16(1);
    out.U16(4);
    out.U32(bytesInRes);
    out.U32(6 + 16);
    BitmapBody(out, c, c.height * 2, image);
    for (int y = c.height - 1; y >= 0; --y) {  // AND mask: 1 is transparent
        for (int byte = 0; byte < maskRow; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                if (x >= c.width || c.At(x, y) == Transparent) {
                    bits |= 0x80u >> bit;
                }
            }
            out.U8(bits);
        }
    }
    return out;
}

bool Write(const char* path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::perror(path);
        return false;
    }
    const bool ok = std::fwrite(bytes.data.data(), 1, bytes.data.size(), file) == bytes.data.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_art SCHEMATIC.bmp ICON.ico\n");
        return 2;
    }
    const bool ok = Write(argv[1], SchematicFile(DrawSchematic())) &&
                    Write(argv[2], IconFile(DrawIcon()));
    return ok ? 0 : 1;
}
