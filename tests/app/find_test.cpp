// Find in the active view through the system's Find dialog and its real
// controls: down and up, Match case, Whole word, F3 and Shift+F3 (also in the
// dialog), the status text when nothing is found; on the Std tab and on the
// cut Xml tab of a long file, in UTF-8 and Windows-1252 documents.
#include <windows.h>
#include <dlgs.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>

#include "reader/wide_text.h"
#include "resources/resource.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::kControl;
using test::kShift;

constexpr LONG kNotFound = -1;

// A search and where the selection begins afterwards. The dialog searches
// when `text` is given (Up, Match case, Whole word as given); otherwise F3,
// or Shift+F3 for `up`, searches again.
struct Step {
    const wchar_t* text;
    bool up, matchCase, wholeWord;
    LONG selected;  // kNotFound: the selection stays, the status bar says so
};

class FindTest : public test::FrmTest {
  protected:
    void Search(const std::wstring& text, bool up, bool matchCase, bool wholeWord) {
        if (!frm_->FindDialogHandle()) frm_->RunCommand(IDM_FIND);
        HWND dialog = frm_->FindDialogHandle();
        SetDlgItemTextW(dialog, edt1, text.c_str());
        CheckDlgButton(dialog, chx1, wholeWord ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(dialog, chx2, matchCase ? BST_CHECKED : BST_UNCHECKED);
        CheckRadioButton(dialog, rad1, rad2, up ? rad1 : rad2);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        Pump();
    }

    CHARRANGE Selection() const {
        CHARRANGE selection = {};
        SendMessageA(frm_->View(frm_->ActivePage()).Handle(), EM_EXGETSEL, 0,
                     reinterpret_cast<LPARAM>(&selection));
        return selection;
    }

    template <size_t N>
    void Run(const Step (&steps)[N]) {
        std::wstring searched;
        for (size_t i = 0; i < N; ++i) {
            const Step& step = steps[i];
            const CHARRANGE before = Selection();
            if (step.text) {
                searched = step.text;
                Search(searched, step.up, step.matchCase, step.wholeWord);
            } else {
                PressKey(frm_->View(frm_->ActivePage()).Handle(), VK_F3,
                         step.up ? unsigned{kShift} : 0u);
            }
            const CHARRANGE after = Selection();
            if (step.selected == kNotFound) {
                EXPECT_EQ(frm_->StatusText(), "\"" + WideToUtf8(searched) + "\" not found") << i;
                EXPECT_EQ(after.cpMin, before.cpMin) << i;
            } else {
                EXPECT_EQ(after.cpMin, step.selected) << i;
                EXPECT_EQ(after.cpMax - after.cpMin, static_cast<LONG>(searched.size())) << i;
            }
        }
    }
};

TEST_F(FindTest, StdTabDownUpCaseAndWholeWord) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    const std::wstring text = frm.View(StandardPage).UnicodeText();
    const auto first = static_cast<LONG>(text.find(L"Th\u00fcring"));
    const auto second = static_cast<LONG>(text.find(L"Th\u00fcring", first + 1));
    ASSERT_GT(second, first);
    ASSERT_EQ(text.find(L"Th\u00fcring", second + 1), std::wstring::npos);
    Run({
        {L"Th\u00fcring", false, false, false, first},
        {nullptr, false, false, false, second},
        {nullptr, false, false, false, kNotFound},  // no wrap-around
        {nullptr, true, false, false, first},
        {L"th\u00fcring", false, true, false, kNotFound},
        {L"th\u00fcring", false, false, false, second},
        {L"Th\u00fcr", true, false, true, kNotFound},
        {L"Th\u00fcr", true, false, false, first},
    });
}

TEST_F(FindTest, CutXmlTabOfALongFile) {
    std::string lines;
    for (int i = 0; i < 6000; ++i) {
        std::string line = "<Line>" + std::to_string(i) + " word";
        line.resize(98, '.');
        lines += line + "\r\n";
    }
    TFrm& frm = Open({documents_.Write("long.xml", lines)});
    frm.SelectPage(SourcePage);
    ASSERT_TRUE(frm.View(SourcePage).Filling());
    // The tab shows 5242 lines, 99 characters each (CR LF is one).
    Run({
        {L"<Line>5241 ", false, false, false, 5241 * 99},
        {L"<Line>5242 ", false, false, false, kNotFound},
        {L"<line>1", true, false, false, 1999 * 99},
        {nullptr, true, false, false, 1998 * 99},
        {L"<line>1 ", true, false, false, 1 * 99},
    });
    EXPECT_FALSE(frm.View(SourcePage).Filling());
}

TEST_F(FindTest, Utf8AndWindows1252DocumentsAlikeOnEveryTab) {
    for (const std::string name : {"Th\xC3\xBCring", "Th\xFCring"}) {
        TFrm& frm = Open({documents_.Write("t.xml", "<Company_Name>" + name + "</Company_Name>")});
        for (int32_t page : {StandardPage, AllFieldsPage, SourcePage}) {
            frm.SelectPage(page);
            Search(L"Th\u00fcring", false, true, true);
            EXPECT_EQ(frm.View(page).SelectedText(), L"Th\u00fcring") << name << page;
        }
    }
}

TEST_F(FindTest, KeysInTheDialogAreItsOwnButF3AndShiftF3) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    PressKey(frm.View(StandardPage).Handle(), 'F', kControl);
    const HWND dialog = frm.FindDialogHandle();
    ASSERT_NE(dialog, nullptr);
    Search(L"Th\u00fcring", false, false, false);
    const LONG first = Selection().cpMin;
    const HWND edit = GetDlgItem(dialog, edt1);
    PressKey(edit, VK_F3);
    const LONG second = Selection().cpMin;
    EXPECT_GT(second, first);
    PressKey(edit, VK_F3, kShift);
    EXPECT_EQ(Selection().cpMin, first);
    // Escape closes the dialog, not Quillot; F3 still searches for its text.
    PressKey(edit, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(dialog));
    ASSERT_NE(frm.Handle(), nullptr);
    PressKey(frm.View(StandardPage).Handle(), VK_F3);
    EXPECT_EQ(Selection().cpMin, second);
}

}  // namespace
}  // namespace quillot
