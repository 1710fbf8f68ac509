// Large documents in the main window: the Xml tab fills in pieces between
// messages and shows at most SourceViewByteLimit bytes with a line that says
// so; Escape is answered during the fill and while a large document is read.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/document_view.h"
#include "reader/pad_document.h"
#include "report/report_settings.h"
#include "resources/resource.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;

constexpr size_t kLineBytes = 100;

// `lines` lines of kLineBytes bytes each, CR LF included; each holds `word`.
std::string Lines(size_t lines, const std::string& word) {
    std::string text;
    text.reserve(lines * kLineBytes);
    for (size_t i = 0; i < lines; ++i) {
        std::string line = "<Line>" + std::to_string(i) + " " + word;
        line.resize(kLineBytes - 2, '.');
        text += line + "\r\n";
    }
    return text;
}

std::wstring Decode(const std::string& text, UINT codePage) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(length > 0 ? length : 0));
    return wide;
}

// Where two texts first differ, with a few characters from there, for a
// readable failure; empty when they are the same.
std::string Difference(const std::wstring& actual, const std::wstring& expected) {
    if (actual == expected) return std::string();
    size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        ++i;
    const auto excerpt = [i](const std::wstring& text) {
        std::string ascii;
        for (size_t k = i; k < text.size() && k < i + 40; ++k)
            ascii += text[k] < 128 ? static_cast<char>(text[k]) : '?';
        return ascii;
    };
    return "differ at " + std::to_string(i) + " of " + std::to_string(actual.size()) + "/" +
           std::to_string(expected.size()) + ": [" + excerpt(actual) + "] vs [" +
           excerpt(expected) + "]";
}

// The text as a rich-edit view keeps it: every CR LF a single CR.
std::wstring WithViewLineEnds(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        result += text[i] == L'\n' ? L'\r' : text[i];
    }
    return result;
}

class LargeDocumentTest : public FrmTest {
  protected:
    // Handles the window's messages until the view has all of its text.
    void PumpWhileFilling(const DocumentView& view) {
        for (int turn = 0; turn < 20000 && view.Filling(); ++turn) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            Pump();
        }
    }
};

TEST_F(LargeDocumentTest, XmlTabFillsInPiecesAndSaysWhereItCutsALongFile) {
    ASSERT_EQ(SourceViewByteLimit, 512u * 1024);  // 5242 whole lines of 100 bytes
    const struct {
        const char* word;
        UINT codePage;
        size_t lines;
        const wchar_t* note;  // after the shown lines and an empty line
    } rows[] = {
        {"Caf\xE9", 1252, 6000,
         L"[This tab shows the first 524,200 of the 600,000 bytes of this file. Open the file in "
         L"a text editor to see all of it.]"},
        {"Caf\xC3\xA9 \xE8\x80\x80", CP_UTF8, 6000,
         L"[This tab shows the first 524,200 of the 600,000 bytes of this file. Open the file in "
         L"a text editor to see all of it.]"},
        {"Caf\xE9", 1252, 5242, nullptr},  // exactly within the limit: all of it
    };
    for (const auto& row : rows) {
        const std::string text = Lines(row.lines, row.word);
        TFrm& frm = Open({documents_.Write("long.xml", text)});
        frm.SelectPage(SourcePage);
        const DocumentView& view = frm.View(SourcePage);
        ASSERT_TRUE(view.Filling()) << row.lines;
        const std::wstring shown =
            WithViewLineEnds(Decode(text.substr(0, 5242 * kLineBytes), row.codePage));
        const std::wstring first = view.UnicodeText();
        EXPECT_GT(first.size(), 0u);
        EXPECT_LT(first.size(), shown.size());
        EXPECT_EQ(shown.compare(0, first.size(), first), 0);
        PumpWhileFilling(view);
        ASSERT_FALSE(view.Filling());
        std::wstring expected = shown;
        if (row.note) expected += std::wstring(L"\r") + row.note;
        EXPECT_EQ(Difference(view.UnicodeText(), expected), "") << row.lines << " " << row.codePage;

        // Back to the Xml tab: the long text goes out and comes in again.
        frm.SelectPage(StandardPage);
        frm.SelectPage(SourcePage);
        PumpWhileFilling(frm.View(SourcePage));
        EXPECT_EQ(Difference(frm.View(SourcePage).UnicodeText(), expected), "");
    }
}

