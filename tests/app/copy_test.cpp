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
    std::wstring text = L"<none>";
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST_F(FrmTest, CopyPutsTheSelectionOnTheClipboardAsUnicodeText) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    const DocumentView& view = frm.View(StandardPage);
    const auto copyGreyed = [&frm](HMENU menu) {
        SendMessageA(frm.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        return (GetMenuState(menu, IDM_COPY, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    HMENU edit = GetSubMenu(GetMenu(frm.Handle()), 1);
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    EXPECT_TRUE(copyGreyed(frm.ViewMenu()));
    EXPECT_TRUE(copyGreyed(edit));
    PressKey(view.Handle(), 'C', kControl);
    EXPECT_EQ(ClipboardText(), L"<none>");

    const std::wstring shown = L"Company: Alex Th\u00fcring - Germany";
    const auto at = static_cast<LONG>(view.UnicodeText().find(shown));
    ASSERT_GE(at, 0);
    CHARRANGE range = {at, at + static_cast<LONG>(shown.size())};
    SendMessageA(view.Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_FALSE(copyGreyed(frm.ViewMenu()));
    EXPECT_FALSE(copyGreyed(edit));
    PressKey(view.Handle(), 'C', kControl);
    EXPECT_EQ(ClipboardText(), shown);

    // Select All and Copy: the whole text, each line end as CR LF.
    PressKey(view.Handle(), 'A', kControl);
    frm.RunCommand(IDM_COPY);
    std::wstring all;
    for (wchar_t c : view.UnicodeText())
        all += c == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, c);
    EXPECT_EQ(ClipboardText(), all);
}

}  // namespace
}  // namespace quillot
