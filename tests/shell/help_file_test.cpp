// Quillot.chm as built next to the program: the system's HTML Help engine
// opens it with its title and table of contents, and closes it again.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/html_help.h"
#include "shell/html_help_engine.h"
#include "tests/shell/dialog_driver.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

std::string HelpFile() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path);
    return file.substr(0, file.find_last_of('\\') + 1) + "Quillot.chm";
}

BOOL CALLBACK FindHelpWindow(HWND window, LPARAM lParam) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        test::TextOf(window) == "Help for Quillot") {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindTree(HWND window, LPARAM lParam) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "SysTreeView32" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

// The titles of the top level of the contents tree.
std::vector<std::string> ContentsOf(HWND helpWindow) {
    HWND tree = nullptr;
    EnumChildWindows(helpWindow, FindTree, reinterpret_cast<LPARAM>(&tree));
    std::vector<std::string> titles;
    if (tree == nullptr) return titles;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    while (item != nullptr) {
        char text[128] = {};
        TVITEMA data = {};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        titles.push_back(text);
        item = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return titles;
}

HWND HelpWindow() {
    HWND found = nullptr;
    EnumWindows(FindHelpWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(HelpFile, TheSystemEngineShowsItAndCloseAllClosesIt) {
    ASSERT_TRUE(test::FileExistsForTest(HelpFile())) << HelpFile();
    HtmlHelpLibrary = nullptr;
    HtmlHelpEntry = nullptr;
    ShowHtmlHelp(HelpFile(), HtmlHelpDisplayTopic, 0);
    ASSERT_NE(HtmlHelpLibrary, nullptr);
    HWND window = HelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetForegroundWindow(), window);
    std::vector<std::string> expected = {
        "Welcome to Quillot",        "Opening files",     "The tabs Std, All, Xml and Check",
        "Stepping through a folder", "Fonts and colours", "Preferences and file associations",
        "The command line",          "Menus and keys"};
    EXPECT_EQ(ContentsOf(window), expected);

    ShowHtmlHelp(HelpFile(), HtmlHelpCloseAll, 0);
    MSG msg;
    bool gone = test::WaitFor(
        [&] {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            return !IsWindow(window);
        },
        5000);
    EXPECT_TRUE(gone);
}

}  // namespace
}  // namespace quillot
