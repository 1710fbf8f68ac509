#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "app/folder_list.h"
#include "app/report_cleanup.h"
#include "reader/pad_document.h"
#include "report/report_settings.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "tests/app/frm_fixture.h"
#include "tests/settings/message_box_recorder.h"
#include "trace/trace_log.h"

namespace quillot {
namespace {

using test::FrmTest;

constexpr const char* kPad =
    "<XML_DIZ_INFO><Program_Info><Program_Name>Probe Tool</Program_Name>"
    "<Program_Version>2.5</Program_Version></Program_Info></XML_DIZ_INFO>";

// A folder of its own as the process's current folder, for the duration of a test.
class CurrentFolderScope {
  public:
    explicit CurrentFolderScope(const std::string& folder) {
        GetCurrentDirectoryA(sizeof previous_, previous_);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentFolderScope() { SetCurrentDirectoryA(previous_); }

  private:
    char previous_[MAX_PATH] = {};
};

TEST_F(FrmTest, FirstStartWithoutArgumentOrSettings) {
    documents_.Write("one.xml", kPad);
    documents_.Write("two.pad", kPad);
    CurrentFolderScope scope(documents_.Path());
    TFrm& frm = Open();
    EXPECT_EQ(frm.Caption(), "Quillot - ");
    EXPECT_EQ(application_->Title(), "Quillot ");
    EXPECT_EQ(frm.ActivePage(), StandardPage);
    EXPECT_EQ(CurrentFilePath, "");
    EXPECT_EQ(frm.StatusText(), "-1 of 2 files");
    EXPECT_TRUE(frm.StatusBarVisible());
    EXPECT_EQ(frm.View(StandardPage).Text(), "");
    EXPECT_TRUE(dialogs_.errors.empty());
}

TEST_F(FrmTest, CommandLineFileIsReadRenderedAndShown) {
    const std::string path = documents_.Write("probe.xml", kPad);
    TFrm& frm = Open({path});
    EXPECT_EQ(frm.Caption(), "Quillot - probe.xml");
    EXPECT_EQ(CurrentFilePath, path);
    EXPECT_NE(frm.View(StandardPage).Text().find("Probe Tool - Version: 2.5"), std::string::npos)
        << frm.View(StandardPage).Text();
    for (const char* report :
         {SummaryReportName, StandardReportName, AllFieldsReportName, CheckReportName}) {
        EXPECT_TRUE(test::FileExistsForTest(temp_.File(report))) << report;
    }
    EXPECT_EQ(frm.StatusText(), "0 of 1 files");
}

TEST_F(FrmTest, CommandLineNameTakesTheStoredLetterCase) {
    documents_.Write("MixedCase.xml", kPad);
    TFrm& frm = Open({documents_.File("mixedcase.XML")});
    EXPECT_EQ(frm.Caption(), "Quillot - MixedCase.xml");
    EXPECT_EQ(CurrentFilePath, documents_.File("MixedCase.xml"));
}

TEST_F(FrmTest, MissingCommandLineFileIsNamedButNotRead) {
    const std::string missing = documents_.File("gone.xml");
    TFrm& frm = Open({missing});
    EXPECT_EQ(frm.Caption(), "Quillot - gone.xml");
    EXPECT_EQ(frm.View(StandardPage).Text(), "");
    EXPECT_FALSE(test::FileExistsForTest(temp_.File(StandardReportName)));
}

TEST_F(FrmTest, RememberedFileIsReopenedAndAMissingOneOnlyNamed) {
    const std::string path = documents_.Write("remembered.xml", kPad);
    SetIniValue("Main", "fName", path);
    TFrm& frm = Open();
    EXPECT_EQ(frm.Caption(), "Quillot - remembered.xml");
    EXPECT_NE(frm.View(StandardPage).Text().find("Probe Tool"), std::string::npos);

    SetIniValue("Main", "fName", documents_.File("vanished.xml"));
    TFrm& again = Open();
    EXPECT_EQ(again.Caption(), "Quillot - vanished.xml");

    SetIniValue("Main", "fName", "Untitled - probe");
    TFrm& untitled = Open();
    EXPECT_EQ(untitled.Caption(), "Quillot - Untitled - probe");
}

TEST_F(FrmTest, TabsReloadTheirViewsFromDisk) {
    const std::string path = documents_.Write("probe.xml", kPad);
    TFrm& frm = Open({path});
    frm.SelectPage(AllFieldsPage);
    EXPECT_EQ(frm.ActivePage(), AllFieldsPage);
    EXPECT_NE(frm.View(AllFieldsPage).Text().find("MASTER_PAD_VERSION"), std::string::npos);
    frm.SelectPage(SourcePage);
    EXPECT_NE(frm.View(SourcePage).Text().find("<Program_Name>Probe Tool</Program_Name>"),
              std::string::npos);
    EXPECT_EQ(frm.CurTab, SourcePage);

    // Report files deleted behind the program's back: the views keep their text.
    const std::string shown = frm.View(StandardPage).Text();
    DeleteFileA(temp_.File(StandardReportName).c_str());
    frm.SelectPage(StandardPage);
    EXPECT_EQ(frm.View(StandardPage).Text(), shown);
    frm.SelectPage(SummaryPage);  // has no tab: nothing changes
    EXPECT_EQ(frm.ActivePage(), StandardPage);
}

TEST_F(FrmTest, CheckTabShowsWhatBreaksThePadFormatsRules) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    HWND tabs = FindWindowExA(frm.Handle(), nullptr, WC_TABCONTROLA, nullptr);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    TCITEMA item = {};
    char caption[16] = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof caption;
    SendMessageA(tabs, TCM_GETITEMA, 3, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(caption, "Check");

    frm.SelectPage(CheckPage);
    EXPECT_EQ(frm.CurTab, CheckPage);
    const std::string text = frm.View(CheckPage).Text();
    for (const char* line : {"PAD 3.11 check: 4 problems", "Missing", "Sales_Email: Email address",
                             "No longer in the PAD format", "Filename_Generic: MP4Tools"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in " << text;
    }
    // A document without problems after one with them.
    frm.LoadDocument(test::CorpusPath("antiprism_antiprism_pad_file.xml"), true);
    EXPECT_NE(frm.View(CheckPage).Text().find("PAD 3.11 check: no problems"), std::string::npos)
        << frm.View(CheckPage).Text();
}

TEST_F(FrmTest, SavedTabIsOpenedAndAnInvalidOneFallsBackToStd) {
    SetIniValue("Main Window", "CurTab", "0");
    EXPECT_EQ(Open().ActivePage(), SummaryPage);
    SetIniValue("Main Window", "CurTab", "3");
    EXPECT_EQ(Open().ActivePage(), SourcePage);
    SetIniValue("Main Window", "CurTab", "4");
    EXPECT_EQ(Open().ActivePage(), CheckPage);
    SetIniValue("Main Window", "CurTab", "5");
    EXPECT_EQ(Open().ActivePage(), StandardPage);
    SetIniValue("Main Window", "CurTab", "7");
    EXPECT_EQ(Open().ActivePage(), StandardPage);
    SetIniValue("Main Window", "CurTab", "-1");
    EXPECT_EQ(Open().ActivePage(), StandardPage);
}

TEST_F(FrmTest, HandOverMessageLoadsTheNamedFile) {
    TFrm& frm = Open();
    const std::string path = documents_.Write("handed.xml", kPad);
    SetIniValue("Main", "fName", path);
    PostMessageA(application_->Handle(), HandOverMessage, HandOverWParam, HandOverLParam);
    Pump();
    EXPECT_EQ(frm.Caption(), "Quillot - handed.xml");
    EXPECT_NE(frm.View(StandardPage).Text().find("Probe Tool"), std::string::npos);

    // Other parameters are not a hand-over.
    SetIniValue("Main", "fName", documents_.File("other.xml"));
    PostMessageA(application_->Handle(), HandOverMessage, HandOverWParam, 1);
    Pump();
    EXPECT_EQ(frm.Caption(), "Quillot - handed.xml");
}

TEST_F(FrmTest, HandOverWithoutNameShowsTheEmptyPlaceholder) {
    TFrm& frm = Open();
    SetIniValue("Main", "fName", "");
    WritePrivateProfileStringA("Main", "fName", nullptr, IniPath().c_str());
    PostMessageA(application_->Handle(), HandOverMessage, HandOverWParam, HandOverLParam);
    Pump();
    EXPECT_EQ(frm.Caption(), "Quillot - ??.xml");
}

// A drop of the given files, as the shell hands it to the window.
HGLOBAL MakeDrop(const std::vector<std::string>& files) {
    std::string names;
    for (const std::string& file : files)
        names += file + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return memory;
}

TEST_F(FrmTest, DroppedFileIsShownFirstFileOnly) {
    TFrm& frm = Open();
    const std::string first = documents_.Write("first.xml", kPad);
    const std::string second = documents_.Write("second.xml", kPad);
    SendMessageA(frm.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({first, second})),
                 0);
    EXPECT_EQ(CurrentFilePath, first);
    EXPECT_EQ(frm.Caption(), "Quillot - first.xml");
    EXPECT_NE(frm.View(StandardPage).Text().find("Probe Tool"), std::string::npos);
}

TEST_F(FrmTest, DroppedNameIsNeverCut) {
    TFrm& frm = Open();
    std::string longName = documents_.Path();
    while (longName.size() < 320)
        longName += "\\a_folder_with_a_long_name";
    longName += "\\dropped.xml";
    SendMessageA(frm.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({longName})), 0);
    EXPECT_EQ(CurrentFilePath, longName);
    EXPECT_EQ(frm.Caption(), "Quillot - dropped.xml");
}

TEST_F(FrmTest, RenderingFailureIsShownAndStopsTheRoad) {
    const std::string path = documents_.Write("probe.xml", kPad);
    TFrm& frm = Open({path});
    const std::string other = documents_.Write("other.xml", kPad);
    // A folder in place of the first report makes its creation fail.
    DeleteFileA(temp_.File(AllFieldsReportName).c_str());
    ASSERT_TRUE(CreateDirectoryA(temp_.File(AllFieldsReportName).c_str(), nullptr));
    SendMessageA(frm.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({other})), 0);
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_EQ(dialogs_.errors[0], "File access denied");
    EXPECT_EQ(frm.Caption(), "Quillot - probe.xml");  // caption and status were not updated
    RemoveDirectoryA(temp_.File(AllFieldsReportName).c_str());
}

TEST_F(FrmTest, XmlTabShowsTheDocumentAsPlainTextEvenWhenItLooksLikeRtf) {
    // Read as UTF-8 (ASCII only) and as single-byte text (an \xE9 byte).
    for (const std::string other : {"Other", "Caf\xE9"}) {
        const std::string text = "{\\rtf1{\\*\\x <Program_Name>Legit</Program_Name>}" + other + "}";
        TFrm& frm = Open({documents_.Write("disguised.xml", text)});
        EXPECT_NE(frm.View(StandardPage).Text().find("Legit"), std::string::npos);
        frm.SelectPage(SourcePage);
        EXPECT_EQ(frm.View(SourcePage).Text(), text);
    }
}

TEST_F(FrmTest, ViewsShowOnlyTheDocumentTheCaptionNames) {
    TFrm& frm = Open({documents_.Write("first.xml", kPad)});
    // A rendering that stops halfway leaves the All report of another document.
    DeleteFileA(temp_.File(StandardReportName).c_str());
    ASSERT_TRUE(CreateDirectoryA(temp_.File(StandardReportName).c_str(), nullptr));
    const std::string second =
        documents_.Write("second.xml", "<Program_Name>Second</Program_Name>");
    SendMessageA(frm.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({second})), 0);
    EXPECT_EQ(frm.Caption(), "Quillot - first.xml");
    frm.SelectPage(AllFieldsPage);
    EXPECT_EQ(frm.View(AllFieldsPage).Text().find("Second"), std::string::npos);
    RemoveDirectoryA(temp_.File(StandardReportName).c_str());

