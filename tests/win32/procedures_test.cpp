// The main window from the real template with the real DialogFunc, driven
// by keyboard input under the real dialog manager.
#include "gui_driver.h"
#include "ui/dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE hinstPrev, LPSTR lpCmdLine, int nCmdShow);

namespace {

const int kInputIds[] = {ID_H, ID_B, ID_N, ID_T, ID_W, ID_A, ID_I};
const int kResultIds[] = {ID_T_N, ID_T_NT, ID_T_LX, ID_T_RX, ID_T_LY, ID_T_RY, ID_T_F,
                          ID_C_N, ID_C_NT, ID_C_LX, ID_C_RX, ID_C_LY, ID_C_RY, ID_C_U, ID_C_F};

struct Bay {
    const char* H;
    const char* B;
    const char* n;
    const char* T;
    const char* W;
    const char* A;
    const char* i;
};

const Bay kFirstExample = {"6", "8", "2", "20", "30", "12", "3"};

class MainDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dialog_ = OpenMainDialog();
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override { DestroyWindow(dialog_); }

    // Click into the field, select what is there and type over it.
    void TypeInto(int id, const std::string& text) {
        SetFocus(GetDlgItem(dialog_, id));
        SendDlgItemMessageA(dialog_, id, EM_SETSEL, 0, -1);
        if (text.empty()) {
            PressKey(dialog_, VK_DELETE);
        } else {
            TypeKeys(dialog_, text);
        }
    }

    // Types the bay field after field, moving on with Tab as a user does.
    void TypeBay(const Bay& bay) {
        SetFocus(GetDlgItem(dialog_, ID_H));
        const char* texts[] = {bay.H, bay.B, bay.n, bay.T, bay.W, bay.A, bay.i};
        for (const char* text : texts) {
            if (text != nullptr) {  // null: leave the field as it is
                SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
                if (*text != '\0') {
                    TypeKeys(dialog_, text);
                } else {
                    PressKey(dialog_, VK_DELETE);
                }
            }
            PressKey(dialog_, VK_TAB);
        }
    }

    void PressEnterIn(int id) {
        SetFocus(GetDlgItem(dialog_, id));
        PressKey(dialog_, VK_RETURN);
        Pump(dialog_, 100);
    }

    std::vector<std::string> Results() const {
        std::vector<std::string> texts;
        for (int id : kResultIds) {
            texts.push_back(ItemText(dialog_, id));
        }
        return texts;
    }

    HWND dialog_ = nullptr;
};

const std::vector<std::string> kFirstExampleTexts = {
    "31.250", "18.750", " 5.000", "  1.25", "10.000", "  2.50", " 26.04", "15.625",
    " 9.375", " 5.000", "  3.33", " 7.000", "  4.67", "0.1403", " 92.81"};

TEST_F(MainDialog, StartsEmptyWithTheFocusInTheHeightField) {
    EXPECT_EQ(FocusedId(), ID_H);
    for (int id : kInputIds) {
        EXPECT_EQ(ItemText(dialog_, id), "") << id;
    }
    EXPECT_EQ(Results(), std::vector<std::string>(15, ""));
}

TEST_F(MainDialog, EnterAtOnceBeepsAndShowsTheErrorBox) {
    // Nothing typed yet: every input is 0, so the bay is rejected.
    ModalWatcher watcher;
    PressKey(dialog_, VK_RETURN);
    Pump(dialog_, 400);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    const SeenBox& box = watcher.Seen()[0];
    EXPECT_EQ(box.caption, "错误");
    EXPECT_EQ(box.texts, std::vector<std::string>{"参数不能为负数和零"});
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(watcher.OwnerWasDisabled()) << "the box is modal to the main window";
    EXPECT_EQ(Results(), std::vector<std::string>(15, ""));
    EXPECT_EQ(FocusedId(), ID_H) << "the focus stays where it was";
}

TEST_F(MainDialog, FirstExampleTypedByHand) {
    TypeBay(kFirstExample);
    ModalWatcher watcher;
    PressEnterIn(ID_I);
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(Results(), kFirstExampleTexts);
    EXPECT_EQ(FocusedId(), ID_A) << "ready for the next trial section";
}

