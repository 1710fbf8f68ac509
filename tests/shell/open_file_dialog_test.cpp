#include "shell/open_file_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "reader/wide_text.h"
#include "tests/shell/dialog_driver.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

const char MainFilter[] =
    "XML Pad files (*.xml)|*.xml|Xml PAD files (*.pad)|*.pad|All files (*.*)|*.*";

TEST(PrepareOpenFileDialog, FilterIndexFollowsTheProposedFile) {
    const struct {
        const char* fileName;
        DWORD requestIndex;
        DWORD expectedIndex;
        const char* expectedDefExt;
    } rows[] = {
        {"C:\\docs\\report.pad", 1, 2, "pad"},
        {"C:\\docs\\REPORT.PAD", 1, 2, "PAD"},
        {"C:\\docs\\report.Xml", 3, 1, "Xml"},
        {"C:\\docs\\notes.txt", 3, 3, "txt"},  // no pattern matches: the request's index stays
        {"C:\\docs\\notes.txt", 0, 0, "txt"},
        {"C:\\docs.old\\noext", 2, 1, "xml"},  // no extension: the default one, "xml"
        {"", 0, 1, "xml"},
        {"C:\\docs\\odd.*", 1, 3, "*"},
    };
    for (const auto& row : rows) {
        tOpenDlg request;
        request.filter = MainFilter;
        request.fileName = row.fileName;
        request.defaultExt = "xml";
        request.filterIndex = row.requestIndex;
        PrepareOpenFileDialog(request);
        EXPECT_EQ(request.record.nFilterIndex, row.expectedIndex) << row.fileName;
        ASSERT_NE(request.record.lpstrDefExt, nullptr) << row.fileName;
        EXPECT_STREQ(request.record.lpstrDefExt, row.expectedDefExt) << row.fileName;
        EXPECT_STREQ(request.fileNameBuffer, row.fileName);
        EXPECT_EQ(request.record.lpstrFile, request.fileNameBuffer);
    }
}

// The record without the places-bar fields: 76 bytes in the 32-bit program,
// 136 in the 64-bit one (pointers and handles are 8 bytes wide there).
constexpr DWORD kRecordSizeOfThisWidth = sizeof(void*) == 4 ? 76 : 136;

TEST(PrepareOpenFileDialog, FillsTheRecordInThePlatformsFormWithoutPlacesBar) {
    EXPECT_EQ(OpenDlgRecordSize, kRecordSizeOfThisWidth);
    EXPECT_EQ(OpenDlgRecordSize, OPENFILENAME_SIZE_VERSION_400A);
    tOpenDlg request;
    request.owner = reinterpret_cast<HWND>(0x1234);
    request.flags = DefaultOpenDlgFlags;
    request.filterIndex = 1;
    request.filter = MainFilter;
    request.initialFolder = "C:\\Program Files\\Quillot";
    request.defaultExt = "xml";
    std::memset(&request.record, 0x5A, sizeof request.record);
    PrepareOpenFileDialog(request);

    const OPENFILENAMEA& r = request.record;
    EXPECT_EQ(r.lStructSize, kRecordSizeOfThisWidth);
    EXPECT_EQ(r.hwndOwner, request.owner);
    EXPECT_EQ(r.Flags, DefaultOpenDlgFlags);
    EXPECT_EQ(r.nMaxFile, 260u);
    EXPECT_EQ(r.lpstrFilter, request.filterBuffer);
    EXPECT_STREQ(r.lpstrInitialDir, "C:\\Program Files\\Quillot");
    EXPECT_EQ(r.lpstrTitle, nullptr);  // the system's title
    EXPECT_EQ(r.hInstance, nullptr);   // the rest of the record is cleared
    EXPECT_EQ(r.lpstrCustomFilter, nullptr);
    EXPECT_EQ(r.lpstrFileTitle, nullptr);
    EXPECT_EQ(r.lCustData, 0);
}

TEST(PrepareOpenFileDialog, FilterBufferHoldsThePairsSeparatedByNul) {
    tOpenDlg request;
    request.filter = "A (*.a)|*.a|B (*.b)|*.b";
    std::memset(request.filterBuffer, 'x', sizeof request.filterBuffer);
    PrepareOpenFileDialog(request);
    const std::string expected("A (*.a)\0*.a\0B (*.b)\0*.b", 23);
    EXPECT_EQ(std::string(request.filterBuffer, expected.size()), expected);
    for (size_t i = expected.size(); i < OpenDlgBufferSize; ++i) {
        ASSERT_EQ(request.filterBuffer[i], '\0') << "at " << i;
    }
}

