// The dialog templates as built into bracing.exe, read back from the
// module and checked against the layout the program is drawn to.
#include "gui_driver.h"
#include "ui/control_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const WORD kButton = 0x0080;
const WORD kEdit = 0x0081;
const WORD kStatic = 0x0082;

enum Kind { DefaultButton, Button, GroupBox, TextLeft, TextCentred, InputEdit, ResultEdit, Picture };

struct KindStyle {
    WORD atom;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
};

KindStyle StyleOf(Kind kind) {
    switch (kind) {
    case DefaultButton: return {kButton, BS_DEFPUSHBUTTON | WS_TABSTOP};
    case Button: return {kButton, BS_PUSHBUTTON | WS_TABSTOP};
    case GroupBox: return {kButton, BS_GROUPBOX};
    case TextLeft: return {kStatic, SS_LEFT | WS_GROUP};
    case TextCentred: return {kStatic, SS_CENTER | WS_GROUP};
    case InputEdit: return {kEdit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL};
    case ResultEdit: return {kEdit, WS_BORDER | ES_READONLY};
    case Picture: return {kStatic, SS_BITMAP};
    }
    return {0, 0};
}

struct Row {
    Kind kind;
    int id;
    short x, y, w, h;
    const char* text;  // UTF-8; null for the picture
};

const Row kMainRows[] = {
    {DefaultButton, IDOK, 195, 10, 40, 16, "显示结果"},
    {Button, IDM_ABOUT, 195, 30, 40, 16, "关于本软件"},
    {Button, IDM_EXIT, 195, 50, 40, 16, "关闭退出"},
    {TextLeft, -1, 195, 75, 60, 10, ""},
    {TextLeft, -1, 195, 85, 60, 10, "版本：V0.01"},
    {GroupBox, -1, 5, 5, 90, 90, "基本数据"},
    {TextLeft, -1, 10, 15, 60, 10, "柱撑高度 H (m)"},
    {InputEdit, ID_H, 70, 15, 20, 10, ""},
    {TextLeft, -1, 10, 26, 60, 10, "柱撑宽度 B (m)"},
    {InputEdit, ID_B, 70, 26, 20, 10, ""},
    {TextLeft, -1, 10, 37, 60, 10, "纵向榀数 n(榀)"},
    {InputEdit, ID_N, 70, 37, 20, 10, ""},
    {TextLeft, -1, 10, 48, 60, 10, "吊车刹车力 T(kN)"},
    {InputEdit, ID_T, 70, 48, 20, 10, ""},
    {TextLeft, -1, 10, 59, 60, 10, "风荷载合力 W(kN)"},
    {InputEdit, ID_W, 70, 59, 20, 10, ""},
    {TextLeft, -1, 10, 70, 60, 10, "验算截面积A(cm2)"},
    {InputEdit, ID_A, 70, 70, 20, 10, ""},
    {TextLeft, -1, 10, 81, 60, 10, "验算回转半径i(cm)"},
    {InputEdit, ID_I, 70, 81, 20, 10, ""},
    {GroupBox, -1, 5, 100, 230, 55, "按拉杆计算"},
    {TextLeft, -1, 10, 110, 75, 10, "斜杆内力(拉力)  N(kN)="},
    {ResultEdit, ID_T_N, 85, 110, 30, 10, ""},
    {TextLeft, -1, 10, 121, 75, 10, "平面内计算长度 Lx(m)="},
    {ResultEdit, ID_T_LX, 85, 121, 30, 10, ""},
    {TextLeft, -1, 10, 132, 75, 10, "平面外计算长度 Ly(m)="},
    {ResultEdit, ID_T_LY, 85, 132, 30, 10, ""},
    {TextLeft, -1, 128, 110, 75, 10, "柱底垂直拔力  Nt(kN)="},
    {ResultEdit, ID_T_NT, 200, 110, 30, 10, ""},
    {TextLeft, -1, 128, 121, 75, 10, "需要回转半径 Rx(cm)="},
    {ResultEdit, ID_T_RX, 200, 121, 30, 10, ""},
    {TextLeft, -1, 128, 132, 75, 10, "需要回转半径 Ry(cm)="},
    {ResultEdit, ID_T_RY, 200, 132, 30, 10, ""},
    {TextLeft, -1, 128, 143, 75, 10, "斜杆拉应力  (N/mm2)="},
    {ResultEdit, ID_T_F, 200, 143, 30, 10, ""},
    {GroupBox, -1, 5, 160, 230, 55, "按压杆计算"},
    {TextLeft, -1, 10, 170, 75, 10, "斜杆内力 (拉 压)N(kN)="},
    {ResultEdit, ID_C_N, 85, 170, 30, 10, ""},
    {TextLeft, -1, 10, 181, 75, 10, "平面内计算长度 Lx(m)="},
    {ResultEdit, ID_C_LX, 85, 181, 30, 10, ""},
    {TextLeft, -1, 10, 192, 75, 10, "平面外计算长度 Ly(m)="},
    {ResultEdit, ID_C_LY, 85, 192, 30, 10, ""},
    {TextLeft, -1, 10, 203, 75, 10, "B类压杆稳定系数     φ="},
    {ResultEdit, ID_C_U, 85, 203, 30, 10, ""},
    {TextLeft, -1, 128, 170, 75, 10, "柱底垂直拔力  Nt(kN)="},
    {ResultEdit, ID_C_NT, 200, 170, 30, 10, ""},
    {TextLeft, -1, 128, 181, 75, 10, "需要回转半径 Rx(cm)="},
    {ResultEdit, ID_C_RX, 200, 181, 30, 10, ""},
    {TextLeft, -1, 128, 192, 75, 10, "需要回转半径 Ry(cm)="},
    {ResultEdit, ID_C_RY, 200, 192, 30, 10, ""},
    {TextLeft, -1, 128, 203, 75, 10, "斜杆压应力  (N/mm2)="},
    {ResultEdit, ID_C_F, 200, 203, 30, 10, ""},
    {GroupBox, -1, 100, 5, 90, 90, "柱撑示意图"},
    {Picture, -1, 105, 13, 80, 80, nullptr},
};

