#include "settings/message_box.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "tests/settings/message_box_recorder.h"

namespace quillot {
namespace {

using test::MessageBoxRecorder;

TEST(MessageBoxSeam, HookSeesExactlyWhatTheBoxWouldShow) {
    MessageBoxRecorder recorder;
    const HWND owner = GetDesktopWindow();
    EXPECT_EQ(ShowMessageBox(owner, "text", "caption", MB_ICONSTOP | MB_OKCANCEL), IDOK);
    ASSERT_EQ(recorder.Shown().size(), 1u);
    EXPECT_EQ(recorder.Shown()[0].owner, owner);
    EXPECT_EQ(recorder.Shown()[0].text, "text");
    EXPECT_EQ(recorder.Shown()[0].caption, "caption");
    EXPECT_EQ(recorder.Shown()[0].type, static_cast<UINT>(MB_ICONSTOP | MB_OKCANCEL));
}

int AnswerNo(HWND, const std::string&, const std::string&, UINT) {
    return IDNO;
}

TEST(MessageBoxSeam, SettingAHookReturnsThePreviousOne) {
    const MessageBoxHook original = SetMessageBoxHook(AnswerNo);
    EXPECT_EQ(ShowMessageBox(nullptr, "t", "c", MB_YESNO), IDNO);
    EXPECT_EQ(SetMessageBoxHook(original), AnswerNo);
}

// The message box class of the system's dialogs.
constexpr char DialogClass[] = "#32770";

// Without a hook the real box appears: another thread finds it by its
// caption, reads it and presses Cancel.
TEST(MessageBoxSeam, WithoutAHookTheRealBoxIsShown) {
    const MessageBoxHook original = SetMessageBoxHook(nullptr);
    const std::string caption = "Quillot message box test " + std::to_string(GetCurrentProcessId());
    std::atomic<bool> found{false};
    std::string boxText;
    std::thread closer([&] {
        for (int attempt = 0; attempt < 200 && !found; ++attempt) {
            HWND box = FindWindowA(DialogClass, caption.c_str());
            if (box != nullptr) {
                char text[256] = "";
                // 0xFFFF: the static control that holds a message box's text.
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                boxText = text;
                found = true;
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            Sleep(50);
        }
    });
    const int answer = ShowMessageBox(nullptr, "Shown for real", caption, MB_OKCANCEL);
    closer.join();
    SetMessageBoxHook(original);
    EXPECT_TRUE(found);
    EXPECT_EQ(boxText, "Shown for real");
    EXPECT_EQ(answer, IDCANCEL);
}

}  // namespace
}  // namespace quillot