TEST(PrepareOpenFileDialog, TitleAndLongNamesAreBounded) {
    tOpenDlg request;
    request.title = "Choose a PAD file";
    request.filter = MainFilter;
    request.fileName = "C:\\" + std::string(300, 'n') + ".pad";
    PrepareOpenFileDialog(request);
    EXPECT_STREQ(request.record.lpstrTitle, "Choose a PAD file");
    EXPECT_EQ(std::strlen(request.fileNameBuffer), 255u);
    EXPECT_EQ(std::string(request.fileNameBuffer), request.fileName.substr(0, 255));
    EXPECT_EQ(request.record.nFilterIndex, 2u);  // the extension still counts
}

TEST(PrepareOpenFileDialog, OnlyTheFirstNinePatternsCount) {
    std::string filter;
    for (char c = 'a'; c <= 'j'; ++c) {
        filter += std::string(c == 'a' ? "" : "|") + "T (*." + c + ")|*." + c;
    }
    const struct {
        const char* fileName;
        DWORD expectedIndex;
    } rows[] = {{"x.a", 1}, {"x.e", 5}, {"x.i", 9}, {"x.j", 7}};
    for (const auto& row : rows) {
        tOpenDlg request;
        request.filter = filter;
        request.fileName = row.fileName;
        request.filterIndex = 7;
        PrepareOpenFileDialog(request);
        EXPECT_EQ(request.record.nFilterIndex, row.expectedIndex) << row.fileName;
    }
}

// A stand-in for GetOpenFileNameW: records what it was given and answers
// as the user would have.
struct FakeDialog {
    static inline OPENFILENAMEW seen;
    static inline std::wstring proposed;
    static inline const wchar_t* chosenPath = nullptr;
    static inline BOOL answer = FALSE;
    static inline int runs = 0;

    static BOOL WINAPI Run(LPOPENFILENAMEW record) {
        ++runs;
        seen = *record;
        proposed = record->lpstrFile;
        if (chosenPath != nullptr) wcscpy(record->lpstrFile, chosenPath);
        return answer;
    }
};

class ShowOpenFileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = RunOpenFileDialog;
        RunOpenFileDialog = FakeDialog::Run;
        FakeDialog::runs = 0;
        CloseGuardCount = 0;
    }
    void TearDown() override { RunOpenFileDialog = saved_; }

    OpenFileNameFunction saved_ = nullptr;
};

TEST_F(ShowOpenFileDialogTest, ChosenFileLandsInTheFileNameBuffer) {
    FakeDialog::chosenPath = L"C:\\pads\\chosen.pad";
    FakeDialog::answer = TRUE;
    tOpenDlg request;
    request.filter = MainFilter;
    request.fileName = "C:\\pads\\report.xml";
    request.defaultExt = "xml";
    HWND owner = reinterpret_cast<HWND>(0x4321);

    EXPECT_TRUE(ShowOpenFileDialog(owner, request));
    EXPECT_EQ(FakeDialog::runs, 1);
    EXPECT_STREQ(request.fileNameBuffer, "C:\\pads\\chosen.pad");
    EXPECT_EQ(request.owner, owner);
    EXPECT_EQ(request.flags, DefaultOpenDlgFlags);
    EXPECT_EQ(FakeDialog::seen.hwndOwner, owner);
    EXPECT_EQ(FakeDialog::seen.Flags, DefaultOpenDlgFlags);
    EXPECT_EQ(FakeDialog::seen.lStructSize, kRecordSizeOfThisWidth);
    EXPECT_EQ(FakeDialog::seen.nFilterIndex, 1u);
    // The dialog worked on a separate buffer holding the proposal.
    EXPECT_EQ(FakeDialog::proposed, L"C:\\pads\\report.xml");
    EXPECT_EQ(CloseGuardCount, 1);
}

// The wide dialog gets the proposal and gives the choice whole, also names
// the ANSI code page lacks.
TEST_F(ShowOpenFileDialogTest, NamesOutsideTheAnsiCodePageGoThereAndBack) {
    FakeDialog::answer = TRUE;
    for (const wchar_t* name : {L"Программа.xml", L"软件.pad", L"notes 😀.xml"}) {
        const std::wstring path = std::wstring(L"C:\\Łódź\\") + name;
        FakeDialog::chosenPath = path.c_str();
        tOpenDlg request;
        request.filter = MainFilter;
        request.fileName = WideToUtf8(path);
        EXPECT_TRUE(ShowOpenFileDialog(nullptr, request));
        EXPECT_EQ(FakeDialog::proposed, path);
        EXPECT_EQ(std::string(request.fileNameBuffer), WideToUtf8(path));
    }
}