const Row kAboutRows[] = {
    {Button, IDOK, 70, 90, 40, 14, "OK"},
    {TextCentred, -1, 15, 15, 150, 12, "柱间支撑计算(验算)程序   V 0.01"},
    {TextCentred, -1, 40, 30, 100, 12, ""},
    {TextCentred, -1, 45, 45, 90, 12, ""},
    {TextCentred, -1, 15, 65, 150, 20,
     "警告：使用本软件是你的自愿行为，作者不对因为使用本软件所造成的任何结果负任何责任！"},
};

struct Item {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, w = 0, h = 0;
    int id = 0;
    WORD classAtom = 0;
    std::wstring text;
    int textOrdinal = -1;
};

struct Template {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, w = 0, h = 0;
    bool hasMenu = false, hasClass = false;
    std::wstring caption;
    WORD pointSize = 0;
    std::wstring font;
    std::vector<Item> items;
};

std::wstring Wide(const char* utf8) {
    wchar_t buffer[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, buffer, 256);
    return buffer;
}

// A template field that is a string, or 0xFFFF and an ordinal, or 0.
const WORD* ReadSzOrOrd(const WORD* p, std::wstring& text, int& ordinal) {
    if (*p == 0xFFFF) {
        ordinal = p[1];
        return p + 2;
    }
    while (*p != 0) {
        text += static_cast<wchar_t>(*p++);
    }
    return p + 1;
}

const WORD* AlignToDword(const WORD* p, const void* base) {
    const auto offset = reinterpret_cast<const BYTE*>(p) - static_cast<const BYTE*>(base);
    return offset % 4 != 0 ? p + 1 : p;
}

Template Parse(const void* data) {
    Template t;
    const DLGTEMPLATE* head = static_cast<const DLGTEMPLATE*>(data);
    t.style = head->style;
    t.exStyle = head->dwExtendedStyle;
    t.x = head->x;
    t.y = head->y;
    t.w = head->cx;
    t.h = head->cy;
    const WORD* p = reinterpret_cast<const WORD*>(head + 1);
    std::wstring unused;
    int ordinal = -1;
    t.hasMenu = *p != 0;
    p = ReadSzOrOrd(p, unused, ordinal);
    t.hasClass = *p != 0;
    p = ReadSzOrOrd(p, unused, ordinal);
    p = ReadSzOrOrd(p, t.caption, ordinal);
    if ((t.style & DS_SETFONT) != 0) {
        t.pointSize = *p++;
        p = ReadSzOrOrd(p, t.font, ordinal);
    }
    for (int k = 0; k < head->cdit; ++k) {
        p = AlignToDword(p, data);
        const DLGITEMTEMPLATE* itemHead = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        Item item;
        item.style = itemHead->style;
        item.exStyle = itemHead->dwExtendedStyle;
        item.x = itemHead->x;
        item.y = itemHead->y;
        item.w = itemHead->cx;
        item.h = itemHead->cy;
        item.id = static_cast<short>(itemHead->id);
        p = reinterpret_cast<const WORD*>(itemHead + 1);
        int atom = -1;
        std::wstring className;
        p = ReadSzOrOrd(p, className, atom);
        item.classAtom = static_cast<WORD>(atom);
        p = ReadSzOrOrd(p, item.text, item.textOrdinal);
        const WORD extra = *p++;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
        t.items.push_back(item);
    }
    return t;
}

