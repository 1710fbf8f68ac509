// The recent files of the File menu: each way of opening a document by its
// name puts it on top; the list lasts across restarts in section "Recent",
// holds eight files each once, and a listed file that is gone leaves it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/recent_files.h"
#include "reader/wide_text.h"
#include "resources/resource.h"
#include "settings/stored_name.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

TEST(RecentFiles, LongPathsAreShortenedInTheMiddle) {
    const struct {
        const char* path;
        size_t limit;
        const char* shown;
    } rows[] = {
        {"C:\\pads\\app.xml", 15, "C:\\pads\\app.xml"},
        {"C:\\Users\\joe\\Documents\\PAD files\\2024\\app.xml", 35,
         "C:\\Users\\...\\PAD files\\2024\\app.xml"},
        {"\\\\server\\share\\deep\\deeper\\app.xml", 30, "\\\\server\\share\\...\\app.xml"},
        {"C:\\Программы\\очень длинная папка\\ещё одна\\app.xml", 33,
         "C:\\Программы\\...\\ещё одна\\app.xml"},
        {"C:\\Users\\joe\\a_file_name_that_is_far_too_long.xml", 24, "C:\\Users\\jo...o_long.xml"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShortenedPath(row.path, row.limit), row.shown) << row.path;
}

class RecentFilesTest : public test::FrmTest {
  protected:
    std::string Pad(const std::string& name) {
        return documents_.Write(name, "<Program_Name>Program " + name + "</Program_Name>");
    }
};

TEST_F(RecentFilesTest, DocumentsOpenedByNameHeadTheListAcrossRestarts) {
    const std::string first = Pad("first.xml"), dropped = Pad("dropped.xml");
    const std::string chosen = Pad("chosen.pad"), next = Pad("next.xml");
    const std::string handed = documents_.MakeFolder("Программы") + "\\Программа.xml";
    test::WriteWholeFile(handed, "<Program_Name>Handed</Program_Name>");

    TFrm& frm = Open({first});
    // Neither the folder keys, nor Refresh, nor a new rendering add a file.
    frm.RunCommand(IDM_NEXT_FILE);
    frm.RunCommand(IDM_REFRESH);
    frm.RunCommand(IDM_LABEL_COLOR);
    ASSERT_EQ(CurrentFilePath, next);
    SendMessageA(frm.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeWideDrop(dropped)),
                 0);
    dialogs_.openAnswer = chosen;
    frm.RunCommand(IDM_FILE_OPEN);
    SetIniValue("Main", "fName", StoredFileName(handed));
    PostMessageA(application_->Handle(), HandOverMessage, HandOverWParam, HandOverLParam);
    Pump();
    const std::vector<std::string> expected = {handed, chosen, dropped, first};
    EXPECT_EQ(frm.RecentFileList(), expected);
    HMENU file = GetSubMenu(GetMenu(frm.Handle()), 0);
    for (size_t i = 0; i < expected.size(); ++i) {
        wchar_t text[512] = {};
        GetMenuStringW(file, IDM_RECENT_FIRST + static_cast<UINT>(i), text, 512, MF_BYCOMMAND);
        EXPECT_EQ(WideToUtf8(text), "&" + std::to_string(i + 1) + " " +
                                        ShortenedPath(expected[i], RecentMenuPathCharacters));
    }
    Close();
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(IniValue("Recent", "File" + std::to_string(i + 1)), StoredFileName(expected[i]));
    EXPECT_EQ(IniValue("Recent", "File5"), "<absent>");

    // The next start lists them again; the list itself opens them.
    TFrm& again = Open();
    EXPECT_EQ(again.RecentFileList(), expected);
    again.RunCommand(IDM_RECENT_FIRST + 2);
    EXPECT_EQ(CurrentFilePath, dropped);
    EXPECT_EQ(again.RecentFileList(), (std::vector<std::string>{dropped, handed, chosen, first}));
}

TEST_F(RecentFilesTest, EightFilesEachOnceAndAGoneOneLeavesTheList) {
    std::vector<std::string> opened;
    TFrm& frm = Open();
    for (int i = 0; i < 9; ++i) {
        opened.push_back(Pad("file" + std::to_string(i) + ".xml"));
        dialogs_.openAnswer = opened.back();
        frm.RunCommand(IDM_FILE_OPEN);
    }
    const std::vector<std::string>& list = frm.RecentFileList();
    EXPECT_EQ(list, std::vector<std::string>(opened.rbegin(), opened.rend() - 1));

    // The same file in other letter case takes the top without a second entry.
    std::string upper = opened[4];
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    dialogs_.openAnswer = upper;
    frm.RunCommand(IDM_FILE_OPEN);
    EXPECT_EQ(list.size(), 8u);
    EXPECT_EQ(list.front(), upper);
    EXPECT_EQ(std::count(list.begin(), list.end(), opened[4]), 0);

    // A listed file that is gone shows as the empty document and leaves the list.
    ASSERT_EQ(list[1], opened[8]);
    DeleteFileW(Utf8ToWide(opened[8]).c_str());
    frm.RunCommand(IDM_RECENT_FIRST + 1);
    EXPECT_EQ(frm.Caption(), "Quillot - file8.xml");
    EXPECT_EQ(frm.View(StandardPage).Text().find("Program file8"), std::string::npos);
    EXPECT_EQ(list.size(), 7u);
    EXPECT_EQ(list[1], opened[7]);
    EXPECT_TRUE(frm.MenuHasItem(IDM_RECENT_FIRST + 6));
    EXPECT_FALSE(frm.MenuHasItem(IDM_RECENT_FIRST + 7));
}

}  // namespace
}  // namespace quillot
