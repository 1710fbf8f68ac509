#include "tests/shell/dialog_layout.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/resource.h"
#include "tests/shell/dialog_driver.h"

namespace quillot::test {
namespace {

::testing::AssertionResult Inside(const RECT& inner, const RECT& outer) {
    if (inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
        inner.bottom <= outer.bottom) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << inner.left << "," << inner.top << ")-(" << inner.right << "," << inner.bottom
           << ") is not inside (" << outer.left << "," << outer.top << ")-(" << outer.right << ","
           << outer.bottom << ")";
}

// The caption fits the control, with `besides` pixels for the check mark of
// a check box or the frame of a button.
void ExpectCaptionFits(const ControlLayout& control, int besides, const char* name) {
    EXPECT_LE(control.caption.cx + besides, control.box.right - control.box.left) << name;
    EXPECT_LE(control.caption.cy, control.box.bottom - control.box.top) << name;
}

ControlLayout ControlIn(HWND control, HWND parent) {
    return ControlLayout{RectIn(control, parent), CaptionExtent(control), FontHeight(control)};
}

}  // namespace

SIZE CaptionExtent(HWND control) {
    std::string caption;
    for (char c : TextOf(control)) {
        if (c != '&') caption += c;
    }
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return extent;
}

int FontHeight(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

PreferencesLayout MeasurePreferences(HWND dialog) {
    PreferencesLayout l = {};
    HWND tabs = GetDlgItem(dialog, IDC_PGCTL);
    HWND page = FindWindowExA(tabs, nullptr, "#32770", nullptr);
    GetClientRect(dialog, &l.client);
    l.tabs = RectIn(tabs, dialog);
    GetClientRect(tabs, &l.display);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&l.display));
    l.page = RectIn(page, tabs);
    l.group = ControlIn(GetDlgItem(page, IDC_GRPEXTENSIONS), page);
    l.xml = ControlIn(GetDlgItem(page, IDC_CHKXML), page);
    l.pad = ControlIn(GetDlgItem(page, IDC_CHKPAD), page);
    l.ok = ControlIn(GetDlgItem(dialog, IDOK), dialog);
    l.cancel = ControlIn(GetDlgItem(dialog, IDCANCEL), dialog);
    l.help = ControlIn(GetDlgItem(dialog, IDC_BTNHELP), dialog);
    l.checkMark = GetSystemMetrics(SM_CXMENUCHECK);
    return l;
}

void ExpectPreferencesLaidOut(const PreferencesLayout& l) {
    // The page control in the upper part, with equal margins left and right,
    // the buttons below it on one line: Help, OK, Cancel, of one size and
    // with equal gaps.
    EXPECT_TRUE(Inside(l.tabs, l.client));
    EXPECT_LE(std::abs(l.tabs.left - (l.client.right - l.tabs.right)), 1);
    const RECT& ok = l.ok.box;
    for (const RECT* button : {&l.help.box, &l.ok.box, &l.cancel.box}) {
        EXPECT_TRUE(Inside(*button, l.client));
        EXPECT_GT(button->top, l.tabs.bottom);
        EXPECT_EQ(button->top, ok.top);
        EXPECT_EQ(button->bottom, ok.bottom);
        EXPECT_LE(std::abs((button->right - button->left) - (ok.right - ok.left)), 1);
    }
    EXPECT_GT(ok.left, l.help.box.right);
    EXPECT_GT(l.cancel.box.left, ok.right);
    EXPECT_LE(std::abs((ok.left - l.help.box.right) - (l.cancel.box.left - ok.right)), 1);
    // The page fills the page control's display area; the group box stands
    // in the page, the two boxes in the group box below its caption, one
    // above the other.
    EXPECT_EQ(l.page.left, l.display.left);
    EXPECT_EQ(l.page.top, l.display.top);
    EXPECT_EQ(l.page.right, l.display.right);
    EXPECT_EQ(l.page.bottom, l.display.bottom);
    const RECT pageArea = {0, 0, l.page.right - l.page.left, l.page.bottom - l.page.top};
    const RECT& group = l.group.box;
    EXPECT_TRUE(Inside(group, pageArea));
    const RECT underCaption = {group.left, group.top + l.group.fontHeight, group.right,
                               group.bottom};
    EXPECT_TRUE(Inside(l.xml.box, underCaption));
    EXPECT_TRUE(Inside(l.pad.box, underCaption));
    EXPECT_EQ(l.xml.box.left, l.pad.box.left);
    EXPECT_GT(l.pad.box.top, l.xml.box.bottom);
    // No caption is cut: the boxes' texts beside their check marks, the
    // buttons' within their frames, the group box's within its width.
    ExpectCaptionFits(l.xml, l.checkMark, "XML box");
    ExpectCaptionFits(l.pad, l.checkMark, "PAD box");
    ExpectCaptionFits(l.ok, 4, "OK");
    ExpectCaptionFits(l.cancel, 4, "Cancel");
    ExpectCaptionFits(l.help, 4, "Help");
    ExpectCaptionFits(l.group, l.group.fontHeight, "group box");
}

}  // namespace quillot::test
