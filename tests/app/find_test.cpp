// Find in the active view through the system's Find dialog, with its real
// controls: down and up, Match case and Whole word, F3 and Shift+F3 (also in
// the dialog), the status text when nothing is found; on the Std tab, on the
// cut Xml tab of a long file, and in UTF-8 and Windows-1252 documents.
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

using test::FrmTest;
using test::kControl;
using test::kShift;

constexpr LONG kNotFound = -1;

// How a search is asked for.
enum class Ask { DialogDown, DialogUp, F3, ShiftF3 };

struct Step {
    Ask ask;
    const wchar_t* text;  // for the dialog
    bool matchCase;
    bool wholeWord;
    LONG selected;  // where the selection begins afterwards; kNotFound: nothing found
};

class FindTest : public FrmTest {
  protected:
    HWND Dialog() {
        if (!frm_->FindDialogHandle()) frm_->RunCommand(IDM_FIND);
        return frm_->FindDialogHandle();
    }

    // The user types the text, sets the choices and presses Find Next.
    void SearchInDialog(const std::wstring& text, bool down, bool matchCase, bool wholeWord) {
        HWND dialog = Dialog();
        ASSERT_NE(dialog, nullptr);
        SetDlgItemTextW(dialog, edt1, text.c_str());
        CheckDlgButton(dialog, chx1, wholeWord ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(dialog, chx2, matchCase ? BST_CHECKED : BST_UNCHECKED);
        CheckRadioButton(dialog, rad1, rad2, down ? rad2 : rad1);
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

    // Runs the steps one after the other, each from where the one before
    // left the selection.
    void Run(const Step* steps, size_t count) {
        std::wstring searched;
        for (size_t i = 0; i < count; ++i) {
            const Step& step = steps[i];
            if (step.text) searched = step.text;
            const CHARRANGE before = Selection();
            const HWND view = frm_->View(frm_->ActivePage()).Handle();
            switch (step.ask) {
                case Ask::DialogDown:
                case Ask::DialogUp:
                    SearchInDialog(searched, step.ask == Ask::DialogDown, step.matchCase,
                                   step.wholeWord);
                    break;
                case Ask::F3:
                    PressKey(view, VK_F3);
                    break;
                case Ask::ShiftF3:
                    PressKey(view, VK_F3, kShift);
                    break;
            }
            const CHARRANGE after = Selection();
            if (step.selected == kNotFound) {
                EXPECT_EQ(frm_->StatusText(), "\"" + WideToUtf8(searched) + "\" not found")
                    << "step " << i;
                EXPECT_EQ(after.cpMin, before.cpMin) << "step " << i;
            } else {
                EXPECT_EQ(after.cpMin, step.selected) << "step " << i;
                EXPECT_EQ(after.cpMax - after.cpMin, static_cast<LONG>(searched.size()))
                    << "step " << i;
            }
        }
    }
};

TEST_F(FindTest, StdTabDownUpCaseAndWholeWord) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    const std::wstring text = frm.View(StandardPage).UnicodeText();
    const auto first = static_cast<LONG>(text.find(L"Th\u00fcring"));
    const auto second = static_cast<LONG>(text.find(L"Th\u00fcring", first + 1));
    ASSERT_GE(first, 0);
    ASSERT_GT(second, first);
    ASSERT_EQ(text.find(L"Th\u00fcring", second + 1), std::wstring::npos);
    const Step steps[] = {
        {Ask::DialogDown, L"Th\u00fcring", false, false, first},
        {Ask::F3, nullptr, false, false, second},
        {Ask::F3, nullptr, false, false, kNotFound},  // no wrap-around
        {Ask::ShiftF3, nullptr, false, false, first},
        {Ask::DialogDown, L"th\u00fcring", true, false, kNotFound},
        {Ask::DialogDown, L"th\u00fcring", false, false, second},
        {Ask::DialogUp, L"Th\u00fcr", false, true, kNotFound},
        {Ask::DialogUp, L"Th\u00fcr", false, false, first},
    };
    // Match case and Whole word of the last dialog search hold for F3.
    Run(steps, std::size(steps));
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
    // The view shows the first 5242 lines of 100 bytes; one view line is 99
    // characters (CR LF is one).
    const Step steps[] = {
        {Ask::DialogDown, L"<Line>5241 ", false, false, 5241 * 99},
        {Ask::DialogDown, L"<Line>5242 ", false, false, kNotFound},
        {Ask::DialogUp, L"<line>1 ", false, false, 1 * 99},
        {Ask::F3, nullptr, false, false, kNotFound},  // "<Line>1 " is on line 1 only
        {Ask::DialogDown, L"<line>1", false, false, 10 * 99},
        {Ask::ShiftF3, nullptr, false, false, 1 * 99},
    };
    Run(steps, std::size(steps));
    EXPECT_FALSE(frm.View(SourcePage).Filling());
}

TEST_F(FindTest, FindsTheTextOfUtf8AndWindows1252DocumentsAlike) {
    const struct {
        const char* kind;
        std::string bytes;
    } documents[] = {
        {"UTF-8", "<Company_Name>Alex Th\xC3\xBCring</Company_Name>"},
        {"Windows-1252", "<Company_Name>Alex Th\xFCring</Company_Name>"},
    };
    for (const auto& document : documents) {
        TFrm& frm = Open({documents_.Write("thuering.xml", document.bytes)});
        for (int32_t page : {StandardPage, AllFieldsPage, SourcePage}) {
            frm.SelectPage(page);
            SearchInDialog(L"Th\u00fcring", true, true, true);
            EXPECT_EQ(frm.View(page).SelectedText(), L"Th\u00fcring") << document.kind << page;
        }
    }
}

TEST_F(FindTest, KeysInTheDialogAreItsOwnButF3AndShiftF3) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    PressKey(frm.View(StandardPage).Handle(), 'F', kControl);
    const HWND dialog = frm.FindDialogHandle();
    ASSERT_NE(dialog, nullptr);
    SearchInDialog(L"Th\u00fcring", true, false, false);
    const LONG first = Selection().cpMin;
    const HWND edit = GetDlgItem(dialog, edt1);
    PressKey(edit, VK_F3);
    const LONG second = Selection().cpMin;
    EXPECT_GT(second, first);
    PressKey(edit, VK_F3, kShift);
    EXPECT_EQ(Selection().cpMin, first);

    // Escape closes the dialog, not Quillot; F3 still searches for its text.
    PressKey(edit, VK_ESCAPE);
    EXPECT_EQ(frm.FindDialogHandle(), nullptr);
    EXPECT_FALSE(IsWindow(dialog));
    ASSERT_NE(frm.Handle(), nullptr);
    PressKey(frm.View(StandardPage).Handle(), VK_F3);
    EXPECT_EQ(Selection().cpMin, second);
}

}  // namespace
}  // namespace quillot
