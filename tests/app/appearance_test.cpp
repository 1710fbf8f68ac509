#include <gtest/gtest.h>

#include "report/report_settings.h"
#include "resources/resource.h"
#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;

constexpr const char* kPad = "<Program_Name>Colour Probe</Program_Name>";

std::string FontLine(const std::string& report) {
    return test::SplitCrLfLines(report).at(1);
}
std::string ColorLine(const std::string& report) {
    return test::SplitCrLfLines(report).at(2);
}

// The font of the Xml tab's view, which is made when the tab is first shown:
// the tab is shown for it, then the tab that was active before.
CHARFORMAT2A SourceFormat(TFrm& frm) {
    const int32_t active = frm.ActivePage();
    frm.SelectPage(SourcePage);
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(frm.View(SourcePage).Handle(), EM_GETCHARFORMAT, SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&format));
    frm.SelectPage(active);
    return format;
}

TEST_F(FrmTest, FirstRunUsesTheInitialSettingsAndSavesThemOnClose) {
    TFrm& frm = Open();
    EXPECT_EQ(frm.reportFont.face, "Arial");
    EXPECT_EQ(frm.reportFont.size, 8);
    const CHARFORMAT2A format = SourceFormat(frm);
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.yHeight, 160);
    EXPECT_EQ(format.crTextColor, 0u);
    RECT window;
    GetWindowRect(frm.Handle(), &window);
    EXPECT_EQ(window.left, 197);
    EXPECT_EQ(window.top, 123);
    EXPECT_EQ(window.right - window.left, 435);
    EXPECT_EQ(window.bottom - window.top, 300);
    Close();
    const struct {
        const char* key;
        const char* value;
    } saved[] = {{"FntName", "Arial"},
                 {"FntSize", "8"},
                 {"bgndColor", "12632256"},
                 {"labelColor", "64"},
                 {"contentColor", "8388608"},
                 {"xmlColor", "0"},
                 {"CurTab", "1"},
                 {"StsBar", "1"},
                 {"Maximized", "0"},
                 {"Left", "197"},
                 {"Top", "123"},
                 {"Width", "435"},
                 {"Height", "300"}};
    for (const auto& row : saved)
        EXPECT_EQ(IniValue("Main Window", row.key), row.value) << row.key;
    EXPECT_EQ(IniValue("Main", "fName"), "<absent>");
    EXPECT_EQ(IniValue("x@#x", "x@#x"), "<absent>");
}

TEST_F(FrmTest, SettingsSurviveARestart) {
    const std::string path = documents_.Write("probe.xml", kPad);
    SetIniValue("Main", "fSrc", "source folder");
    SetIniValue("Main", "fDest", "destination");
    SetIniValue("Main Window", "FntName", "Courier New");
    SetIniValue("Main Window", "FntSize", "12");
    SetIniValue("Main Window", "labelColor", "255");
    SetIniValue("Main Window", "contentColor", "$FF00");
    SetIniValue("Main Window", "StsBar", "0");
    SetIniValue("Main Window", "Left", "50");
    SetIniValue("Main Window", "Top", "60");
    SetIniValue("Main Window", "Width", "500");
    SetIniValue("Main Window", "Height", "400");
    TFrm& frm = Open({path});
    EXPECT_FALSE(frm.StatusBarVisible());
    EXPECT_FALSE(frm.IsMenuItemChecked(IDM_VIEW_STATUSBAR));
    EXPECT_EQ(ColorLine(Report(StandardReportName)),
              "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}");
    EXPECT_EQ(FontLine(Report(StandardReportName)), "{\\fonttbl{\\f0\\fmodern 54:Courier New;}}");
    RECT window;
    GetWindowRect(frm.Handle(), &window);
    EXPECT_EQ(window.left, 50);
    EXPECT_EQ(window.bottom - window.top, 400);
    Close();
    EXPECT_EQ(IniValue("Main", "fName"), path);
    EXPECT_EQ(IniValue("Main", "fSrc"), "source folder");
    EXPECT_EQ(IniValue("Main", "fDest"), "destination");
    EXPECT_EQ(IniValue("Main Window", "contentColor"), "65280");
    EXPECT_EQ(IniValue("Main Window", "StsBar"), "0");
    EXPECT_EQ(IniValue("Main Window", "Width"), "500");
}