class BuiltProgram : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << ProgramPath();
    }
    void TearDown() override { FreeLibrary(module_); }

    // The resource in the Chinese (PRC) language, as the program ships it.
    const void* Resource(int id, LPCSTR type, DWORD* size = nullptr) const {
        HRSRC found = FindResourceExA(module_, type, MAKEINTRESOURCEA(id),
                                      MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
        if (found == nullptr) {
            return nullptr;
        }
        if (size != nullptr) {
            *size = SizeofResource(module_, found);
        }
        return LockResource(LoadResource(module_, found));
    }

    Template Dialog(int id) const {
        const void* data = Resource(id, MAKEINTRESOURCEA(5));
        EXPECT_NE(data, nullptr) << "dialog " << id;
        return data != nullptr ? Parse(data) : Template();
    }

    HMODULE module_ = nullptr;
};

void ExpectControls(const Template& t, const Row* rows, size_t count) {
    ASSERT_EQ(t.items.size(), count);
    for (size_t k = 0; k < count; ++k) {
        const Row& row = rows[k];
        const Item& item = t.items[k];
        const KindStyle kind = StyleOf(row.kind);
        SCOPED_TRACE("control " + std::to_string(k + 1));
        EXPECT_EQ(item.id, row.id);
        EXPECT_EQ(item.classAtom, kind.atom);
        EXPECT_EQ(item.style, WS_CHILD | WS_VISIBLE | kind.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, row.x);
        EXPECT_EQ(item.y, row.y);
        EXPECT_EQ(item.w, row.w);
        EXPECT_EQ(item.h, row.h);
        if (row.text != nullptr) {
            EXPECT_TRUE(item.text == Wide(row.text));
        } else {
            EXPECT_EQ(item.textOrdinal, IDB_SCHEMATIC) << "the picture shows bitmap 102";
        }
    }
}

TEST_F(BuiltProgram, MainDialogTemplate) {
    const Template t = Dialog(IDD_MAIN);
    EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                          WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER |
                                          DS_SETFONT));
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.x, 80);
    EXPECT_EQ(t.y, 30);
    EXPECT_EQ(t.w, 240);
    EXPECT_EQ(t.h, 220);
    EXPECT_FALSE(t.hasMenu);
    EXPECT_FALSE(t.hasClass);
    EXPECT_EQ(t.caption.substr(0, 8), Wide("柱间支撑计算--"));
    EXPECT_EQ(t.pointSize, 10);
    EXPECT_TRUE(t.font == L"MS Sans Serif");
    ExpectControls(t, kMainRows, sizeof kMainRows / sizeof kMainRows[0]);
}

TEST_F(BuiltProgram, AboutBoxTemplate) {
    const Template t = Dialog(IDD_ABOUT);
    EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                          DS_MODALFRAME | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(t.x, 10);
    EXPECT_EQ(t.y, 20);
    EXPECT_EQ(t.w, 180);
    EXPECT_EQ(t.h, 110);
    EXPECT_TRUE(t.caption == Wide("关于本软件"));
    EXPECT_EQ(t.pointSize, 10);
    EXPECT_TRUE(t.font == L"MS Sans Serif");
    ExpectControls(t, kAboutRows, sizeof kAboutRows / sizeof kAboutRows[0]);
}

TEST_F(BuiltProgram, EveryControlIdOccursOnceInTheMainDialog) {
    std::multiset<int> ids;
    for (const Item& item : Dialog(IDD_MAIN).items) {
        ids.insert(item.id);
    }
    std::vector<int> expected = {IDOK, IDM_ABOUT, IDM_EXIT};
    for (int id = ID_H; id <= ID_I; ++id) expected.push_back(id);
    for (int id = ID_T_N; id <= ID_T_F; ++id) expected.push_back(id);
    for (int id = ID_C_N; id <= ID_C_F; ++id) expected.push_back(id);
    for (int id : expected) {
        EXPECT_EQ(ids.count(id), 1u) << id;
    }
}

TEST_F(BuiltProgram, SchematicAndIcon) {
    DWORD size = 0;
    const BITMAPINFOHEADER* bitmap =
        static_cast<const BITMAPINFOHEADER*>(Resource(IDB_SCHEMATIC, MAKEINTRESOURCEA(2), &size));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->biWidth, 158);
    EXPECT_EQ(bitmap->biHeight, 160);
    EXPECT_EQ(bitmap->biBitCount, 4);
    EXPECT_EQ(bitmap->biCompression, static_cast<DWORD>(BI_RGB));

    // Icon group 101: one 32 x 32, 16-colour image.
    const BYTE* group = static_cast<const BYTE*>(Resource(IDI_APP, MAKEINTRESOURCEA(14), &size));
    ASSERT_NE(group, nullptr);
    const WORD* words = reinterpret_cast<const WORD*>(group);
    ASSERT_EQ(words[2], 1) << "one image";
    const BYTE* entry = group + 6;
    EXPECT_EQ(entry[0], 32);
    EXPECT_EQ(entry[1], 32);
    EXPECT_EQ(entry[2], 16);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 4) << "bits per pixel";
}

}  // namespace