TEST_F(ShowOpenFileDialogTest, CancelReturnsFalseAndStillSetsTheCloseGuard) {
    FakeDialog::chosenPath = nullptr;
    FakeDialog::answer = FALSE;
    tOpenDlg request;
    request.filter = MainFilter;
    request.fileName = "C:\\pads\\report.pad";
    request.flags = OFN_EXPLORER;

    EXPECT_FALSE(ShowOpenFileDialog(nullptr, request));
    EXPECT_EQ(CloseGuardCount, 1);
    EXPECT_EQ(request.flags, static_cast<DWORD>(OFN_EXPLORER));  // given flags are kept
    EXPECT_EQ(FakeDialog::seen.nFilterIndex, 2u);
    EXPECT_STREQ(request.fileNameBuffer, "C:\\pads\\report.pad");
}

TEST_F(ShowOpenFileDialogTest, WhatTheDialogLeftIsCopiedBackEvenOnCancel) {
    FakeDialog::chosenPath = L"C:\\typed but cancelled.xml";
    FakeDialog::answer = FALSE;
    tOpenDlg request;
    request.filter = MainFilter;
    EXPECT_FALSE(ShowOpenFileDialog(nullptr, request));
    EXPECT_STREQ(request.fileNameBuffer, "C:\\typed but cancelled.xml");
}

// The system's own dialog, driven as a user would: it opens on the proposed
// file with the matching filter chosen, and returns the file picked.
class SystemOpenFileDialog : public ::testing::Test {
  protected:
    static constexpr int FileNameEdit = 0x480;   // edt1
    static constexpr int FileNameCombo = 0x47c;  // cmb13
    static constexpr int FileTypeCombo = 0x470;  // cmb1

    // The control in which the user types the file name.
    static HWND FileNameField(HWND dialog) {
        HWND field = GetDlgItem(dialog, FileNameEdit);
        return field != nullptr ? field : GetDlgItem(dialog, FileNameCombo);
    }

    test::TempFolder folder_;
};

TEST_F(SystemOpenFileDialog, OpensOnTheProposedFileAndReturnsTheChosenOne) {
    std::string proposed = folder_.Write("report.pad", "<XML_DIZ_INFO/>");
    std::string other = folder_.Write("other.pad", "<XML_DIZ_INFO/>");
    test::OwnerWindow owner(100, 100, 500, 400);
    tOpenDlg request;
    request.filter = MainFilter;
    request.fileName = proposed;
    request.defaultExt = "xml";

    LRESULT filterShown = -1;
    std::string nameShown;
    test::DialogDriver driver("Open", [&](HWND dialog) {
        test::WaitFor([&] { return !test::TextOf(FileNameField(dialog)).empty(); }, 5000);
        filterShown = SendMessageA(GetDlgItem(dialog, FileTypeCombo), CB_GETCURSEL, 0, 0);
        nameShown = test::TextOf(FileNameField(dialog));
        SendMessageA(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("other.pad"));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    bool chosen = ShowOpenFileDialog(owner.Handle(), request);
    driver.Join();

    ASSERT_TRUE(driver.Found());
    EXPECT_TRUE(driver.ClosedByAction());
    EXPECT_TRUE(chosen);
    EXPECT_EQ(filterShown, 1);  // "Xml PAD files (*.pad)"
    EXPECT_EQ(nameShown, "report.pad");
    EXPECT_TRUE(_stricmp(request.fileNameBuffer, other.c_str()) == 0) << request.fileNameBuffer;
    EXPECT_EQ(CloseGuardCount, 1);
}

TEST_F(SystemOpenFileDialog, CancelReturnsFalse) {
    test::OwnerWindow owner(100, 100, 500, 400);
    tOpenDlg request;
    request.filter = MainFilter;
    request.initialFolder = folder_.Path();
    request.defaultExt = "xml";
    CloseGuardCount = 0;

    LRESULT filterShown = -1;
    test::DialogDriver driver("Open", [&](HWND dialog) {
        filterShown = SendMessageA(GetDlgItem(dialog, FileTypeCombo), CB_GETCURSEL, 0, 0);
        test::PostKey(test::FocusOf(dialog), VK_ESCAPE);
    });
    bool chosen = ShowOpenFileDialog(owner.Handle(), request);
    driver.Join();

    ASSERT_TRUE(driver.Found());
    EXPECT_TRUE(driver.ClosedByAction());
    EXPECT_FALSE(chosen);
    EXPECT_EQ(filterShown, 0);  // "XML Pad files (*.xml)"
    EXPECT_EQ(CloseGuardCount, 1);
}

}  // namespace
}  // namespace quillot