TEST_F(LargeDocumentTest, EscapeClosesTheWindowWhileTheXmlTabFills) {
    TFrm& frm = Open({documents_.Write("long.xml", Lines(6000, "text"))});
    frm.SelectPage(SourcePage);
    ASSERT_TRUE(frm.View(SourcePage).Filling());
    PostMessageA(frm.View(SourcePage).Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_EQ(frm.Handle(), nullptr);
    EXPECT_EQ(IniValue("Main Window", "CurTab"), "3");
}

// A document from 4 MB on is read and rendered while the window handles its
// messages: Escape hides the window at once, and it closes, with the settings
// saved, once the document is in.
TEST_F(LargeDocumentTest, EscapeWhileALargeDocumentIsReadHidesTheWindowAtOnce) {
    TFrm& frm = Open({documents_.Write("small.xml", Lines(10, "small"))});
    frm.Show();
    std::string large = "<Program_Name>Large</Program_Name>\r\n";
    large += Lines(45000, "large");
    const std::string path = documents_.Write("large.xml", large);
    dialogs_.openAnswer = path;
    PostMessageA(frm.View(StandardPage).Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    frm.RunCommand(IDM_FILE_OPEN);
    ASSERT_NE(frm.Handle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(frm.Handle()));
    EXPECT_EQ(frm.Caption(), "Quillot - large.xml");
    EXPECT_NE(frm.View(StandardPage).Text().find("Large"), std::string::npos);
    Pump();
    EXPECT_EQ(frm.Handle(), nullptr);
    EXPECT_EQ(IniValue("Main", "fName"), path);
}

// The document that the worker read becomes the window's own: its lookups
// answer from it, and the Xml tab decodes it as the worker found it encoded.
TEST_F(LargeDocumentTest, ALargeDocumentReadByTheWorkerBecomesTheWindowsOwn) {
    TFrm& frm = Open({documents_.Write("small.xml", Lines(10, "small"))});
    const std::string large =
        "<Program_Name>Caf\xC3\xA9</Program_Name>\r\n" + Lines(45000, "\xE8\x80\x80");
    dialogs_.openAnswer = documents_.Write("large.xml", large);
    frm.RunCommand(IDM_FILE_OPEN);
    ASSERT_EQ(frm.Caption(), "Quillot - large.xml");
    EXPECT_EQ(SourceEncoding, TextEncoding::Utf8);
    EXPECT_EQ(GetFieldValue("Program_Name"), "Caf\xC3\xA9");
    frm.SelectPage(SourcePage);
    const std::wstring start = L"<Program_Name>Caf\u00e9</Program_Name>\r<Line>0 \u8000";
    EXPECT_EQ(frm.View(SourcePage).UnicodeText().compare(0, start.size(), start), 0);
}

// Windows tells the window that the session ends while it reads a large
// document: the settings are saved once before a real run would end, and
// the window goes after the load.
TEST_F(LargeDocumentTest, TheEndOfTheSessionWhileALargeDocumentIsReadSavesTheSettingsOnce) {
    std::string savedWidth = "<not ended>";
    sessionEnds_ = [this, &savedWidth] { savedWidth = IniValue("Main Window", "Width"); };
    TFrm& frm = Open({documents_.Write("small.xml", Lines(10, "small"))});
    DeleteFileA(IniPath().c_str());
    dialogs_.helpCalls.clear();
    dialogs_.openAnswer = documents_.Write("large.xml", Lines(45000, "large"));
    // Sent from another thread, the message is taken in by the first look at
    // the queue, which is the wait for the worker.
    const HWND window = frm.Handle();
    std::thread session([window] { SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF); });
    frm.RunCommand(IDM_FILE_OPEN);
    session.join();
    EXPECT_EQ(savedWidth, "435");
    Pump();
    EXPECT_EQ(frm.Handle(), nullptr);
    EXPECT_EQ(dialogs_.helpCalls.size(), 1u);
}

TEST_F(LargeDocumentTest, FailureWhileALargeDocumentIsRenderedIsShownAndStopsTheRoad) {
    TFrm& frm = Open({documents_.Write("small.xml", Lines(10, "small"))});
    const std::string path = documents_.Write("large.xml", Lines(45000, "large"));
    DeleteFileA(temp_.File(AllFieldsReportName).c_str());
    ASSERT_TRUE(CreateDirectoryA(temp_.File(AllFieldsReportName).c_str(), nullptr));
    dialogs_.openAnswer = path;
    frm.RunCommand(IDM_FILE_OPEN);
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_EQ(dialogs_.errors[0], "File access denied");
    EXPECT_EQ(frm.Caption(), "Quillot - small.xml");
    RemoveDirectoryA(temp_.File(AllFieldsReportName).c_str());
}

}  // namespace
}  // namespace quillot
