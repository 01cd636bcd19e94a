// The dialog templates and images as built into bracing.exe, read back
// from the module: what the procedures and the keyboard rely on.
#include "gui_driver.h"
#include "ui/control_ids.h"
#include "ui/input_fields.h"
#include "ui/result_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const int kEditClass = 0x0081;

struct Control {
    int id;
    DWORD style;
    int classAtom;    // -1 for a class given by name
    int textOrdinal;  // -1 for a text given as a string
};

// A template field: 0xFFFF and an ordinal, or a string ending in 0.
const WORD* SkipField(const WORD* p, int* ordinal = nullptr) {
    if (*p == 0xFFFF) {
        if (ordinal != nullptr) {
            *ordinal = p[1];
        }
        return p + 2;
    }
    while (*p++ != 0) {
    }
    return p;
}

std::vector<Control> Controls(const void* data) {
    const DLGTEMPLATE* head = static_cast<const DLGTEMPLATE*>(data);
    const WORD* p = SkipField(SkipField(SkipField(reinterpret_cast<const WORD*>(head + 1))));
    if ((head->style & DS_SETFONT) != 0) {
        p = SkipField(p + 1);  // point size, face name
    }
    std::vector<Control> controls;
    for (int k = 0; k < head->cdit; ++k) {
        if ((reinterpret_cast<const BYTE*>(p) - static_cast<const BYTE*>(data)) % 4 != 0) {
            ++p;  // each control starts on a DWORD
        }
        const DLGITEMTEMPLATE* item = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        Control control = {static_cast<short>(item->id), item->style, -1, -1};
        p = SkipField(reinterpret_cast<const WORD*>(item + 1), &control.classAtom);
        p = SkipField(p, &control.textOrdinal);
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + *p);  // creation data
        controls.push_back(control);
    }
    return controls;
}

class BuiltProgram : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << ProgramPath();
    }
    void TearDown() override { FreeLibrary(module_); }

    // The resource in the Chinese (PRC) language, as the program ships it.
    const void* Resource(int id, LPCSTR type) const {
        HRSRC found = FindResourceExA(module_, type, MAKEINTRESOURCEA(id),
                                      MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
        return found != nullptr ? LockResource(LoadResource(module_, found)) : nullptr;
    }

    std::vector<Control> Dialog(int id) const {
        const void* data = Resource(id, MAKEINTRESOURCEA(5));
        EXPECT_NE(data, nullptr) << "dialog " << id;
        return data != nullptr ? Controls(data) : std::vector<Control>();
    }

    HMODULE module_ = nullptr;
};

int CountId(const std::vector<Control>& controls, int id) {
    return static_cast<int>(std::count_if(controls.begin(), controls.end(),
                                          [id](const Control& c) { return c.id == id; }));
}

TEST_F(BuiltProgram, EveryIdTheProceduresUseIsThereOnce) {
    const std::vector<Control> main = Dialog(IDD_MAIN);
    for (int id : {IDOK, IDM_ABOUT, IDM_EXIT}) {
        EXPECT_EQ(CountId(main, id), 1) << id;
    }
    for (const InputField& field : kInputFields) {
        EXPECT_EQ(CountId(main, field.id), 1) << field.symbol;
    }
    for (const ResultRow& row : kResultRows) {
        EXPECT_EQ(CountId(main, row.id), 1) << row.symbol;
    }
    EXPECT_EQ(CountId(Dialog(IDD_ABOUT), IDOK), 1);
}

TEST_F(BuiltProgram, InputsAreEditableTabStopsAndResultsReadOnlyOutsideTheTabOrder) {
    for (const Control& c : Dialog(IDD_MAIN)) {
        const bool input = FindInputField(c.id) != nullptr;
        const bool result = std::any_of(std::begin(kResultRows), std::end(kResultRows),
                                        [&c](const ResultRow& row) { return row.id == c.id; });
        if (input || result) {
            EXPECT_EQ(c.classAtom, kEditClass) << c.id;
            EXPECT_EQ((c.style & ES_READONLY) != 0, result) << c.id;
            EXPECT_EQ((c.style & WS_TABSTOP) != 0, input) << c.id;
        }
    }
}

TEST_F(BuiltProgram, TabGoesThroughTheButtonsThenTheInputs) {
    std::vector<int> order;
    for (const Control& c : Dialog(IDD_MAIN)) {
        if ((c.style & WS_TABSTOP) != 0) {
            order.push_back(c.id);
        }
    }
    EXPECT_EQ(order, (std::vector<int>{IDOK, IDM_ABOUT, IDM_EXIT, ID_H, ID_B, ID_N, ID_T, ID_W, ID_A, ID_I}));
}

TEST_F(BuiltProgram, SchematicAndIconAreThereAndLoad) {
    const std::vector<Control> main = Dialog(IDD_MAIN);
    EXPECT_TRUE(std::any_of(main.begin(), main.end(), [](const Control& c) {
        return (c.style & SS_TYPEMASK) == SS_BITMAP && c.textOrdinal == IDB_SCHEMATIC;
    })) << "a picture control showing the schematic";

    HBITMAP schematic = static_cast<HBITMAP>(
        LoadImageA(module_, MAKEINTRESOURCEA(IDB_SCHEMATIC), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(schematic, nullptr);
    BITMAP bitmap = {};
    GetObjectA(schematic, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 158);
    EXPECT_EQ(bitmap.bmHeight, 160);
    EXPECT_EQ(bitmap.bmBitsPixel, 4);
    DeleteObject(schematic);

    HICON icon = static_cast<HICON>(LoadImageA(module_, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_NE(info.hbmMask, nullptr) << "transparent parts";
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    EXPECT_EQ(bitmap.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

}  // namespace