    // A document that does not exist shows nothing on the Xml tab.
    frm.SelectPage(SourcePage);
    const std::string missing = documents_.File("missing.xml");
    SendMessageA(frm.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({missing})), 0);
    EXPECT_EQ(frm.Caption(), "Quillot - missing.xml");
    EXPECT_EQ(frm.View(SourcePage).Text(), "");
}

TEST_F(FrmTest, WithoutAReportFolderNothingIsRenderedAndNothingElseDeleted) {
    const std::string path = documents_.Write("probe.xml", kPad);
    const std::string foreign = documents_.Write(StandardReportName, "another program's file");
    CurrentFolderScope scope(documents_.Path());
    for (const char* folder : {"", "reports\\"}) {  // none reported, or a relative one
        reportFolder_ = folder;
        dialogs_.errors.clear();
        TFrm& frm = Open({path});
        ASSERT_EQ(dialogs_.errors.size(), 1u) << folder;
        EXPECT_NE(dialogs_.errors[0].find("temporary folder"), std::string::npos);
        EXPECT_EQ(frm.Caption(), "Quillot - probe.xml");
        EXPECT_EQ(frm.View(StandardPage).Text(), "");
        EXPECT_FALSE(test::FileExistsForTest(documents_.File(AllFieldsReportName)));
        CleanUpReportFiles();
        EXPECT_EQ(test::ReadWholeFile(foreign), "another program's file");
    }
}

