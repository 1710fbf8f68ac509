// Copy and Select All of the views: the clipboard gets the text as shown,
// as Unicode text; Copy is greyed without a selection.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;
using test::kControl;

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<no clipboard>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::wstring& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

bool CopyIsGreyed(TFrm& frm, HMENU menu) {
    SendMessageA(frm.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    return (GetMenuState(menu, IDM_COPY, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST_F(FrmTest, CopyPutsTheSelectionOnTheClipboardAsUnicodeText) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    const DocumentView& view = frm.View(StandardPage);
    HMENU edit = GetSubMenu(GetMenu(frm.Handle()), 1);
    SetClipboardText(L"before");
    EXPECT_TRUE(CopyIsGreyed(frm, frm.ViewMenu()));
    EXPECT_TRUE(CopyIsGreyed(frm, edit));
    PressKey(view.Handle(), 'C', kControl);
    EXPECT_EQ(ClipboardText(), L"before");

    const std::wstring shown = L"Company: Alex Th\u00fcring - Germany";
    const auto at = static_cast<LONG>(view.UnicodeText().find(shown));
    ASSERT_GE(at, 0);
    CHARRANGE range = {at, at + static_cast<LONG>(shown.size())};
    SendMessageA(view.Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_FALSE(CopyIsGreyed(frm, frm.ViewMenu()));
    EXPECT_FALSE(CopyIsGreyed(frm, edit));
    PressKey(view.Handle(), 'C', kControl);
    EXPECT_EQ(ClipboardText(), shown);
}

TEST_F(FrmTest, SelectAllAndCopyTakeTheWholeTextWithItsLineEnds) {
    TFrm& frm = Open({test::CorpusPath("floriwan_jogoverein_pad_file.xml")});
    frm.SelectPage(AllFieldsPage);
    const DocumentView& view = frm.View(AllFieldsPage);
    PressKey(view.Handle(), 'A', kControl);
    frm.RunCommand(IDM_COPY);
    std::wstring expected;
    for (wchar_t c : view.UnicodeText())
        expected += c == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, c);
    EXPECT_EQ(ClipboardText(), expected);
    EXPECT_NE(expected.find(L"Kassenf\u00fchrung"), std::wstring::npos);
}

}  // namespace
}  // namespace quillot
