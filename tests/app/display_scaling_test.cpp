// The main window at the DPI the run was started at (display_scaling_test.sh
// sets it in a Wine prefix of its own), and its answers to a change of DPI,
// which Wine never sends by itself. Sizes are held against a run at 96 DPI
// (scale_record.h); the layout is checked by its relations.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/display_scale.h"
#include "tests/app/frm_fixture.h"
#include "tests/app/process_window.h"
#include "tests/app/scale_record.h"
#include "tests/shell/dialog_driver.h"
#include "tests/shell/dialog_layout.h"

namespace quillot {
namespace {

using test::ExpectScaled;
using test::FrmTest;
using test::IsScaled;
using test::RectIn;
using test::RunDpi;

constexpr const char* kCorpusFile = "Granjow_wiki2xhtml_pad.xml";

struct WindowParts {
    RECT window, client, status, tabs, display, view;
    std::vector<RECT> items;  // the tabs' own rectangles
    HWND statusBar, tabControl;
    int statusFont, tabFont;  // the line heights of their fonts
};

WindowParts PartsOf(HWND frm, HWND view) {
    WindowParts p = {};
    p.statusBar = FindWindowExA(frm, nullptr, STATUSCLASSNAMEA, nullptr);
    p.tabControl = FindWindowExA(frm, nullptr, WC_TABCONTROLA, nullptr);
    GetWindowRect(frm, &p.window);
    GetClientRect(frm, &p.client);
    p.status = RectIn(p.statusBar, frm);
    p.tabs = RectIn(p.tabControl, frm);
    GetClientRect(p.tabControl, &p.display);
    SendMessageA(p.tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&p.display));
    if (view != nullptr) p.view = RectIn(view, frm);
    p.statusFont = test::FontHeight(p.statusBar);
    p.tabFont = test::FontHeight(p.tabControl);
    const int count = static_cast<int>(SendMessageA(p.tabControl, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT item = {};
        SendMessageA(p.tabControl, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        p.items.push_back(item);
    }
    return p;
}

int Height(const RECT& r) {
    return r.bottom - r.top;
}

std::string TabCaption(HWND tabs, int index) {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

// The status bar along the bottom, the page control over the rest, the view
// filling the page control's display area below the tabs, the tabs side by
// side; no text taller or wider than the place it has.
void ExpectLaidOut(const WindowParts& p) {
    EXPECT_EQ(p.status.left, 0);
    EXPECT_EQ(p.status.right, p.client.right);
    EXPECT_EQ(p.status.bottom, p.client.bottom);
    EXPECT_GE(Height(p.status), p.statusFont);
    EXPECT_EQ(p.tabs.left, 0);
    EXPECT_EQ(p.tabs.top, 0);
    EXPECT_EQ(p.tabs.right, p.client.right);
    EXPECT_EQ(p.tabs.bottom, p.status.top);
    EXPECT_EQ(p.view.left, p.display.left);
    EXPECT_EQ(p.view.top, p.display.top);
    EXPECT_EQ(p.view.right, p.display.right);
    EXPECT_EQ(p.view.bottom, p.display.bottom);
    HDC dc = GetDC(p.tabControl);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(p.tabControl, WM_GETFONT, 0, 0)));
    for (size_t i = 0; i < p.items.size(); ++i) {
        const RECT& item = p.items[i];
        const std::string caption = TabCaption(p.tabControl, static_cast<int>(i));
        SIZE text = {};
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        EXPECT_LE(text.cx, item.right - item.left) << caption;
        EXPECT_LE(text.cy, Height(item)) << caption;
        EXPECT_LE(item.bottom, p.display.top) << caption;
        if (i > 0) {
            EXPECT_GE(item.left, p.items[i - 1].right) << caption;
        }
    }
    SelectObject(dc, old);
    ReleaseDC(p.tabControl, dc);
}

class DisplayScalingTest : public FrmTest {
  protected:
    WindowParts Parts() { return PartsOf(frm_->Handle(), frm_->View(frm_->ActivePage()).Handle()); }
    // The DPI a change goes to, 1.5 times the window's: the frame stays at
    // the DPI that Wine works with, smaller than the one the window sizes
    // itself for, so that the window's content never lacks room.
    static UINT OtherDpi(UINT dpi) { return dpi * 3 / 2; }
};

TEST_F(DisplayScalingTest, FirstRunWindowIsTheDesignAtTheDpi) {
    EXPECT_TRUE(IsPerMonitorDpiAware());
    EXPECT_EQ(SystemDpi(), RunDpi());
    TFrm& frm = Open();
    frm.Show();
    EXPECT_EQ(frm.Dpi(), RunDpi());
    const WindowParts p = Parts();
    ExpectLaidOut(p);
    ExpectScaled("window.left", p.window.left);
    ExpectScaled("window.top", p.window.top);
    ExpectScaled("window.width", p.window.right - p.window.left);
    ExpectScaled("window.height", Height(p.window));
    ExpectScaled("tab.height", Height(p.items.at(0)), 2);
    ExpectScaled("statusbar.height", Height(p.status), 2);
    // The settings keep the window's screen pixels, and a restart restores
    // them as they are.
    Close();
    EXPECT_EQ(IniValue("Main Window", "Left"), std::to_string(p.window.left));
    EXPECT_EQ(IniValue("Main Window", "Top"), std::to_string(p.window.top));
    EXPECT_EQ(IniValue("Main Window", "Width"), std::to_string(p.window.right - p.window.left));
    EXPECT_EQ(IniValue("Main Window", "Height"), std::to_string(Height(p.window)));
    SetIniValue("Main Window", "Width", std::to_string(p.window.right - p.window.left + 7));
    RECT again;
    GetWindowRect(Open().Handle(), &again);
    EXPECT_EQ(again.left, p.window.left);
    EXPECT_EQ(again.right, p.window.right + 7);
}

TEST_F(DisplayScalingTest, EveryViewShowsTheSameText) {
    SetIniValue("Main Window", "CurTab", "0");  // the Summary page, which has no tab
    TFrm& frm = Open({test::CorpusPath(kCorpusFile)});
    for (int32_t page : {SummaryPage, StandardPage, AllFieldsPage, SourcePage}) {
        if (page != SummaryPage) frm.SelectPage(page);
        ASSERT_EQ(frm.ActivePage(), page);
        const std::wstring text = frm.View(page).UnicodeText();
        EXPECT_GT(text.size(), 100u) << page;
        test::ExpectSameText("view." + std::to_string(page), text);
    }
    // The report font keeps its point size at every DPI.
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(frm.View(SourcePage).Handle(), EM_GETCHARFORMAT, SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.yHeight, frm.reportFont.size * 20);
}

// Wine never sends WM_DPICHANGED: the test sends it as Windows does when the
// window moves to a monitor of another DPI. The DPI that Wine works with
// stays, and so do the common controls' own margins: the bar and the tabs
// grow with their fonts.
TEST_F(DisplayScalingTest, ChangeOfDpiGivesNewFontsAndTheSuggestedRectangle) {
    TFrm& frm = Open({test::CorpusPath(kCorpusFile)});
    frm.Show();
    const UINT from = frm.Dpi();
    const UINT to = OtherDpi(from);
    const WindowParts before = Parts();
    const std::wstring text = frm.View(StandardPage).UnicodeText();
    RECT suggested = before.window;
    suggested.right = suggested.left + MulDiv(before.window.right - before.window.left,
                                              static_cast<int>(to), static_cast<int>(from));
    suggested.bottom =
        suggested.top + MulDiv(Height(before.window), static_cast<int>(to), static_cast<int>(from));
    SendMessageA(frm.Handle(), WM_DPICHANGED, MAKEWPARAM(to, to),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(frm.Dpi(), to);
    const WindowParts after = Parts();
    EXPECT_TRUE(EqualRect(&after.window, &suggested));
    ExpectLaidOut(after);
    EXPECT_TRUE(IsScaled(after.tabFont, before.tabFont, from, to, 1));
    EXPECT_TRUE(IsScaled(after.statusFont, before.statusFont, from, to, 1));
    EXPECT_GT(Height(after.items.at(0)), Height(before.items.at(0)));
    EXPECT_GT(Height(after.status), Height(before.status));
    EXPECT_EQ(frm.View(StandardPage).UnicodeText(), text);
    Close();
    EXPECT_EQ(IniValue("Main Window", "Width"), std::to_string(suggested.right - suggested.left));
}

// Asked before a change of DPI: the client area scales, the frame and the
// menu bar take their sizes at the new DPI.
TEST_F(DisplayScalingTest, ScaledSizeKeepsTheClientAreaInProportion) {
    TFrm& frm = Open();
    const UINT to = OtherDpi(frm.Dpi());
    RECT client;
    GetClientRect(frm.Handle(), &client);
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongA(frm.Handle(), GWL_STYLE)), true,
                           static_cast<DWORD>(GetWindowLongA(frm.Handle(), GWL_EXSTYLE)), to);
    SIZE size = {};
    EXPECT_TRUE(
        SendMessageA(frm.Handle(), WM_GETDPISCALEDSIZE, to, reinterpret_cast<LPARAM>(&size)));
    EXPECT_TRUE(IsScaled(size.cx - (frame.right - frame.left), client.right, frm.Dpi(), to, 1));
    EXPECT_TRUE(IsScaled(size.cy - (frame.bottom - frame.top), client.bottom, frm.Dpi(), to, 1));
}

// Quillot.exe itself: its manifest and its own request for per-monitor
// awareness, also where Wine honours the manifest (DpiScalingVer set).
TEST(DisplayScalingProgram, QuillotOpensAtTheDesignForTheDpi) {
    test::TempFolder folder;
    std::string built = QUILLOT_EXE;
    for (char& c : built) {
        if (c == '/') c = '\\';
    }
    const std::string program = folder.File("Quillot.exe");
    ASSERT_TRUE(CopyFileA(built.c_str(), program.c_str(), FALSE)) << built;
    std::string commandLine = "\"" + program + "\" \"" + test::CorpusPath(kCorpusFile) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process));
    HWND found = nullptr;
    for (int waited = 0; waited < 30000 && found == nullptr; waited += 50) {
        Sleep(50);
        found = test::VisibleMainWindowOf(process.dwProcessId);
    }
    RECT window = {}, status = {};
    DPI_AWARENESS awareness = DPI_AWARENESS_INVALID;
    if (found != nullptr) {
        awareness = GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(found));
        GetWindowRect(found, &window);
        GetWindowRect(FindWindowExA(found, nullptr, STATUSCLASSNAMEA, nullptr), &status);
        PostMessageA(found, WM_CLOSE, 0, 0);
    }
    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(ended);
    EXPECT_EQ(awareness, DPI_AWARENESS_PER_MONITOR_AWARE);
    ExpectScaled("program.window.left", window.left);
    ExpectScaled("program.window.width", window.right - window.left);
    ExpectScaled("program.window.height", Height(window));
    ExpectScaled("program.statusbar.height", Height(status), 2);
    char width[16] = {};
    GetPrivateProfileStringA("Main Window", "Width", "", width, sizeof width,
                             folder.File("Quillot.ini").c_str());
    EXPECT_EQ(width, std::to_string(window.right - window.left));
}

}  // namespace
}  // namespace quillot
