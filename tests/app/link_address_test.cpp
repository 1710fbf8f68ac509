// The links of the report views: what a link text opens, which bare e-mail
// addresses a view marks, and clicks in the Std view, which hand the shell
// exactly their address or nothing.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/link_address.h"
#include "reader/wide_text.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;

TEST(LinkAddress, OnlyWebAndMailAddressesAreOpened) {
    const struct {
        const wchar_t* link;
        const wchar_t* opened;  // empty: never reaches the shell
    } rows[] = {
        {L"HTTPS://example.com/?q=1&r=2#top", L"HTTPS://example.com/?q=1&r=2#top"},
        {L"ftp://ftp.example.com/pub/", L"ftp://ftp.example.com/pub/"},
        {L"www.example.com/order", L"http://www.example.com/order"},
        {L"sales@example.co.uk", L"mailto:sales@example.co.uk"},
        {L"mailto:joe@example.com?subject=PAD", L"mailto:joe@example.com?subject=PAD"},
        {L"file:///C:/Windows/win.ini", L""},
        {L"javascript:alert(1)", L""},
        {L"\\\\server\\share\\setup.exe", L""},
        {L"http:///etc/passwd", L""},
        {L"mailto:nobody", L""},
        {L"http://example.com/\u202Eexe.txt", L""},  // right-to-left override
        {L"http://example.com/a\tb", L""},
        {L"http://example.com/\"-x", L""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OpenableAddress(row.link), row.opened) << WideToUtf8(row.link);
}

TEST(LinkAddress, BareEmailAddressesStandOnTheirOwn) {
    const std::wstring text =
        L"(joe.doe+pad@mail.example.org). a@example.com, mailto:b@example.com "
        L"ftp://user:pw@example.com/ http://c@example.com/ d@example.com/path e.@example.com "
        L"f@example g@-x.com h@x.c";
    std::vector<std::wstring> found;
    for (const TextSpan& span : FindBareEmailAddresses(text))
        found.push_back(text.substr(span.begin, span.length));
    EXPECT_EQ(found,
              (std::vector<std::wstring>{L"joe.doe+pad@mail.example.org", L"a@example.com"}));
}

TEST_F(FrmTest, AClickOnALinkOfTheStdViewOpensExactlyItsAddress) {
    TFrm& frm = Open({documents_.Write(
        "linked.xml",
        "<Primary_Download_URL>http://www.example.com/linked.zip</Primary_Download_URL>"
        "<Application_Order_URL>www.example.com/order?id=7</Application_Order_URL>"
        "<Support_Email>support@example.com</Support_Email>"
        "<Application_Info_URL>javascript:alert(1)</Application_Info_URL>"
        "<Application_Screenshot_URL>file:///C:/Windows/win.ini</Application_Screenshot_URL>")});
    frm.Show();
    const DocumentView& view = frm.View(StandardPage);
    const struct {
        const wchar_t* text;
        std::vector<std::string> opened;
    } rows[] = {
        {L"http://www.example.com/linked.zip", {"http://www.example.com/linked.zip"}},
        {L"www.example.com/order?id=7", {"http://www.example.com/order?id=7"}},
        {L"support@example.com", {"mailto:support@example.com"}},
        {L"javascript:alert(1)", {}},
        {L"file:///C:/Windows/win.ini", {}},
    };
    for (const auto& row : rows) {
        const std::wstring text = row.text;
        const size_t at = view.UnicodeText().find(text);
        ASSERT_NE(at, std::wstring::npos) << WideToUtf8(text);
        POINTL point = {};
        SendMessageA(view.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point),
                     static_cast<LPARAM>(at + text.size() / 2));
        const LPARAM where = MAKELPARAM(point.x + 1, point.y + 2);
        openedAddresses_.clear();
        SendMessageA(view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(view.Handle(), WM_LBUTTONUP, 0, where);
        Pump();
        EXPECT_EQ(openedAddresses_, row.opened) << WideToUtf8(text);
    }
}

}  // namespace
}  // namespace quillot