TEST_F(FrmTest, MaximisedWindowKeepsTheSavedNormalPlacement) {
    SetIniValue("Main Window", "Left", "40");
    SetIniValue("Main Window", "Top", "30");
    TFrm& frm = Open();
    frm.Show();
    ShowWindow(frm.Handle(), SW_MAXIMIZE);
    SetIniValue("Main Window", "Left", "41");  // what the file holds when the window closes
    Close();
    EXPECT_EQ(IniValue("Main Window", "Maximized"), "1");
    EXPECT_EQ(IniValue("Main Window", "Left"), "41");
    EXPECT_EQ(IniValue("Main Window", "Top"), "30");

    TFrm& again = Open();
    again.Show();
    EXPECT_TRUE(IsZoomed(again.Handle()));
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(again.Handle(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 41);
}

TEST_F(FrmTest, IntegersFromTheIniAreBoundedAndALostWindowComesBack) {
    const struct {
        const char* key;
        const char* value;
    } settings[] = {{"FntSize", "200000000"}, {"labelColor", "-1"},   {"contentColor", "$7FFFFFFF"},
                    {"Left", "2000000000"},   {"Top", "-2000000000"}, {"Width", "2000000000"},
                    {"Height", "2000000000"}};
    for (const auto& setting : settings)
        SetIniValue("Main Window", setting.key, setting.value);
    TFrm& frm = Open({documents_.Write("probe.xml", kPad)});
    EXPECT_EQ(frm.reportFont.size, 1638);
    EXPECT_EQ(SourceFormat(frm).yHeight, 1638 * 20);
    EXPECT_EQ(
        ColorLine(Report(StandardReportName)),
        "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue0;\\red255\\green255\\blue255;}");
    RECT window;
    GetWindowRect(frm.Handle(), &window);
    EXPECT_NE(MonitorFromRect(&window, MONITOR_DEFAULTTONULL), nullptr);

    // A window entirely off every monitor opens on the primary one.
    SetIniValue("Main Window", "Left", "5000");
    SetIniValue("Main Window", "Top", "5000");
    SetIniValue("Main Window", "Width", "435");
    SetIniValue("Main Window", "Height", "300");
    GetWindowRect(Open().Handle(), &window);
    EXPECT_EQ(MonitorFromRect(&window, MONITOR_DEFAULTTONULL),
              MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    EXPECT_EQ(window.right - window.left, 435);
}

// "Left" and "Top" are the screen pixels of the window's normal state (not
// the work-area coordinates of GetWindowPlacement), also after the window was
// maximised and restored and when it closes minimised.
TEST_F(FrmTest, LeftAndTopAreTheScreenPixelsOfTheNormalWindow) {
    SetIniValue("Main Window", "Left", "300");
    SetIniValue("Main Window", "Top", "200");
    TFrm& frm = Open();
    frm.Show();
    RECT window;
    GetWindowRect(frm.Handle(), &window);
    EXPECT_EQ(window.left, 300);
    EXPECT_EQ(window.top, 200);
    MoveWindow(frm.Handle(), 320, 210, 435, 300, TRUE);
    ShowWindow(frm.Handle(), SW_MAXIMIZE);
    ShowWindow(frm.Handle(), SW_RESTORE);
    application_->Minimize();
    Close();
    EXPECT_EQ(IniValue("Main Window", "Left"), "320");
    EXPECT_EQ(IniValue("Main Window", "Top"), "210");
}

TEST_F(FrmTest, FontCommandRendersAgainAlsoWhenCancelled) {
    const std::string path = documents_.Write("probe.xml", kPad);
    TFrm& frm = Open({path});
    DeleteFileA(temp_.File(SummaryReportName).c_str());
    frm.RunCommand(IDM_FMT_FONT);  // cancelled
    EXPECT_EQ(dialogs_.fontCalls, 1);
    EXPECT_TRUE(test::FileExistsForTest(temp_.File(SummaryReportName)));

    ReportFont times;
    times.face = "Times New Roman";
    times.size = 11;
    times.bold = true;
    times.color = 0x123456;  // the dialog does not choose colours
    dialogs_.fontAnswer = times;
    frm.RunCommand(IDM_FMT_FONT);
    EXPECT_EQ(FontLine(Report(AllFieldsReportName)),
              "{\\fonttbl{\\f0\\froman 23:Times New Roman;}}");
    const CHARFORMAT2A format = SourceFormat(frm);
    EXPECT_STREQ(format.szFaceName, "Times New Roman");
    EXPECT_EQ(format.yHeight, 220);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(frm.reportFont.color, 0u);
    Close();
    EXPECT_EQ(IniValue("Main Window", "FntName"), "Times New Roman");
    EXPECT_EQ(IniValue("Main Window", "FntSize"), "11");
}

TEST_F(FrmTest, LabelAndContentColoursRenderAgain) {
    const std::string path = documents_.Write("probe.xml", kPad);
    TFrm& frm = Open({path});
    DeleteFileA(temp_.File(StandardReportName).c_str());
    frm.RunCommand(IDM_LABEL_COLOR);  // cancelled: renders all the same
    EXPECT_EQ(dialogs_.lastInitialColor, 0x40u);
    EXPECT_TRUE(test::FileExistsForTest(temp_.File(StandardReportName)));
    dialogs_.colorAnswer = 0x0000FF;
    frm.RunCommand(IDM_LABEL_COLOR);
    dialogs_.colorAnswer = 0x00FF00;
    frm.RunCommand(IDM_CONTENT_COLOR);
    EXPECT_EQ(ColorLine(Report(StandardReportName)),
              "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}");
    EXPECT_EQ(frm.StatusText(), "0 of 1 files");
}

TEST_F(FrmTest, XmlAndBackgroundColoursTouchOnlyTheViews) {
    const std::string path = documents_.Write("probe.xml", kPad);
    TFrm& frm = Open({path});
    DeleteFileA(temp_.File(StandardReportName).c_str());
    dialogs_.colorAnswer = 0x0000C0;
    frm.RunCommand(IDM_XML_COLOR);
    EXPECT_EQ(SourceFormat(frm).crTextColor, 0x0000C0u);
    EXPECT_EQ(frm.reportFont.color, 0x0000C0u);
    dialogs_.colorAnswer = 0xFFFFFF;
    frm.RunCommand(IDM_BACKGROUND_COLOR);
    EXPECT_EQ(frm.bgndColor, 0xFFFFFFu);
    EXPECT_FALSE(test::FileExistsForTest(temp_.File(StandardReportName)));
    dialogs_.colorAnswer.reset();
    frm.RunCommand(IDM_BACKGROUND_COLOR);  // cancelled: unchanged
    EXPECT_EQ(frm.bgndColor, 0xFFFFFFu);
    Close();
    EXPECT_EQ(IniValue("Main Window", "xmlColor"), "192");
    EXPECT_EQ(IniValue("Main Window", "bgndColor"), "16777215");
}

TEST_F(FrmTest, StatusBarCommandTogglesIt) {
    TFrm& frm = Open();
    EXPECT_TRUE(frm.IsMenuItemChecked(IDM_VIEW_STATUSBAR));
    frm.RunCommand(IDM_VIEW_STATUSBAR);
    EXPECT_FALSE(frm.StatusBarVisible());
    EXPECT_FALSE(frm.IsMenuItemChecked(IDM_VIEW_STATUSBAR));
    frm.RunCommand(IDM_VIEW_STATUSBAR);
    EXPECT_TRUE(frm.StatusBarVisible());
}

}  // namespace
}  // namespace quillot
