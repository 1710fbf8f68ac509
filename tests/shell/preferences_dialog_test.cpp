#include "shell/preferences_dialog.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "reader/wide_text.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "shell/associations.h"
#include "shell/open_file_dialog.h"
#include "tests/shell/dialog_driver.h"
#include "tests/shell/dialog_layout.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

static_assert(std::is_same_v<AssociationFunction, decltype(&AssociateFileType)>,
              "the hook takes AssociateFileType");

struct AssociationCall {
    std::string extName;
    std::string description;
    int install;
    bool operator==(const AssociationCall& o) const {
        return extName == o.extName && description == o.description && install == o.install;
    }
};
std::ostream& operator<<(std::ostream& out, const AssociationCall& c) {
    return out << c.extName << "/" << c.description << "/" << c.install;
}

struct HelpCall {
    HWND window;
    std::string file;
    UINT command;
    std::string keyword;  // HELP_KEY only
};

std::vector<AssociationCall> associationCalls;
std::vector<HelpCall> helpCalls;
std::atomic<size_t> helpCallCount{0};  // read by the driver while the dialog is open

void RecordAssociation(const std::string& extName, const std::string& description,
                       uint8_t install) {
    associationCalls.push_back({extName, description, install});
}

BOOL WINAPI RecordHelp(HWND window, LPCWSTR file, UINT command, ULONG_PTR data) {
    helpCalls.push_back(
        {window, WideToUtf8(file), command,
         command == HELP_KEY ? WideToUtf8(reinterpret_cast<const wchar_t*>(data)) : ""});
    ++helpCallCount;
    return TRUE;
}

BOOL WINAPI CancelledOpenFileDialog(LPOPENFILENAMEW) {
    return FALSE;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The dialog's parts as the driver finds them.
struct Parts {
    HWND dialog;
    HWND tabs;
    HWND page;
    HWND xml;
    HWND pad;
    HWND ok;
    HWND cancel;
    HWND help;
};

Parts PartsOf(HWND dialog) {
    Parts p = {};
    p.dialog = dialog;
    p.tabs = GetDlgItem(dialog, IDC_PGCTL);
    p.page = FindWindowExA(p.tabs, nullptr, "#32770", nullptr);
    p.xml = GetDlgItem(p.page, IDC_CHKXML);
    p.pad = GetDlgItem(p.page, IDC_CHKPAD);
    p.ok = GetDlgItem(dialog, IDOK);
    p.cancel = GetDlgItem(dialog, IDCANCEL);
    p.help = GetDlgItem(dialog, IDC_BTNHELP);
    return p;
}

bool IsTicked(HWND box) {
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

class PreferencesDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ini_ = folder_.File("Quillot.ini");
        DefaultIniFile = ini_;
        CurrentIniFile = ini_;
        savedHook_ = AssociationHook;
        savedHelp_ = WinHelpEngine;
        AssociationHook = RecordAssociation;
        WinHelpEngine = RecordHelp;
        associationCalls.clear();
        helpCalls.clear();
        helpCallCount = 0;
        CloseGuardCount = 0;
    }
    void TearDown() override {
        AssociationHook = savedHook_;
        WinHelpEngine = savedHelp_;
    }

    void WriteIni(const char* key, const char* value) {
        WritePrivateProfileStringA("Main", key, value, ini_.c_str());
    }
    std::string IniValue(const char* key) {
        char value[64] = {};
        GetPrivateProfileStringA("Main", key, "<none>", value, sizeof value, ini_.c_str());
        return value;
    }
    std::string IniBytes() {
        return test::FileExistsForTest(ini_) ? test::ReadWholeFile(ini_) : "<no file>";
    }

    // Shows the dialog over `owner`; `act` runs on it in the driver thread.
    // Returns whether the action alone closed the dialog.
    bool Run(const std::function<void(const Parts&)>& act, HWND owner = nullptr) {
        test::OwnerWindow defaultOwner(150, 100, 640, 480);
        if (owner == nullptr) owner = defaultOwner.Handle();
        test::DialogDriver driver("Preferences", [&](HWND dialog) {
            Parts parts = PartsOf(dialog);
            test::WaitFor([&] { return test::FocusOf(dialog) != nullptr; }, 5000);
            act(parts);
        });
        ShowPreferencesDialog(owner);
        driver.Join();
        EXPECT_TRUE(driver.Found());
        return driver.ClosedByAction();
    }

    test::TempFolder folder_;
    std::string ini_;
    AssociationFunction savedHook_ = nullptr;
    WinHelpFunction savedHelp_ = nullptr;
};