TEST_F(FrmTest, EscapeClosesFromAnyTabAndSavesTheSettings) {
    TFrm& frm = Open();
    frm.SelectPage(SourcePage);
    PostMessageA(frm.View(SourcePage).Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_EQ(frm.Handle(), nullptr);
    EXPECT_EQ(IniValue("Main Window", "CurTab"), "3");
}

TEST_F(FrmTest, MenuHintsGoToTheStatusBar) {
    DevMode = true;  // the trace items exist, and have no hint
    TFrm& frm = Open();
    const struct {
        int command;
        const char* hint;
    } rows[] = {
        {IDM_FILE_OPEN, "Open a file"},
        {IDM_PREFERENCES, "Enables you to change the settings"},
        {IDM_EXIT, "Exit application"},
        {IDM_VIEW_STATUSBAR, "Shows or hides the status bar"},
        {IDM_NEXT_FILE, "Shows the next supported file found in the selected folder"},
        {IDM_PREV_FILE, "Shows the previous supported file found in the selected folder"},
        {IDM_FIRST_FILE, "Shows the first supported file found in the selected folder"},
        {IDM_LAST_FILE, "Shows the last supported file found in the selected folder"},
        {IDM_REFRESH, "Reloads the current file and selected folder"},
        {IDM_DBG_ON, ""},
        {IDM_DBG_CLR, ""},
        {IDM_FMT_FONT, "Selects the text font to use"},
        {IDM_LABEL_COLOR, "Selects the text color for the labels int the STD-tab and ALL-tab"},
        {IDM_CONTENT_COLOR, "Selects the text color for the contents int the STD-tab and ALL-tab"},
        {IDM_XML_COLOR, "Selects the text color for the XML-tab"},
        {IDM_BACKGROUND_COLOR, "Selects the backgound color to use"},
        {IDM_HELP, "Displays help topics"},
        {IDM_ABOUT, "Display program information, version number and copyright"},
        {IDM_FIND, "Finds a text in the active tab"},
        {IDM_FIND_NEXT, "Finds the next place of the text searched for"},
        {IDM_FIND_PREVIOUS, "Finds the previous place of the text searched for"},
        {IDM_COPY, "Copies the selected text to the clipboard"},
        {IDM_SELECT_ALL, "Selects all text of the active tab"},
        {IDM_RECENT_FIRST, "Shows this recently opened file again"},
        {IDM_RECENT_LAST, "Shows this recently opened file again"},
    };
    HMENU menu = GetMenu(frm.Handle());
    for (const auto& row : rows) {
        SendMessageA(frm.Handle(), WM_MENUSELECT, MAKEWPARAM(row.command, MF_STRING),
                     reinterpret_cast<LPARAM>(menu));
        EXPECT_EQ(frm.StatusText(), row.hint) << row.command;
    }
    // A top-level menu has no hint.
    SendMessageA(frm.Handle(), WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE),
                 reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(frm.StatusText(), "");
    // The hint stays after the menu closes, until the next document is shown.
    SendMessageA(frm.Handle(), WM_MENUSELECT, MAKEWPARAM(IDM_EXIT, MF_STRING),
                 reinterpret_cast<LPARAM>(menu));
    SendMessageA(frm.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(frm.StatusText(), "Exit application");
    frm.LoadDocument("", false);
    EXPECT_NE(frm.StatusText(), "Exit application");
    DevMode = false;
}

TEST_F(FrmTest, FailedSaveIsReportedOnceAndTheWindowClosesAnyway) {
    test::MessageBoxRecorder boxes;
    TFrm& frm = Open();
    DefaultIniFile = documents_.File("missing\\Quillot.ini");
    CurrentIniFile = DefaultIniFile;
    Close();
    EXPECT_EQ(frm.Handle(), nullptr);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "IniFile WriteError");
}

TEST_F(FrmTest, TraceItemsExistInDeveloperModeOnly) {
    TFrm& frm = Open();
    EXPECT_FALSE(frm.MenuHasItem(IDM_DBG_ON));
    EXPECT_FALSE(frm.MenuHasItem(IDM_DBG_CLR));
    EXPECT_TRUE(frm.MenuHasItem(IDM_REFRESH));
    HMENU view = GetSubMenu(GetMenu(frm.Handle()), 2);
    EXPECT_EQ(GetMenuItemCount(view), 7);  // Status Bar, separator, five folder commands

    DevMode = true;
    TFrm& dev = Open();
    EXPECT_TRUE(dev.MenuHasItem(IDM_DBG_ON));
    EXPECT_FALSE(dev.IsMenuItemChecked(IDM_DBG_ON));
    dev.RunCommand(IDM_DBG_ON);
    EXPECT_TRUE(dev.IsMenuItemChecked(IDM_DBG_ON));
    dev.RunCommand(IDM_DBG_ON);
    EXPECT_FALSE(dev.IsMenuItemChecked(IDM_DBG_ON));
    DevMode = false;
}

}  // namespace
}  // namespace quillot
