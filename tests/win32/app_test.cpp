// The real bracing.exe, started afresh for each flow and used from the
// outside as the user would: keys in, the texts it shows and how it ends.
#include "gui_driver.h"
#include "tests/first_example.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kFirst = -1;  // every result field as in the first example
constexpr int kEnded = -2;  // the program has exited, with status 0

const char kError[] = "[错误|参数不能为负数和零]";
const char kAbout[] = "[关于本软件|柱间支撑计算(验算)程序   V 0.01]";

struct Flow {
    const char* why;
    const char* arguments;
    // Typed as is, but: > Tab, < Shift+Tab, # Enter, ~ Esc, _ Space,
    // ! Alt+F4, ^ pastes kLongArea; [caption|text] the modal box that is
    // now up, owned by the main window, which the next key closes.
    std::string keys;
    int id;  // a result field, kFirst, or 0 for none
    const char* text;
    int focus;  // the control with the focus afterwards, or kEnded
};

// The area 12, read whole or not at all: a prefix of it reads as 0.
const std::string kLongArea = std::string(29998, '0') + "12";
const std::string kFirstBay = "6>8>2>20>30>12>3";

const Flow kFlows[] = {
    {"Enter at once: every input is 0; arguments are no inputs", "6 8 2 20 30 12 3",
     std::string("#") + kError + "#", ID_T_N, "", ID_H},
    {"first example; Esc does nothing, Enter computes", "", kFirstBay + "~#", kFirst, nullptr, ID_A},
    {"the default button computes too", "", kFirstBay + ">_", kFirst, nullptr, ID_A},
    {"a rejected bay keeps the last results", "", kFirstBay + "#<<<<-1#" + kError + "#", kFirst,
     nullptr, ID_B},
    {"corrected, it computes from what is typed now", "",
     "6>-1>2>20>30>12>3#" + std::string(kError) + "#<<<<<8>>>0#", ID_T_N, "12.500", ID_A},
    {"30 000 characters pasted are read whole", "", "6>8>2>20>30>^>3#", kFirst, nullptr, ID_A},
    {"the About box leaves the main window as it was", "", kFirstBay + "#<<<<<<<_" + kAbout + "#",
     kFirst, nullptr, IDM_ABOUT},
    {"Esc closes the About box", "", std::string("<<_") + kAbout + "~", 0, nullptr, IDM_ABOUT},
    {"the close button", "--help /x", "<_", 0, nullptr, kEnded},
    {"Alt+F4, the close box's command", "", kFirstBay + "#!", 0, nullptr, kEnded},
};

void PasteLongArea() {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, kLongArea.size() + 1);
    lstrcpyA(static_cast<char*>(GlobalLock(memory)), kLongArea.c_str());
    GlobalUnlock(memory);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    SendKeyChord({VK_CONTROL}, 'V');
}

void Press(char key) {
    switch (key) {
    case '>': SendKeyChord({}, VK_TAB); break;
    case '<': SendKeyChord({VK_SHIFT}, VK_TAB); break;
    case '#': SendKeyChord({}, VK_RETURN); break;
    case '~': SendKeyChord({}, VK_ESCAPE); break;
    case '_': SendKeyChord({}, VK_SPACE); break;
    case '!': SendKeyChord({VK_MENU}, VK_F4); break;
    case '^': PasteLongArea(); break;
    default: TypeChar(key);
    }
    Sleep(30);
}

// The modal box `caption` is up, shows `text`, and goes with the next key.
void CloseBox(const Program& program, const std::string& caption, const std::string& text, char key) {
    HWND box = program.FindBox(caption);
    ASSERT_NE(box, nullptr) << "no box " << caption;
    EXPECT_EQ(GetWindow(box, GW_OWNER), program.Main());
    EXPECT_FALSE(IsWindowEnabled(program.Main())) << "modal to the main window";
    bool shown = false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        shown = shown || ControlText(child) == text;
    }
    EXPECT_TRUE(shown) << caption << " does not show " << text;
    Bring(box);
    Press(key);
    EXPECT_TRUE(WaitFor([box] { return !IsWindow(box); })) << caption << " stays";
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program.Main()) != FALSE; }));
}

void RunFlow(const Flow& flow) {
    Program program(flow.arguments);
    ASSERT_NE(program.Main(), nullptr) << "main dialog did not appear";
    Bring(program.Main());
    const std::string& keys = flow.keys;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (keys[k] != '[') {
            Press(keys[k]);
            continue;
        }
        const std::size_t bar = keys.find('|', k);
        const std::size_t end = keys.find(']', k);
        CloseBox(program, keys.substr(k + 1, bar - k - 1), keys.substr(bar + 1, end - bar - 1), keys[end + 1]);
        k = end + 1;
    }
    if (flow.focus == kEnded) {
        EXPECT_EQ(program.ExitStatus(), 0);
        return;
    }
    std::vector<std::pair<int, std::string>> shown;
    for (const ShownText& field : kFirstExampleTexts) {
        if (flow.id == kFirst || flow.id == field.id) {
            shown.emplace_back(field.id, flow.id == kFirst ? field.text : flow.text);
        }
    }
    // Waited for together, so that a flow that goes wrong fails quickly.
    WaitFor([&] {
        for (const auto& field : shown) {
            if (ItemText(program.Main(), field.first) != field.second) return false;
        }
        return program.FocusedId() == flow.focus;
    }, 5000);
    for (const auto& field : shown) {
        EXPECT_EQ(ItemText(program.Main(), field.first), field.second) << "field " << field.first;
    }
    EXPECT_EQ(program.FocusedId(), flow.focus) << "focus";
    EXPECT_EQ(program.ExitStatus(0), Program::kStillRunning);
    PostMessageA(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitStatus(), 0);
}

TEST(Program, Flows) {
    for (const Flow& flow : kFlows) {
        SCOPED_TRACE(flow.why);
        RunFlow(flow);
    }
}

}  // namespace