TEST_F(PreferencesDialogTest, OkAppliesTheChangedChoicesXmlFirstAndWritesBothKeys) {
    const struct {
        const char* name;
        const char* xmlBefore;  // nullptr: no key
        const char* padBefore;
        bool xmlTickedAtStart;
        bool padTickedAtStart;
        bool clickXml;
        bool clickPad;
        std::vector<AssociationCall> calls;
        const char* xmlAfter;
        const char* padAfter;
    } rows[] = {
        {"no INI file, no change", nullptr, nullptr, false, false, false, false, {}, "0", "0"},
        {"unchanged choices are rewritten", "1", "0", true, false, false, false, {}, "1", "0"},
        {"both ticked",
         nullptr,
         nullptr,
         false,
         false,
         true,
         true,
         {{"XML", "XML Pad", 1}, {"PAD", "Xml PAD", 1}},
         "1",
         "1"},
        {"both cleared",
         "1",
         "1",
         true,
         true,
         true,
         true,
         {{"XML", "XML Pad", 0}, {"PAD", "Xml PAD", 0}},
         "0",
         "0"},
        {"only PAD cleared", "0", "1", false, true, false, true, {{"PAD", "Xml PAD", 0}}, "0", "0"},
        {"a word is no choice", "yes", "2", false, true, false, false, {}, "0", "1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DeleteFileA(ini_.c_str());
        if (row.xmlBefore != nullptr) WriteIni("ext_XML", row.xmlBefore);
        if (row.padBefore != nullptr) WriteIni("ext_PAD", row.padBefore);
        associationCalls.clear();
        bool xmlAtStart = false;
        bool padAtStart = false;
        bool closed = Run([&](const Parts& p) {
            xmlAtStart = IsTicked(p.xml);
            padAtStart = IsTicked(p.pad);
            if (row.clickXml) Click(p.xml);
            if (row.clickPad) Click(p.pad);
            Click(p.ok);
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(xmlAtStart, row.xmlTickedAtStart);
        EXPECT_EQ(padAtStart, row.padTickedAtStart);
        EXPECT_EQ(associationCalls, row.calls);
        EXPECT_EQ(IniValue("ext_XML"), row.xmlAfter);
        EXPECT_EQ(IniValue("ext_PAD"), row.padAfter);
    }
}

TEST_F(PreferencesDialogTest, CancelEscapeAndCloseBoxChangeNothing) {
    const struct {
        const char* way;
        std::function<void(const Parts&)> close;
    } rows[] = {
        {"Cancel button", [](const Parts& p) { Click(p.cancel); }},
        {"Escape", [](const Parts& p) { test::PostKey(test::FocusOf(p.dialog), VK_ESCAPE); }},
        {"close box", [](const Parts& p) { PostMessageA(p.dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (bool withIni : {false, true}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.way) + (withIni ? " with INI file" : " without"));
            DeleteFileA(ini_.c_str());
            if (withIni) WriteIni("ext_XML", "1");
            std::string before = IniBytes();
            associationCalls.clear();
            bool closed = Run([&](const Parts& p) {
                Click(p.xml);
                Click(p.pad);
                row.close(p);
            });
            EXPECT_TRUE(closed);
            EXPECT_TRUE(associationCalls.empty());
            EXPECT_EQ(IniBytes(), before);
        }
    }
}

TEST_F(PreferencesDialogTest, EnterIsOk) {
    bool closed = Run([](const Parts& p) {
        Click(p.xml);
        test::PostKey(test::FocusOf(p.dialog), VK_RETURN);
    });
    EXPECT_TRUE(closed);
    ASSERT_EQ(associationCalls.size(), 1u);
    EXPECT_EQ(associationCalls[0], (AssociationCall{"XML", "XML Pad", 1}));
    EXPECT_EQ(IniValue("ext_XML"), "1");
}

// Once the open-file dialog has been used, the very next OK still closes
// the dialog and applies the choice.
TEST_F(PreferencesDialogTest, FirstOkAfterTheOpenFileDialogCloses) {
    OpenFileNameFunction saved = RunOpenFileDialog;
    RunOpenFileDialog = CancelledOpenFileDialog;
    tOpenDlg request;
    request.filter = "XML Pad files (*.xml)|*.xml";
    ShowOpenFileDialog(nullptr, request);
    RunOpenFileDialog = saved;
    ASSERT_EQ(CloseGuardCount, 1);

    bool closed = Run([](const Parts& p) {
        Click(p.pad);
        Click(p.ok);
    });
    EXPECT_TRUE(closed);
    ASSERT_EQ(associationCalls.size(), 1u);
    EXPECT_EQ(associationCalls[0], (AssociationCall{"PAD", "Xml PAD", 1}));
    EXPECT_EQ(IniValue("ext_PAD"), "1");
    EXPECT_EQ(CloseGuardCount, 0);
}

TEST_F(PreferencesDialogTest, FirstCancelAfterTheOpenFileDialogCloses) {
    CloseGuardCount = 1;
    bool closed = Run([](const Parts& p) { Click(p.cancel); });
    EXPECT_TRUE(closed);
    EXPECT_EQ(CloseGuardCount, 0);
}

TEST_F(PreferencesDialogTest, HelpButtonAndF1AskWinHelpForTheDialogsKeyword) {
    const std::string helpFile = ProgramFolder() + "Quillot.hlp";
    const struct {
        const char* where;
        std::function<void(const Parts&)> ask;
    } rows[] = {
        {"Help button", [](const Parts& p) { Click(p.help); }},
        {"F1 on the focused box", [](const Parts& p) { test::PostKey(p.xml, VK_F1); }},
        {"F1 on the PAD box", [](const Parts& p) { test::PostKey(p.pad, VK_F1); }},
        {"F1 on OK", [](const Parts& p) { test::PostKey(p.ok, VK_F1); }},
        {"F1 on the dialog", [](const Parts& p) { test::PostKey(p.dialog, VK_F1); }},
        {"F1 on the page", [](const Parts& p) { test::PostKey(p.page, VK_F1); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        helpCalls.clear();
        helpCallCount = 0;
        HWND dialog = nullptr;
        size_t helpCallsWhileOpen = 0;
        bool closed = Run([&](const Parts& p) {
            dialog = p.dialog;
            row.ask(p);
            test::WaitFor([] { return helpCallCount > 0; }, 3000);
            Sleep(100);  // a second, unwanted call would show up here
            helpCallsWhileOpen = helpCallCount;
            Click(p.cancel);
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(helpCallsWhileOpen, 1u);
        ASSERT_EQ(helpCalls.size(), 2u);
        EXPECT_EQ(helpCalls[0].window, dialog);
        EXPECT_EQ(helpCalls[0].file, helpFile);
        EXPECT_EQ(helpCalls[0].command, static_cast<UINT>(HELP_KEY));
        EXPECT_EQ(helpCalls[0].keyword, "Preferences Dialog");
        // Closing tells WinHelp that the dialog needs it no more.
        EXPECT_EQ(helpCalls[1].window, dialog);
        EXPECT_EQ(helpCalls[1].file, helpFile);
        EXPECT_EQ(helpCalls[1].command, static_cast<UINT>(HELP_QUIT));
    }
}

TEST_F(PreferencesDialogTest, OtherKeysReachTheControls) {
    bool xmlAfterSpace = false;
    bool closed = Run([&](const Parts& p) {
        test::PostKey(p.xml, VK_SPACE);
        test::WaitFor([&] { return IsTicked(p.xml); }, 3000);
        xmlAfterSpace = IsTicked(p.xml);
        Click(p.cancel);
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(xmlAfterSpace);
    ASSERT_EQ(helpCalls.size(), 1u);  // only HELP_QUIT
    EXPECT_EQ(helpCalls[0].command, static_cast<UINT>(HELP_QUIT));
}

TEST_F(PreferencesDialogTest, MnemonicsAndTabReachTheBoxesInsideThePage) {
    std::vector<HWND> focusOrder;
    Parts parts = {};
    bool xmlByMnemonic = false;
    bool padByMnemonic = false;
    bool closed = Run([&](const Parts& p) {
        parts = p;
        focusOrder.push_back(test::FocusOf(p.dialog));
        for (int i = 0; i < 5; ++i) {
            HWND before = test::FocusOf(p.dialog);
            test::PostKey(before, VK_TAB);
            test::WaitFor([&] { return test::FocusOf(p.dialog) != before; }, 2000);
            focusOrder.push_back(test::FocusOf(p.dialog));
        }
        PostMessageA(test::FocusOf(p.dialog), WM_SYSCHAR, 'x', 1 << 29);
        test::WaitFor([&] { return IsTicked(p.xml); }, 2000);
        xmlByMnemonic = IsTicked(p.xml);
        PostMessageA(test::FocusOf(p.dialog), WM_SYSCHAR, 'p', 1 << 29);
        test::WaitFor([&] { return IsTicked(p.pad); }, 2000);
        padByMnemonic = IsTicked(p.pad);
        Click(p.cancel);
    });
    EXPECT_TRUE(closed);
    std::vector<HWND> expected = {parts.xml,    parts.pad,  parts.ok,
                                  parts.cancel, parts.help, parts.xml};
    EXPECT_EQ(focusOrder, expected);
    EXPECT_TRUE(xmlByMnemonic);
    EXPECT_TRUE(padByMnemonic);
}

TEST_F(PreferencesDialogTest, LayoutAndCaptions) {
    struct Seen {
        std::string caption, tab, group, xml, pad, ok, cancel, help;
        int tabCount;
    } seen = {};
    test::PreferencesLayout layout = {};
    bool closed = Run([&](const Parts& p) {
        seen.caption = test::TextOf(p.dialog);
        char tab[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = tab;
        item.cchTextMax = sizeof tab;
        SendMessageA(p.tabs, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        seen.tab = tab;
        seen.tabCount = static_cast<int>(SendMessageA(p.tabs, TCM_GETITEMCOUNT, 0, 0));
        seen.group = test::TextOf(GetDlgItem(p.page, IDC_GRPEXTENSIONS));
        seen.xml = test::TextOf(p.xml);
        seen.pad = test::TextOf(p.pad);
        seen.ok = test::TextOf(p.ok);
        seen.cancel = test::TextOf(p.cancel);
        seen.help = test::TextOf(p.help);
        layout = test::MeasurePreferences(p.dialog);
        Click(p.cancel);
    });
    EXPECT_TRUE(closed);

    EXPECT_EQ(seen.caption, "Preferences");
    EXPECT_EQ(seen.tabCount, 1);
    EXPECT_EQ(seen.tab, "Extensions");
    EXPECT_EQ(seen.group, " Associated file extensions with Quillot");
    EXPECT_EQ(seen.xml, "XML     &XML PAD (Portable Application Description Files");
    EXPECT_EQ(seen.pad, "PAD     XML &PAD (Portable Application Description Files");
    EXPECT_EQ(seen.ok, "OK");
    EXPECT_EQ(seen.cancel, "Cancel");
    EXPECT_EQ(seen.help, "&Help");
    test::ExpectPreferencesLaidOut(layout);
}

TEST_F(PreferencesDialogTest, CentredOverTheMainWindowWhereverItIs) {
    const struct {
        int left, top, width, height;
    } owners[] = {{150, 100, 640, 480}, {-300, -200, 500, 400}, {700, 500, 601, 401}};
    for (const auto& o : owners) {
        SCOPED_TRACE(std::to_string(o.left) + "," + std::to_string(o.top));
        test::OwnerWindow owner(o.left, o.top, o.width, o.height);
        RECT main = {};
        RECT box = {};
        Run(
            [&](const Parts& p) {
                GetWindowRect(owner.Handle(), &main);
                GetWindowRect(p.dialog, &box);
                Click(p.cancel);
            },
            owner.Handle());
        int w = box.right - box.left;
        int h = box.bottom - box.top;
        EXPECT_EQ(box.left, main.left + ((main.right - main.left) - w) / 2);
        EXPECT_EQ(box.top, main.top + ((main.bottom - main.top) - h) / 2);
    }
}

TEST_F(PreferencesDialogTest, EveryOpeningReadsTheIniFileAgain) {
    Run([](const Parts& p) {
        Click(p.xml);
        Click(p.ok);
    });
    WriteIni("ext_PAD", "1");
    bool xml = false;
    bool pad = false;
    associationCalls.clear();
    Run([&](const Parts& p) {
        xml = IsTicked(p.xml);
        pad = IsTicked(p.pad);
        Click(p.ok);
    });
    EXPECT_TRUE(xml);
    EXPECT_TRUE(pad);
    EXPECT_TRUE(associationCalls.empty());  // fresh initial states: nothing changed
}

}  // namespace
}  // namespace quillot
