#include <gtest/gtest.h>

#include "app/main_window.h"
#include "resources/resource.h"
#include "shell/associations.h"
#include "shell/preferences_dialog.h"
#include "shell/version_info.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;
using test::kAlt;
using test::kShift;

constexpr const char* kPad = "<Program_Name>Menu Probe</Program_Name>";

class MenuCommandsTest : public FrmTest {
  public:
    void Key(UINT key, unsigned modifiers = 0) {
        PressKey(frm_->View(frm_->ActivePage()).Handle(), key, modifiers);
    }
};

TEST_F(MenuCommandsTest, OpenProposesTheCurrentFileAndLoadsTheChoice) {
    const std::string path = documents_.Write("shown.xml", kPad);
    const std::string chosen = documents_.Write("chosen.pad", kPad);
    TFrm& frm = Open({path});
    dialogs_.openAnswer = chosen;
    frm.RunCommand(IDM_FILE_OPEN);
    EXPECT_EQ(dialogs_.openProposedFile, path);
    EXPECT_EQ(dialogs_.openInitialFolder, "");
    EXPECT_EQ(dialogs_.openDefaultExt, "xml");
    EXPECT_EQ(dialogs_.openFilter,
              "XML Pad files (*.xml)|*.xml|Xml PAD files (*.pad)|*.pad|All files (*.*)|*.*");
    EXPECT_EQ(CurrentFilePath, chosen);
    EXPECT_EQ(frm.Caption(), "Quillot - chosen.pad");

    dialogs_.openAnswer.reset();  // cancelled: nothing changes
    frm.RunCommand(IDM_FILE_OPEN);
    EXPECT_EQ(CurrentFilePath, chosen);
}

TEST_F(MenuCommandsTest, OpenWithoutDocumentStartsInTheProgramFolder) {
    TFrm& frm = Open();
    frm.RunCommand(IDM_FILE_OPEN);
    EXPECT_EQ(dialogs_.openProposedFile, "");
    EXPECT_EQ(dialogs_.openInitialFolder, folder_.Path());
}

TEST_F(MenuCommandsTest, PreferencesGetTheAssociationRoutine) {
    TFrm& frm = Open();
    AssociationHook = nullptr;
    frm.RunCommand(IDM_PREFERENCES);
    EXPECT_EQ(dialogs_.preferencesCalls, 1);
    EXPECT_EQ(AssociationHook, &AssociateFileType);
}

TEST_F(MenuCommandsTest, HelpShowsTheHelpFileAndClosingClosesIt) {
    TFrm& frm = Open();
    Key(VK_F1);
    ASSERT_EQ(dialogs_.helpCalls.size(), 1u);
    EXPECT_EQ(dialogs_.helpCalls[0].first, folder_.File("Quillot.chm"));
    EXPECT_EQ(dialogs_.helpCalls[0].second, 0u);
    Close();
    ASSERT_EQ(dialogs_.helpCalls.size(), 2u);
    EXPECT_EQ(dialogs_.helpCalls[1].second, 18u);
    EXPECT_EQ(frm.Handle(), nullptr);
}

TEST_F(MenuCommandsTest, AboutShowsNameVersionMakerAndSite) {
    TFrm& frm = Open();
    VersionStrings.fileVersion = "1.3.0";
    VersionStrings.companyName = "Quillot Developers";
    VersionStrings.webSite = "https://www.quillot.invalid/";
    frm.RunCommand(IDM_ABOUT);
    EXPECT_EQ(dialogs_.aboutLines,
              (std::vector<std::string>{"Quillot v1.3.0", "by Quillot Developers",
                                        "https://www.quillot.invalid/"}));
}

TEST_F(MenuCommandsTest, ShortcutsReachTheirCommands) {
    for (const char* name : {"a.xml", "b.xml", "c.xml"})
        documents_.Write(name, kPad);
    Open({documents_.File("b.xml")});
    Key(VK_F8);
    EXPECT_EQ(CurrentFilePath, documents_.File("c.xml"));
    Key(VK_F7);
    EXPECT_EQ(CurrentFilePath, documents_.File("b.xml"));
    Key(VK_F7, kShift);
    EXPECT_EQ(CurrentFilePath, documents_.File("a.xml"));
    Key(VK_F8, kShift);
    EXPECT_EQ(CurrentFilePath, documents_.File("c.xml"));
    documents_.Write("d.xml", kPad);
    Key(VK_F5);
    EXPECT_EQ(frm_->StatusText(), "2 of 4 files");
    Key('X', kAlt);
    EXPECT_EQ(frm_->Handle(), nullptr);
}

TEST_F(MenuCommandsTest, EveryWayOfEndingSavesTheSettingsOnce) {
    const struct {
        const char* way;
        void (*end)(MenuCommandsTest& test, HWND main, HWND owner);
    } ways[] = {
        {"E&xit",
         [](MenuCommandsTest&, HWND main, HWND) { PostMessageA(main, WM_COMMAND, IDM_EXIT, 0); }},
        {"Alt+X", [](MenuCommandsTest& test, HWND, HWND) { test.Key('X', kAlt); }},
        {"Escape", [](MenuCommandsTest& test, HWND, HWND) { test.Key(VK_ESCAPE); }},
        {"close box", [](MenuCommandsTest&, HWND main,
                         HWND) { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [](MenuCommandsTest& test, HWND, HWND) { test.Key(VK_F4, kAlt); }},
        {"task bar", [](MenuCommandsTest&, HWND,
                        HWND owner) { PostMessageA(owner, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4 on the owner",
         [](MenuCommandsTest&, HWND, HWND owner) { test::PostKeyPress(owner, VK_F4, kAlt); }},
        {"end of session",
         [](MenuCommandsTest&, HWND main, HWND owner) {
             // As Windows does: every top-level window is asked, then told.
             for (HWND window : {owner, main})
                 EXPECT_TRUE(SendMessageA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
             for (HWND window : {owner, main})
                 SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
         }},
    };
    for (const auto& row : ways) {
        DeleteFileA(IniPath().c_str());
        Open();
        dialogs_.helpCalls.clear();
        row.end(*this, frm_->Handle(), application_->Handle());
        Pump();
        BYTE clear[256] = {};
        SetKeyboardState(clear);
        EXPECT_EQ(frm_->Handle(), nullptr) << row.way;
        EXPECT_EQ(IniValue("Main Window", "Width"), "435") << row.way;
        // Each save closes the help windows once.
        EXPECT_EQ(dialogs_.helpCalls.size(), 1u) << row.way;
    }
}

}  // namespace
}  // namespace quillot
