#include "shell/message_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "shell/version_info.h"
#include "tests/shell/dialog_driver.h"

namespace quillot {
namespace {

// What the driver saw of the open box.
struct Seen {
    std::string caption;
    RECT box = {};
    RECT owner = {};
    bool okFocused = false;
    std::string okText;
    int groupId = 0;
    RECT client = {};
    RECT group = {};              // in the dialog's client coordinates
    RECT groupFromTemplate = {};  // the template's group box, in pixels
    RECT clientFromTemplate = {};
    int iconPixels = 0;      // pixels of the icon's area that differ from the background
    int linePixels[3] = {};  // the same for the band of each text line
};

// Counts the pixels of the rectangle (client coordinates) that differ from
// the dialog's background.
int PaintedPixels(HWND dialog, int left, int top, int right, int bottom) {
    HDC dc = GetDC(dialog);
    COLORREF background = GetSysColor(COLOR_BTNFACE);
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            COLORREF pixel = GetPixel(dc, x, y);
            if (pixel != CLR_INVALID && pixel != background) ++count;
        }
    }
    ReleaseDC(dialog, dc);
    return count;
}

void LookAt(HWND dialog, HWND owner, Seen& seen) {
    HWND ok = GetDlgItem(dialog, IDOK);
    // The box takes the focus for its OK button when it paints.
    seen.okFocused = test::WaitFor([&] { return test::FocusOf(dialog) == ok; }, 5000);
    Sleep(100);
    seen.caption = test::TextOf(dialog);
    GetWindowRect(dialog, &seen.box);
    GetWindowRect(owner != nullptr ? owner : GetDesktopWindow(), &seen.owner);
    seen.okText = test::TextOf(ok);
    HWND group = GetWindow(ok, GW_HWNDPREV) != nullptr ? GetWindow(ok, GW_HWNDPREV)
                                                       : GetWindow(ok, GW_HWNDNEXT);
    seen.groupId = GetDlgCtrlID(group);
    seen.group = test::RectIn(group, dialog);
    GetClientRect(dialog, &seen.client);
    const RECT& client = seen.client;
    seen.iconPixels = PaintedPixels(dialog, 10, 35, 42, 67);
    const int lineTop[3] = {15, 41, 69};
    for (int i = 0; i < 3; ++i) {
        seen.linePixels[i] =
            PaintedPixels(dialog, 50, lineTop[i] + 2, client.right - 50, lineTop[i] + 11);
    }
    seen.clientFromTemplate = {0, 0, 220, 80};
    MapDialogRect(dialog, &seen.clientFromTemplate);
    seen.groupFromTemplate = {2, 0, 2 + 216, 61};
    MapDialogRect(dialog, &seen.groupFromTemplate);
}

class MessageDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { ProgramName = "Quillot"; }

    // Shows the box over the owner; the driver looks at it and then closes it
    // with `close`.
    Seen ShowAndClose(HWND owner, const std::function<void(HWND)>& close,
                      const char* line3 = "https://www.quillot.invalid/") {
        Seen seen;
        test::DialogDriver driver("About Quillot", [&](HWND dialog) {
            LookAt(dialog, owner, seen);
            close(dialog);
        });
        ShowMessageDialog(owner, "Quillot v1.3.0", "by Quillot Developers", line3);
        driver.Join();
        EXPECT_TRUE(driver.Found());
        EXPECT_TRUE(driver.ClosedByAction());
        return seen;
    }
};