TEST_F(MainDialog, TheDefaultButtonComputesToo) {
    TypeBay(kFirstExample);
    SendDlgItemMessageA(dialog_, IDOK, BM_CLICK, 0, 0);
    Pump(dialog_);
    EXPECT_EQ(Results(), kFirstExampleTexts);
}

TEST_F(MainDialog, ShownTextsForOtherBays) {
    struct Case {
        const char* why;
        Bay bay;
        int id;
        const char* text;
    } cases[] = {
        {"second example: phi", {"9", "6", "2", "15", "35", "15.5", "2.8"}, ID_C_U, "0.1065"},
        {"second example: f2 fills six", {"9", "6", "2", "15", "35", "15.5", "2.8"}, ID_C_F, "136.50"},
        {"wide values are shown whole", {"600", "800", "2", "20", "30", "12", "3"}, ID_T_LY, "1000.000"},
        {"wide stress", {"600", "800", "2", "20", "30", "12", "3"}, ID_C_F, "820379.00"},
        {"nine characters typed, nine used", {"6", "8", "2", "123456789", "", "12", "3"}, ID_T_N, "77160493.125"},
        {"eleven characters typed, eleven used", {"6", "8", "0.123456789", "20", "30", "12", "3"}, ID_T_N, "506.250"},
        {"no area: zero stresses", {"6", "8", "2", "20", "30", "", "3"}, ID_T_F, "  0.00"},
        {"no radius: phi 0", {"6", "8", "2", "20", "30", "12", ""}, ID_C_U, "0.0000"},
        {"stocky member: phi below 1", {"3", "4", "1", "0", "10", "10", "100"}, ID_C_U, "0.9991"},
        {"unit typed after the number", {"6m", "8 m", "2", "20kN", "30", "12", "3"}, ID_T_N, "31.250"},
        {"comma is no decimal point", {"6", "8", "2,5", "20", "30", "12", "3"}, ID_T_N, "31.250"},
    };
    for (const Case& c : cases) {
        TypeBay(c.bay);
        PressEnterIn(ID_I);
        EXPECT_EQ(ItemText(dialog_, c.id), c.text) << c.why;
    }
}

TEST_F(MainDialog, RejectedBayKeepsThePreviousResults) {
    TypeBay(kFirstExample);
    PressEnterIn(ID_I);
    TypeInto(ID_B, "-1");
    ModalWatcher watcher;
    PressKey(dialog_, VK_RETURN);
    Pump(dialog_, 400);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(Results(), kFirstExampleTexts);
    EXPECT_EQ(FocusedId(), ID_B);

    // Corrected, it computes again from what is now typed.
    TypeInto(ID_B, "8");
    TypeInto(ID_W, "");
    PressKey(dialog_, VK_RETURN);
    EXPECT_EQ(ItemText(dialog_, ID_T_N), "12.500");
}

TEST_F(MainDialog, TabVisitsTheButtonsThenTheInputsAndSkipsTheResults) {
    const int order[] = {IDOK, IDM_ABOUT, IDM_EXIT, ID_H, ID_B, ID_N, ID_T, ID_W, ID_A, ID_I, IDOK};
    SetFocus(GetDlgItem(dialog_, ID_I));
    for (int expected : order) {
        PressKey(dialog_, VK_TAB);
        EXPECT_EQ(FocusedId(), expected);
    }
}

TEST_F(MainDialog, ResultFieldsAreReadOnly) {
    TypeBay(kFirstExample);
    PressEnterIn(ID_I);
    SetFocus(GetDlgItem(dialog_, ID_T_N));
    TypeKeys(dialog_, "99");
    EXPECT_EQ(ItemText(dialog_, ID_T_N), "31.250");
}

