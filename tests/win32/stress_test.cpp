// Abuse a user can dish out: huge pastes, Chinese text, half-typed
// numbers, thousands of calculations and About boxes. The dialog must keep
// answering and keep showing the right results.
#include "gui_driver.h"
#include "ui/dialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class AbusedDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dialog_ = OpenMainDialog();
        ASSERT_NE(dialog_, nullptr);
        // The first example, set as a program would: each change notifies.
        const std::pair<int, const char*> bay[] = {{ID_H, "6"}, {ID_B, "8"}, {ID_N, "2"},
                                                   {ID_T, "20"}, {ID_W, "30"}, {ID_A, "12"},
                                                   {ID_I, "3"}};
        for (const auto& field : bay) {
            SetDlgItemTextA(dialog_, field.first, field.second);
        }
    }
    void TearDown() override { DestroyWindow(dialog_); }

    void Compute() {
        SendMessageA(dialog_, WM_COMMAND, IDOK, 0);
    }

    void PasteInto(int id, const std::string& text) {
        SetFocus(GetDlgItem(dialog_, id));
        SendDlgItemMessageA(dialog_, id, EM_SETSEL, 0, -1);
        PasteText(dialog_, text);
    }

    HWND dialog_ = nullptr;
};

TEST_F(AbusedDialog, ThirtyThousandCharacterPaste) {
    // 12.000…0: the number runs the whole length and must be read whole.
    const std::string area = "12." + std::string(29997, '0');
    PasteInto(ID_A, area);
    ASSERT_EQ(GetWindowTextLengthA(GetDlgItem(dialog_, ID_A)), 30000);
    Compute();
    EXPECT_EQ(ItemText(dialog_, ID_T_F), " 26.04");
    EXPECT_EQ(ItemText(dialog_, ID_C_F), " 92.81");
}

TEST_F(AbusedDialog, TextThatIsNotANumber) {
    struct Case {
        const char* why;
        const char* pasted;  // UTF-8, pasted into the frame count
        bool accepted;
        const char* forceText;
    } cases[] = {
        {"Chinese: no number, so 0 frames and the error box", "两榀", false, ""},
        {"full-width digits are not digits", "２", false, ""},
        {"a sign alone", "-", false, ""},
        {"a point alone", ".", false, ""},
        {"number then Chinese", "2榀", true, "31.250"},
        {"half a number", "1.", true, "62.500"},
    };
    for (const Case& c : cases) {
        SetFocus(GetDlgItem(dialog_, ID_N));
        SetWindowTextA(GetDlgItem(dialog_, ID_T_N), "");
        wchar_t wide[64] = {};
        MultiByteToWideChar(CP_UTF8, 0, c.pasted, -1, wide, 64);
        SetDlgItemTextW(dialog_, ID_N, wide);
        ModalWatcher watcher;
        PostMessageA(dialog_, WM_COMMAND, IDOK, 0);
        Pump(dialog_, 300);
        EXPECT_EQ(watcher.Seen().size(), c.accepted ? 0u : 1u) << c.why;
        EXPECT_EQ(ItemText(dialog_, ID_T_N), c.forceText) << c.why;
    }
}

TEST_F(AbusedDialog, ThousandsOfCalculations) {
    for (int k = 0; k < 3000; ++k) {
        SetDlgItemTextA(dialog_, ID_W, (k % 2 == 0) ? "30" : "0");
        Compute();
    }
    // The last run had W = 0: T alone, 20 kN.
    EXPECT_EQ(ItemText(dialog_, ID_T_N), "12.500");
    SetDlgItemTextA(dialog_, ID_W, "30");
    Compute();
    EXPECT_EQ(ItemText(dialog_, ID_T_N), "31.250");
    EXPECT_EQ(ItemText(dialog_, ID_C_U), "0.1403");
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(dialog_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0)
        << "still answering";
}

TEST_F(AbusedDialog, AboutBoxOpenedAndClosedAgainAndAgain) {
    ModalWatcher watcher(VK_ESCAPE, 10);
    for (int k = 0; k < 100; ++k) {
        SendMessageA(dialog_, WM_COMMAND, IDM_ABOUT, 0);
    }
    EXPECT_EQ(watcher.Seen().size(), 100u);
    EXPECT_TRUE(IsWindowEnabled(dialog_));
    Compute();
    EXPECT_EQ(ItemText(dialog_, ID_T_N), "31.250");
}

}  // namespace
