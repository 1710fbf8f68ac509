// The Preferences dialog and the About box at the DPI the run was started at
// (display_scaling_test.sh), held against a run at 96 DPI, and the
// Preferences dialog's answer to a change of DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <utility>

#include "settings/settings_store.h"
#include "shell/display_scale.h"
#include "shell/message_dialog.h"
#include "shell/preferences_dialog.h"
#include "shell/version_info.h"
#include "tests/app/scale_record.h"
#include "tests/shell/dialog_driver.h"
#include "tests/shell/dialog_layout.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

using test::ExpectScaled;
using test::IsScaled;
using test::RunDpi;

BOOL WINAPI NoHelp(HWND, LPCWSTR, UINT, ULONG_PTR) {
    return TRUE;
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

// The pixels of the rectangle (client coordinates) that differ from the
// dialog's background, and the columns they span.
struct Painted {
    int count = 0;
    int left = INT_MAX;
    int right = INT_MIN;
};
Painted PaintedIn(HWND dialog, const RECT& area) {
    Painted painted;
    HDC dc = GetDC(dialog);
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (pixel == CLR_INVALID || pixel == background) continue;
            ++painted.count;
            painted.left = std::min(painted.left, x);
            painted.right = std::max(painted.right, x + 1);
        }
    }
    ReleaseDC(dialog, dc);
    return painted;
}

class DialogScalingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RequestPerMonitorDpiAwareness();
        DefaultIniFile = folder_.File("Quillot.ini");
        CurrentIniFile = DefaultIniFile;
        savedHelp_ = WinHelpEngine;
        WinHelpEngine = NoHelp;
        ProgramName = "Quillot";
    }
    void TearDown() override { WinHelpEngine = savedHelp_; }

    test::TempFolder folder_;
    test::OwnerWindow owner_{100, 80, 640, 480};
    WinHelpFunction savedHelp_ = nullptr;
};

void ExpectScaledRect(const std::string& name, const RECT& r, int tolerance) {
    ExpectScaled(name + ".width", Width(r), tolerance);
    ExpectScaled(name + ".height", Height(r), tolerance);
}

TEST_F(DialogScalingTest, PreferencesDialogIsItsLayoutAtTheDpiAndFollowsAChange) {
    UINT dpi = 0;
    test::PreferencesLayout opened = {};
    test::PreferencesLayout changed = {};
    const UINT to = RunDpi() * 3 / 2;  // up: the frame stays at Wine's DPI, smaller
    test::DialogDriver driver("Preferences", [&](HWND dialog) {
        test::WaitFor([&] { return test::FocusOf(dialog) != nullptr; }, 5000);
        dpi = DpiOfWindow(dialog);
        opened = test::MeasurePreferences(dialog);
        RECT suggested;
        GetWindowRect(dialog, &suggested);
        SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(to, to),
                     reinterpret_cast<LPARAM>(&suggested));
        changed = test::MeasurePreferences(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ShowPreferencesDialog(owner_.Handle());
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(dpi, RunDpi());
    test::ExpectPreferencesLaidOut(opened);
    ExpectScaledRect("preferences.client", opened.client, 1);
    ExpectScaledRect("preferences.tabs", opened.tabs, 1);
    ExpectScaledRect("preferences.group", opened.group.box, 1);
    ExpectScaledRect("preferences.xml", opened.xml.box, 1);
    ExpectScaledRect("preferences.ok", opened.ok.box, 1);

    SCOPED_TRACE("after a change to " + std::to_string(to) + " DPI");
    test::ExpectPreferencesLaidOut(changed);
    // The frame stays at the DPI that Wine works with: the controls are
    // compared, not the client area.
    for (auto [was, is] : {std::pair{opened.tabs, changed.tabs},
                           {opened.ok.box, changed.ok.box},
                           {opened.xml.box, changed.xml.box}}) {
        EXPECT_TRUE(IsScaled(Width(is), Width(was), dpi, to, 2));
        EXPECT_TRUE(IsScaled(Height(is), Height(was), dpi, to, 2));
    }
    EXPECT_TRUE(IsScaled(changed.xml.fontHeight, opened.xml.fontHeight, dpi, to, 1));
}

TEST_F(DialogScalingTest, AboutBoxIsItsLayoutAtTheDpi) {
    RECT client = {}, group = {}, ok = {};
    UINT dpi = 0;
    Painted icon, lines[3];
    RECT iconArea = {}, lineAreas[3] = {};
    test::DialogDriver driver("About Quillot", [&](HWND dialog) {
        HWND okButton = GetDlgItem(dialog, IDOK);
        test::WaitFor([&] { return test::FocusOf(dialog) == okButton; }, 5000);  // painted
        Sleep(100);
        dpi = DpiOfWindow(dialog);
        GetClientRect(dialog, &client);
        ok = test::RectIn(okButton, dialog);
        HWND groupBox = GetWindow(okButton, GW_HWNDPREV) != nullptr
                            ? GetWindow(okButton, GW_HWNDPREV)
                            : GetWindow(okButton, GW_HWNDNEXT);
        group = test::RectIn(groupBox, dialog);
        iconArea = {ScaleToDpi(10, dpi), ScaleToDpi(35, dpi), ScaleToDpi(42, dpi),
                    ScaleToDpi(67, dpi)};
        icon = PaintedIn(dialog, iconArea);
        // Inside the group box's frame; the second line's rows pass the
        // icon, so it is looked at right of the icon only.
        const int lineTop[3] = {15, 41, 69};
        for (int i = 0; i < 3; ++i) {
            lineAreas[i] = {i == 1 ? iconArea.right + 1 : group.left + ScaleToDpi(4, dpi),
                            ScaleToDpi(lineTop[i], dpi), group.right - ScaleToDpi(4, dpi),
                            ScaleToDpi(lineTop[i] + 13, dpi)};
            lines[i] = PaintedIn(dialog, lineAreas[i]);
        }
        PostMessageA(okButton, BM_CLICK, 0, 0);
    });
    ShowMessageDialog(owner_.Handle(), "Quillot v1.3.0", "by Quillot Developers",
                      "https://www.quillot.invalid/");
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(dpi, RunDpi());
    // The group box and the button in the client area, the button below the
    // box and centred; the icon and the three lines inside the box, no line
    // reaching the box's frame.
    EXPECT_LE(group.right, client.right);
    EXPECT_LE(group.bottom, ok.top);
    EXPECT_LE(ok.bottom, client.bottom);
    EXPECT_LE(std::abs(ok.left - (client.right - ok.right)), 1);
    EXPECT_GT(icon.count, Width(iconArea) * Height(iconArea) / 10);
    EXPECT_GE(iconArea.left, group.left);
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(lines[i].count, 0) << i;
        EXPECT_GT(lines[i].left, lineAreas[i].left) << i;
        EXPECT_LT(lines[i].right, lineAreas[i].right) << i;
        EXPECT_LE(lineAreas[i].bottom, group.bottom) << i;
    }
    // The template is in dialog units, which follow its font's metrics: the
    // box grows with the DPI as its font does, not in exact proportion.
    for (auto [name, rect] :
         {std::pair{"about.client", client}, {"about.group", group}, {"about.ok", ok}}) {
        ExpectScaled(std::string(name) + ".width", Width(rect), Width(rect) / 10);
        ExpectScaled(std::string(name) + ".height", Height(rect), Height(rect) / 10);
    }
}

}  // namespace
}  // namespace quillot
