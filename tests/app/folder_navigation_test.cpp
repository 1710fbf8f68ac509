#include <gtest/gtest.h>

#include <algorithm>

#include "app/folder_list.h"
#include "reader/wide_text.h"
#include "resources/resource.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;
using Names = std::vector<std::string>;

constexpr const char* kPad = "<Program_Name>P</Program_Name>";

class FolderNavigationTest : public FrmTest {
  protected:
    void SetUp() override {
        FrmTest::SetUp();
        for (const char* name :
             {"a.xml", "B.pad", "c.XML", "x.xmlbak", "d.xmlx", "b.xml~", "n.txt"}) {
            documents_.Write(name, kPad);
        }
        CreateDirectoryA(documents_.File("sub.xml").c_str(), nullptr);
    }
    void Command(int id) { frm_->RunCommand(id); }
    std::string Shown() const { return CurrentFilePath; }
};

TEST_F(FolderNavigationTest, ListHoldsSupportedFilesInLocaleOrder) {
    const std::string hidden = documents_.Write("h.pad", kPad);
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ListSupportedFiles(documents_.PathWithSeparator()),
              (Names{"a.xml", "B.pad", "c.XML", "h.pad"}));
    EXPECT_TRUE(ListSupportedFiles(documents_.File("missing") + "\\").empty());
}

TEST_F(FolderNavigationTest, SortOrderIsCompareStringIgnoringCase) {
    test::TempFolder names;
    const Names files = {"_x.xml",    "Z.xml",   "a-b.xml", "ab.xml",  "A2.pad",
                         "a10.xml",   "été.xml", "eta.xml", "Etb.pad", "o'neil.xml",
                         "oneil.pad", "~t.xml",  "1.xml"};
    for (const std::string& name : files)
        names.Write(name, kPad);
    Names expected = files;
    std::stable_sort(
        expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
            return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Utf8ToWide(a).c_str(), -1,
                                  Utf8ToWide(b).c_str(), -1) == CSTR_LESS_THAN;
        });
    EXPECT_EQ(ListSupportedFiles(names.PathWithSeparator()), expected);
}

TEST_F(FolderNavigationTest, StepsThroughTheFolderWithoutWrapping) {
    TFrm& frm = Open({documents_.File("B.pad")});
    EXPECT_EQ(frm.StatusText(), "1 of 3 files");
    Command(IDM_NEXT_FILE);
    EXPECT_EQ(Shown(), documents_.File("c.XML"));
    EXPECT_EQ(frm.StatusText(), "2 of 3 files");
    Command(IDM_NEXT_FILE);  // last file: nothing happens
    EXPECT_EQ(Shown(), documents_.File("c.XML"));
    EXPECT_EQ(frm.StatusText(), "2 of 3 files");
    Command(IDM_FIRST_FILE);
    EXPECT_EQ(Shown(), documents_.File("a.xml"));
    EXPECT_EQ(frm.StatusText(), "0 of 3 files");
    Command(IDM_PREV_FILE);  // first file: nothing happens
    EXPECT_EQ(Shown(), documents_.File("a.xml"));
    Command(IDM_LAST_FILE);
    EXPECT_EQ(Shown(), documents_.File("c.XML"));
    Command(IDM_PREV_FILE);
    EXPECT_EQ(Shown(), documents_.File("B.pad"));
    EXPECT_EQ(frm.Caption(), "Quillot - B.pad");
}

TEST_F(FolderNavigationTest, NewFilesAppearAfterRefresh) {
    TFrm& frm = Open({documents_.File("c.XML")});
    documents_.Write("d.pad", kPad);
    Command(IDM_NEXT_FILE);
    EXPECT_EQ(Shown(), documents_.File("c.XML"));
    Command(IDM_REFRESH);
    EXPECT_EQ(frm.StatusText(), "2 of 4 files");
    Command(IDM_NEXT_FILE);
    EXPECT_EQ(Shown(), documents_.File("d.pad"));
}

TEST_F(FolderNavigationTest, DocumentOutsideTheListHasNoPosition) {
    TFrm& frm = Open({documents_.File("n.txt")});
    EXPECT_EQ(frm.StatusText(), "-1 of 3 files");
    Command(IDM_NEXT_FILE);
    Command(IDM_PREV_FILE);
    Command(IDM_REFRESH);
    EXPECT_EQ(Shown(), documents_.File("n.txt"));
    Command(IDM_LAST_FILE);
    EXPECT_EQ(Shown(), documents_.File("c.XML"));
}

TEST_F(FolderNavigationTest, DocumentOfTheSameFolderShownOtherwiseGetsItsPosition) {
    TFrm& frm = Open({documents_.File("a.xml")});
    frm.LoadDocument(documents_.File("c.XML"), true);  // as File Open or a drop would
    EXPECT_EQ(frm.StatusText(), "2 of 3 files");
    Command(IDM_PREV_FILE);
    EXPECT_EQ(Shown(), documents_.File("B.pad"));
}

TEST_F(FolderNavigationTest, AnotherFolderRebuildsTheList) {
    TFrm& frm = Open({documents_.File("a.xml")});
    test::TempFolder other;
    const std::string single = other.Write("only.pad", kPad);
    frm.LoadDocument(single, true);
    EXPECT_EQ(frm.StatusText(), "0 of 1 files");
    EXPECT_EQ(CurrentFolder, other.PathWithSeparator());

    // The same folder written in other letter case counts as another folder.
    std::string upper = other.PathWithSeparator();
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    frm.LoadDocument(upper + "ONLY.PAD", true);
    EXPECT_EQ(CurrentFolder, upper);
    EXPECT_EQ(frm.StatusText(), "0 of 1 files");
}

TEST_F(FolderNavigationTest, EmptyOrMissingFolder) {
    TFrm& frm = Open({documents_.File("missing\\gone.xml")});
    EXPECT_EQ(frm.StatusText(), "-1 of 0 files");
    Command(IDM_FIRST_FILE);
    Command(IDM_LAST_FILE);
    EXPECT_EQ(Shown(), documents_.File("missing\\gone.xml"));
}

}  // namespace
}  // namespace quillot
