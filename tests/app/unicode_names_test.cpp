// Documents whose names the ANSI code page cannot hold, in a folder whose
// name it cannot hold either, reach the window by every way a name enters,
// keep their names in the caption (read back as UTF-16) and on the folder
// commands, and stay apart where the single-byte calls would make two names
// one.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/folder_list.h"
#include "reader/wide_text.h"
#include "report/report_settings.h"
#include "resources/resource.h"
#include "settings/stored_name.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;

// A Cyrillic, a CJK and an emoji name; the two Cyrillic names have as many
// letters, so the single-byte calls give both as "?????????.xml".
const std::vector<std::string> kNames = {"Программа.xml", "软件.pad", "notes 😀.xml"};
const std::string kTwin = "Программы.xml";

std::string Pad(const std::string& program) {
    return "<Program_Name>" + program + "</Program_Name>";
}

std::wstring WideCaption(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class UnicodeNamesTest : public FrmTest {
  protected:
    void SetUp() override {
        FrmTest::SetUp();
        names_ = documents_.MakeFolder("Łódź Программы");
        for (size_t i = 0; i < kNames.size(); ++i)
            test::WriteWholeFile(Path(kNames[i]), Pad("Program " + std::to_string(i)));
    }
    std::string Path(const std::string& name) const { return names_ + "\\" + name; }

    // The window shows the document: path, caption (also as UTF-16), and the
    // report of its text.
    void ExpectShown(TFrm& frm, size_t index) {
        const std::string& name = kNames[index];
        EXPECT_EQ(CurrentFilePath, Path(name));
        EXPECT_EQ(frm.Caption(), "Quillot - " + name);
        EXPECT_EQ(WideCaption(frm.Handle()), L"Quillot - " + Utf8ToWide(name));
        const std::string program = "Program " + std::to_string(index);
        EXPECT_NE(frm.View(StandardPage).Text().find(program), std::string::npos) << name;
    }

    std::string names_;
};

TEST_F(UnicodeNamesTest, EveryWayInCarriesTheExactName) {
    const struct {
        const char* way;
        std::function<void(const std::string&)> open;
    } ways[] = {
        {"command line", [this](const std::string& path) { Open({path}); }},
        {"drop",
         [this](const std::string& path) {
             SendMessageA(Open().Handle(), WM_DROPFILES,
                          reinterpret_cast<WPARAM>(test::MakeWideDrop(path)), 0);
         }},
        {"open dialog",
         [this](const std::string& path) {
             dialogs_.openAnswer = path;
             Open().RunCommand(IDM_FILE_OPEN);
         }},
        {"hand-over",
         [this](const std::string& path) {
             Open();
             SetIniValue("Main", "fName", StoredFileName(path));
             PostMessageA(application_->Handle(), HandOverMessage, HandOverWParam, HandOverLParam);
             Pump();
         }},
        {"remembered fName",
         [this](const std::string& path) {
             Open({path});
             Close();
             EXPECT_EQ(IniValue("Main", "fName"), StoredFileName(path));
             Open();
         }},
    };
    for (const auto& way : ways) {
        for (size_t i = 0; i < kNames.size(); ++i) {
            SCOPED_TRACE(std::string(way.way) + ": " + kNames[i]);
            way.open(Path(kNames[i]));
            ExpectShown(*frm_, i);
        }
    }
}

TEST_F(UnicodeNamesTest, ReportsOfASingleByteDocumentNameItAsBeforeOrEscaped) {
    // The name of a Windows-1252 document keeps its single bytes; one the
    // code page lacks is escaped, and the view shows it as itself.
    const std::string singleByte = Pad("M\xFC");
    const std::string mueller = documents_.Write("Müller.xml", singleByte);
    TFrm& frm = Open({mueller});
    EXPECT_NE(Report(StandardReportName).find("{\\cf2 M\xFCller.xml}"), std::string::npos);
    const std::string cyrillic = Path("Программа 1252.xml");
    test::WriteWholeFile(cyrillic, singleByte);
    frm.LoadDocument(cyrillic, true);
    EXPECT_NE(Report(StandardReportName).find("{\\cf2 \\u1055?\\u1088?"), std::string::npos);
    EXPECT_NE(frm.View(StandardPage).UnicodeText().find(L"Программа 1252.xml"), std::wstring::npos);
}

TEST_F(UnicodeNamesTest, FolderCommandsStepThroughMixedNames) {
    test::WriteWholeFile(Path(kTwin), Pad("Twin"));
    test::WriteWholeFile(Path("a.xml"), Pad("A"));
    test::WriteWholeFile(Path("Z.pad"), Pad("Z"));
    std::vector<std::string> expected = kNames;
    expected.insert(expected.end(), {kTwin, "a.xml", "Z.pad"});
    std::stable_sort(
        expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
            return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Utf8ToWide(a).c_str(), -1,
                                  Utf8ToWide(b).c_str(), -1) == CSTR_LESS_THAN;
        });
    EXPECT_EQ(ListSupportedFiles(names_ + "\\"), expected);

    TFrm& frm = Open({Path(expected[0])});
    const std::string count = " of " + std::to_string(expected.size()) + " files";
    for (size_t i = 1; i < expected.size(); ++i) {
        frm.RunCommand(IDM_NEXT_FILE);
        EXPECT_EQ(CurrentFilePath, Path(expected[i]));
        EXPECT_EQ(frm.StatusText(), std::to_string(i) + count);
    }
    frm.RunCommand(IDM_PREV_FILE);
    EXPECT_EQ(CurrentFilePath, Path(expected[expected.size() - 2]));
    frm.RunCommand(IDM_REFRESH);
    EXPECT_EQ(CurrentFilePath, Path(expected[expected.size() - 2]));
    EXPECT_EQ(WideCaption(frm.Handle()), L"Quillot - " + Utf8ToWide(expected[expected.size() - 2]));
    EXPECT_EQ(frm.StatusText(), std::to_string(expected.size() - 2) + count);
}

}  // namespace
}  // namespace quillot