TEST_F(MessageDialogTest, EveryWayOfClosingCloses) {
    const struct {
        const char* way;
        std::function<void(HWND)> close;
    } rows[] = {
        {"Enter", [](HWND dialog) { test::PostKey(test::FocusOf(dialog), VK_RETURN); }},
        {"Escape", [](HWND dialog) { test::PostKey(test::FocusOf(dialog), VK_ESCAPE); }},
        {"OK button", [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    test::OwnerWindow owner(120, 90, 600, 450);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.way);
        Seen seen = ShowAndClose(owner.Handle(), row.close);
        EXPECT_EQ(seen.caption, "About Quillot");
    }
}

TEST_F(MessageDialogTest, LayoutFollowsTheTemplate) {
    test::OwnerWindow owner(120, 90, 600, 450);
    Seen seen = ShowAndClose(owner.Handle(), [](HWND dialog) {
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(seen.okFocused);
    EXPECT_EQ(seen.okText, "OK");
    EXPECT_EQ(seen.groupId, 0xFFFF);
    // The client area is the template's 220 x 80 dialog units.
    EXPECT_EQ(seen.client.right, seen.clientFromTemplate.right);
    EXPECT_EQ(seen.client.bottom, seen.clientFromTemplate.bottom);
    EXPECT_EQ(seen.group.left, seen.groupFromTemplate.left);
    EXPECT_EQ(seen.group.top, seen.groupFromTemplate.top);
    EXPECT_EQ(seen.group.right, seen.groupFromTemplate.right);
    EXPECT_EQ(seen.group.bottom, seen.groupFromTemplate.bottom);
}

TEST_F(MessageDialogTest, CentredOverTheOwner) {
    const struct {
        int left, top, width, height;
    } owners[] = {{120, 90, 600, 450}, {300, 200, 201, 151}, {0, 0, 1024, 768}};
    for (const auto& o : owners) {
        test::OwnerWindow owner(o.left, o.top, o.width, o.height);
        Seen seen = ShowAndClose(
            owner.Handle(), [](HWND dialog) { test::PostKey(test::FocusOf(dialog), VK_RETURN); });
        int w = seen.box.right - seen.box.left;
        int h = seen.box.bottom - seen.box.top;
        int ow = seen.owner.right - seen.owner.left;
        int oh = seen.owner.bottom - seen.owner.top;
        EXPECT_EQ(seen.box.left, seen.owner.left + ow / 2 - w / 2) << o.left << "," << o.top;
        EXPECT_EQ(seen.box.top, seen.owner.top + oh / 2 - h / 2) << o.left << "," << o.top;
    }
}

TEST_F(MessageDialogTest, NeverPlacedLeftOfOrAboveTheScreen) {
    // An owner far up and left would put the box at negative coordinates.
    test::OwnerWindow owner(-400, -300, 300, 200);
    Seen seen = ShowAndClose(owner.Handle(),
                             [](HWND dialog) { test::PostKey(test::FocusOf(dialog), VK_ESCAPE); });
    int w = seen.box.right - seen.box.left;
    int h = seen.box.bottom - seen.box.top;
    ASSERT_LT(seen.owner.left + (seen.owner.right - seen.owner.left) / 2 - w / 2, 0);
    ASSERT_LT(seen.owner.top + (seen.owner.bottom - seen.owner.top) / 2 - h / 2, 0);
    EXPECT_EQ(seen.box.left, 0);
    EXPECT_EQ(seen.box.top, 0);
}

TEST_F(MessageDialogTest, WithoutOwnerCentredOverTheDesktop) {
    Seen seen =
        ShowAndClose(nullptr, [](HWND dialog) { test::PostKey(test::FocusOf(dialog), VK_RETURN); });
    int w = seen.box.right - seen.box.left;
    int h = seen.box.bottom - seen.box.top;
    EXPECT_EQ(seen.box.left, (seen.owner.right - seen.owner.left) / 2 - w / 2);
    EXPECT_EQ(seen.box.top, (seen.owner.bottom - seen.owner.top) / 2 - h / 2);
}

TEST_F(MessageDialogTest, DrawsTheIconAndTheLines) {
    test::OwnerWindow owner(120, 90, 600, 450);
    Seen seen = ShowAndClose(
        owner.Handle(), [](HWND dialog) { test::PostKey(test::FocusOf(dialog), VK_RETURN); }, "");
    EXPECT_GT(seen.iconPixels, 100);
    EXPECT_GT(seen.linePixels[0], 20);
    EXPECT_GT(seen.linePixels[1], 20);
    EXPECT_EQ(seen.linePixels[2], 0);  // an empty third line draws nothing
}

TEST_F(MessageDialogTest, CaptionNamesTheProgram) {
    ProgramName = "Other";
    Seen seen;
    test::DialogDriver driver("About Other", [&](HWND dialog) {
        seen.caption = test::TextOf(dialog);
        test::PostKey(test::FocusOf(dialog), VK_RETURN);
    });
    ShowMessageDialog(nullptr, "a", "b", "c");
    driver.Join();
    EXPECT_TRUE(driver.Found());
    EXPECT_EQ(seen.caption, "About Other");
}

}  // namespace
}  // namespace quillot
