// The recent files of the File menu: what opens a document by its name puts
// it at the top, the list lasts across restarts in section "Recent", holds
// eight files each once, and drops a file that is gone when it is chosen.
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

using test::FrmTest;

TEST(RecentFiles, LongPathsAreShortenedInTheMiddle) {
    const struct {
        const char* path;
        size_t limit;
        const char* shown;
    } rows[] = {
        {"C:\\pads\\app.xml", 20, "C:\\pads\\app.xml"},
        {"C:\\Users\\joe\\Documents\\PAD files\\2024\\app.xml", 30,
         "C:\\Users\\...\\2024\\app.xml"},
        {"C:\\Users\\joe\\Documents\\PAD files\\2024\\app.xml", 35,
         "C:\\Users\\...\\PAD files\\2024\\app.xml"},
        {"\\\\server\\share\\deep\\deeper\\deepest\\app.xml", 30,
         "\\\\server\\share\\...\\app.xml"},
        {"C:\\Программы\\очень длинная папка\\ещё одна\\app.xml", 33,
         "C:\\Программы\\...\\ещё одна\\app.xml"},
        // Not even the file name fits beside the root and the first folder.
        {"C:\\Users\\joe\\a_file_name_that_is_far_too_long.xml", 24, "C:\\Users\\jo...o_long.xml"},
        {"a_file_name_that_is_far_too_long.xml", 11, "a_fi....xml"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShortenedPath(row.path, row.limit), row.shown) << row.path;
    }
}

class RecentFilesTest : public FrmTest {
  protected:
    // The texts of the File menu's recent items, top down.
    std::vector<std::string> MenuItems() const {
        std::vector<std::string> items;
        HMENU file = GetSubMenu(GetMenu(frm_->Handle()), 0);
        for (UINT id = IDM_RECENT_FIRST; id <= IDM_RECENT_LAST; ++id) {
            wchar_t text[512] = {};
            if (GetMenuStringW(file, id, text, 512, MF_BYCOMMAND) > 0) {
                items.push_back(WideToUtf8(text));
            }
        }
        return items;
    }

    std::string Pad(const std::string& name) {
        return documents_.Write(name, "<Program_Name>Program " + name + "</Program_Name>");
    }
};

TEST_F(RecentFilesTest, DocumentsOpenedByNameHeadTheListAcrossRestarts) {
    const std::string first = Pad("first.xml");
    const std::string dropped = Pad("dropped.xml");
    const std::string chosen = Pad("chosen.pad");
    const std::string handed = documents_.MakeFolder("Программы") + "\\Программа.xml";
    test::WriteWholeFile(handed, "<Program_Name>Handed</Program_Name>");
    Pad("next.xml");

    TFrm& frm = Open({first});
    // Neither the folder keys, nor Refresh, nor a new rendering add a file.
    frm.RunCommand(IDM_NEXT_FILE);
    frm.RunCommand(IDM_REFRESH);
    frm.RunCommand(IDM_LABEL_COLOR);
    ASSERT_EQ(CurrentFilePath, documents_.File("next.xml"));
    EXPECT_EQ(frm.RecentFileList(), std::vector<std::string>{first});

    SendMessageA(frm.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeWideDrop(dropped)),
                 0);
    dialogs_.openAnswer = chosen;
    frm.RunCommand(IDM_FILE_OPEN);
    SetIniValue("Main", "fName", StoredFileName(handed));
    PostMessageA(application_->Handle(), HandOverMessage, HandOverWParam, HandOverLParam);
    Pump();
    ASSERT_EQ(CurrentFilePath, handed);

    const std::vector<std::string> expected = {handed, chosen, dropped, first};
    EXPECT_EQ(frm.RecentFileList(), expected);
    std::vector<std::string> items;
    for (size_t i = 0; i < expected.size(); ++i) {
        items.push_back("&" + std::to_string(i + 1) + " " +
                        ShortenedPath(expected[i], RecentMenuPathCharacters));
    }
    EXPECT_EQ(MenuItems(), items);
    Close();
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(IniValue("Recent", "File" + std::to_string(i + 1)), StoredFileName(expected[i]));
    }
    EXPECT_EQ(IniValue("Recent", "File5"), "<absent>");

    // The next start lists them again; the list itself opens them.
    TFrm& again = Open();
    EXPECT_EQ(again.RecentFileList(), expected);
    EXPECT_EQ(MenuItems().size(), 4u);
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
    ASSERT_EQ(frm.RecentFileList().size(), 8u);
    EXPECT_EQ(frm.RecentFileList().front(), opened[8]);
    EXPECT_EQ(frm.RecentFileList().back(), opened[1]);

    // The same file in other letter case takes the top without a second entry.
    std::string upper = opened[4];
    for (char& c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    dialogs_.openAnswer = upper;
    frm.RunCommand(IDM_FILE_OPEN);
    ASSERT_EQ(frm.RecentFileList().size(), 8u);
    EXPECT_EQ(frm.RecentFileList().front(), upper);
    EXPECT_EQ(std::count(frm.RecentFileList().begin(), frm.RecentFileList().end(), opened[4]), 0);

    // A listed file that is gone shows as the empty document and leaves the list.
    ASSERT_EQ(frm.RecentFileList()[1], opened[8]);
    DeleteFileW(Utf8ToWide(opened[8]).c_str());
    frm.RunCommand(IDM_RECENT_FIRST + 1);
    EXPECT_EQ(frm.Caption(), "Quillot - file8.xml");
    EXPECT_EQ(frm.View(StandardPage).Text().find("Program file8"), std::string::npos);
    EXPECT_EQ(frm.RecentFileList().size(), 7u);
    EXPECT_EQ(frm.RecentFileList()[1], opened[7]);
    EXPECT_EQ(MenuItems().size(), 7u);
}

}  // namespace
}  // namespace quillot