TEST_F(MainDialog, EscDoesNothing) {
    TypeBay(kFirstExample);
    PressKey(dialog_, VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_EQ(DialogFunc(dialog_, WM_COMMAND, IDCANCEL, 0), FALSE);
    EXPECT_TRUE(IsWindowVisible(dialog_));
}

TEST_F(MainDialog, LongPasteIsReadWhole) {
    // A 200-character area: every character counts. Cut to its first 8
    // ("0.000000") it would read as 0 and show a zero stress.
    const std::string area = "0." + std::string(196, '0') + "1";
    TypeBay({"6", "8", "2", "20", "30", nullptr, "3"});
    SetFocus(GetDlgItem(dialog_, ID_A));
    PasteText(dialog_, area);
    EXPECT_EQ(ItemText(dialog_, ID_A), area);
    PressKey(dialog_, VK_RETURN);
    const std::string stress = ItemText(dialog_, ID_T_F);
    EXPECT_EQ(stress.substr(0, 3), "312") << stress;
    EXPECT_EQ(stress.size(), 200u + 3u) << stress;
}

TEST_F(MainDialog, AboutButtonOpensTheAboutBoxOwnedByTheMainWindow) {
    TypeBay(kFirstExample);
    PressEnterIn(ID_I);
    ModalWatcher watcher(VK_ESCAPE);
    SetFocus(GetDlgItem(dialog_, IDM_ABOUT));
    PressKey(dialog_, VK_SPACE);
    Pump(dialog_, 400);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, "关于本软件");
    EXPECT_TRUE(watcher.OwnerWasDisabled());
    EXPECT_TRUE(IsWindowEnabled(dialog_));
    EXPECT_EQ(Results(), kFirstExampleTexts) << "the main window is unchanged";
}

TEST_F(MainDialog, CloseCommandsEndTheDialogWithOne) {
    struct Case {
        const char* why;
        UINT msg;
        WPARAM wParam;
    } cases[] = {
        {"close box", WM_CLOSE, 0},
        {"close button", WM_COMMAND, IDM_EXIT},
        {"close button, any notification", WM_COMMAND, MAKEWPARAM(IDM_EXIT, BN_SETFOCUS)},
    };
    for (const Case& c : cases) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN),
                                         nullptr, DialogFunc, 0);
        EXPECT_EQ(DialogFunc(dialog, c.msg, c.wParam, 0), TRUE) << c.why;
        EXPECT_FALSE(IsWindowVisible(dialog)) << c.why << ": ended";
        DestroyWindow(dialog);
    }
}

TEST_F(MainDialog, OtherMessagesReturnZero) {
    struct Case {
        UINT msg;
        WPARAM wParam;
    } cases[] = {
        {WM_COMMAND, 9999}, {WM_COMMAND, ID_T_N}, {WM_COMMAND, MAKEWPARAM(ID_H, EN_KILLFOCUS)},
        {WM_PAINT, 0},      {WM_TIMER, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialogFunc(dialog_, c.msg, c.wParam, 0), FALSE) << c.msg << " " << c.wParam;
    }
    EXPECT_TRUE(IsWindowVisible(dialog_));
}

TEST(AboutBox, ClosesWithOneForOkAndZeroOtherwise) {
    struct Case {
        const char* why;
        WORD key;
        INT_PTR result;
    } cases[] = {{"Enter", VK_RETURN, 1}, {"Esc", VK_ESCAPE, 0}};
    for (const Case& c : cases) {
        ModalWatcher watcher(c.key);
        const INT_PTR result = DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_ABOUT), nullptr,
                                               AboutDlg, 0);
        EXPECT_EQ(result, c.result) << c.why;
    }
    HWND about = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDlg, 0);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(AboutDlg(about, WM_INITDIALOG, 0, 0), FALSE) << "sets no focus of its own";
    EXPECT_EQ(AboutDlg(about, WM_COMMAND, 9999, 0), FALSE);
    EXPECT_EQ(AboutDlg(about, WM_CLOSE, 0, 0), TRUE);
    DestroyWindow(about);
}

TEST(StartUp, ReturnsMinusOneWhenTheMainDialogCannotBeCreated) {
    // A module without template 100.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_EQ(FindResourceA(kernel, MAKEINTRESOURCEA(IDD_MAIN), MAKEINTRESOURCEA(5)), nullptr);
    EXPECT_EQ(WinMain(kernel, nullptr, const_cast<char*>(""), SW_SHOW), -1);
}

}  // namespace
