#include "shell/html_help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/wide_text.h"
#include "shell/html_help_engine.h"
#include "tests/shell/dialog_driver.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

// Every test starts with the engine unloaded and the library looked for in
// a folder that the test chooses.
class HtmlHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedFolder_ = HtmlHelpLibraryFolder;
        HtmlHelpLibrary = nullptr;
        HtmlHelpEntry = nullptr;
        folderLookups = 0;
        libraryFolder.clear();
        calls.clear();
        HtmlHelpLibraryFolder = CountedFolder;
    }
    void TearDown() override {
        HtmlHelpLibraryFolder = savedFolder_;
        HtmlHelpLibrary = nullptr;
        HtmlHelpEntry = nullptr;
    }

    static std::string CountedFolder() {
        ++folderLookups;
        return libraryFolder;
    }
    static std::string RealSystemFolder() {
        char buffer[MAX_PATH] = {};
        GetSystemDirectoryA(buffer, MAX_PATH);
        return buffer;
    }

    struct Call {
        HWND owner;
        std::string file;
        UINT command;
        DWORD_PTR data;
    };
    static HWND WINAPI RecordingEntry(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data) {
        calls.push_back({owner, WideToUtf8(file), command, data});
        return answerWindow;
    }

    static inline int folderLookups = 0;
    static inline std::string libraryFolder;
    static inline std::vector<Call> calls;
    static inline HWND answerWindow = nullptr;
    std::string (*savedFolder_)() = nullptr;
};

TEST_F(HtmlHelpTest, WithoutTheLibraryHelpDoesNothingAndTriesAgainNextTime) {
    test::TempFolder empty;
    libraryFolder = empty.PathWithSeparator();  // a trailing "\" is dropped
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpDisplayTopic, 0);
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpDisplayTopic, 0);
    EXPECT_EQ(HtmlHelpLibrary, nullptr);
    EXPECT_EQ(folderLookups, 2);
}

TEST_F(HtmlHelpTest, CloseAllNeverLoadsTheLibrary) {
    libraryFolder = RealSystemFolder();
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpCloseAll, 0);
    EXPECT_EQ(folderLookups, 0);
    EXPECT_EQ(HtmlHelpLibrary, nullptr);
}

TEST_F(HtmlHelpTest, AFileThatIsNoLibraryLeavesHelpUnloaded) {
    test::TempFolder folder;
    folder.Write("hhctrl.ocx", "not a library");
    libraryFolder = folder.Path();
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpDisplayTopic, 0);
    EXPECT_EQ(HtmlHelpLibrary, nullptr);
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpDisplayTopic, 0);
    EXPECT_EQ(folderLookups, 2);
}

TEST_F(HtmlHelpTest, LoadsTheSystemLibraryOnceAndFindsItsEntryPoint) {
    libraryFolder = RealSystemFolder();
    LoadHtmlHelp();
    ASSERT_NE(HtmlHelpLibrary, nullptr);
    EXPECT_NE(HtmlHelpEntry, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(HtmlHelpLibrary, path, MAX_PATH);
    EXPECT_TRUE(_stricmp(path, (RealSystemFolder() + "\\hhctrl.ocx").c_str()) == 0) << path;
    HMODULE first = HtmlHelpLibrary;
    LoadHtmlHelp();
    EXPECT_EQ(HtmlHelpLibrary, first);
    EXPECT_EQ(folderLookups, 1);
    // The real engine closes its (no) windows without complaint.
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpCloseAll, 0);
}

TEST_F(HtmlHelpTest, PassesFileCommandAndDataWithoutOwnerAndRaisesTheWindow) {
    test::OwnerWindow other(50, 50, 300, 200);
    test::OwnerWindow helpWindow(400, 300, 300, 200);
    SetForegroundWindow(other.Handle());
    HtmlHelpLibrary = GetModuleHandleA(nullptr);  // any loaded module will do
    HtmlHelpEntry = RecordingEntry;
    answerWindow = helpWindow.Handle();

    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpDisplayTopic, 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, nullptr);
    EXPECT_EQ(calls[0].file, "C:\\Quillot\\Quillot.chm");
    EXPECT_EQ(calls[0].command, 0u);
    EXPECT_EQ(calls[0].data, 0u);
    EXPECT_EQ(GetForegroundWindow(), helpWindow.Handle());

    SetForegroundWindow(other.Handle());
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpCloseAll, 7);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].command, 18u);
    EXPECT_EQ(calls[1].data, 7u);
    EXPECT_EQ(GetForegroundWindow(), other.Handle());  // close-all raises nothing
    EXPECT_EQ(folderLookups, 0);
}

TEST_F(HtmlHelpTest, ALibraryWithoutTheEntryPointIsNeverCalled) {
    HtmlHelpLibrary = GetModuleHandleA(nullptr);
    HtmlHelpEntry = nullptr;
    ShowHtmlHelp("C:\\Quillot\\Quillot.chm", HtmlHelpDisplayTopic, 0);  // must not crash
    EXPECT_EQ(folderLookups, 0);
}

}  // namespace
}  // namespace quillot
