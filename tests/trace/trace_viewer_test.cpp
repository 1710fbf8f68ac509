#include "trace/trace_viewer.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/trace/trace_test_support.h"
#include "trace/trace_log.h"

namespace quillot {
namespace {

using test::ViewerDouble;
using Lines = std::vector<std::string>;

class TraceViewerTest : public test::TraceTest {
  protected:
    void SetUp() override {
        TraceTest::SetUp();
        ASSERT_TRUE(test::ViewerWindows().empty()) << "a viewer window is already open";
        record_ = folder_.File("viewer.txt");
    }
    void UseViewerMode(const std::string& more = "") { WriteIni("[Debug]\r\nOn=Win\r\n" + more); }

    std::string record_;
};

// What the double records for a line: both parameters 0, then the atom's name.
std::string Posted(const std::string& line) {
    return "0 0 " + line;
}

TEST_F(TraceViewerTest, LinesReachTheViewerAsAtomsPostedToItsThread) {
    ViewerDouble viewer = ViewerDouble::Start(record_);
    ASSERT_TRUE(viewer.Running());
    UseViewerMode();
    InitSettingsAndTrace(ini_);
    EXPECT_TRUE(TraceActive);
    EXPECT_TRUE(TraceToViewer);
    TraceLine("hello viewer");
    const std::string longText = std::string(250, 'a') + "0123456789";
    TraceLine(longText);
    TraceLine("%GMEM");
    TraceLine("%OFF");
    TraceLine("after off");
    EXPECT_FALSE(TraceActive);

    const Lines lines = viewer.Stop();
    ASSERT_EQ(lines.size(), 5u) << ::testing::PrintToString(lines);
    EXPECT_EQ(lines[0], Posted("%CLR"));
    EXPECT_EQ(lines[1], Posted("hello viewer"));
    EXPECT_EQ(lines[2], Posted(longText.substr(0, 255)));
    EXPECT_TRUE(std::regex_match(lines[3], std::regex("0 0 Ph:[0-9.]+, Vrt:[0-9.]+, Pg:[0-9.]+")))
        << lines[3];
    EXPECT_EQ(lines[4], Posted("%OFF"));
    EXPECT_TRUE(messageBoxes_.Shown().empty());
    // The viewer deleted the atoms it was sent; the program keeps none.
    EXPECT_EQ(GlobalFindAtomA("hello viewer"), 0);
}

TEST_F(TraceViewerTest, LinesThatCannotBeStringAtomsAreNotPosted) {
    ViewerDouble viewer = ViewerDouble::Start(record_);
    ASSERT_TRUE(viewer.Running());
    UseViewerMode();
    InitSettingsAndTrace(ini_);
    TraceLine("%unknown");  // an empty line
    TraceLine("#123");      // would be message 123
    TraceLine("#18");       // would be WM_QUIT
    TraceLine("still here");
    EXPECT_EQ(SendLineToViewer(""), ViewerDelivery::NotPosted);
    EXPECT_EQ(SendLineToViewer("#5"), ViewerDelivery::NotPosted);
    EXPECT_EQ(SendLineToViewer("#x5"), ViewerDelivery::Posted);
    EXPECT_EQ(viewer.Stop(), (Lines{Posted("%CLR"), Posted("still here"), Posted("#x5")}));
}

TEST_F(TraceViewerTest, AMissingViewerProgramIsReportedAndStopsTracing) {
    test::TempFolder empty;
    test::CurrentFolder here(empty.Path());
    char found[MAX_PATH];
    ASSERT_EQ(SearchPathA(nullptr, ViewerProgram, nullptr, MAX_PATH, found, nullptr), 0u)
        << "a viewer program is reachable: " << found;

    UseViewerMode();
    InitSettingsAndTrace(ini_);
    EXPECT_FALSE(TraceActive);
    ASSERT_EQ(messageBoxes_.Shown().size(), 1u);
    const test::ShownMessageBox& box = messageBoxes_.Shown()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, "Path/File not found for: Debugger.exe");
    EXPECT_EQ(box.caption, "Debugger");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));

    TraceLine("while off");
    EXPECT_EQ(messageBoxes_.Shown().size(), 1u);
    TraceLine("%ON");  // tries again
    EXPECT_EQ(messageBoxes_.Shown().size(), 2u);
    EXPECT_FALSE(TraceActive);
    EXPECT_TRUE(test::ViewerWindows().empty());
}

TEST_F(TraceViewerTest, AMissingViewerIsStartedThroughTheShell) {
    test::TempFolder programs;
    const std::string program = programs.File(ViewerProgram);
    ASSERT_TRUE(CopyFileA(test::ViewerDoublePath().c_str(), program.c_str(), FALSE));
    test::CurrentFolder here(programs.Path());
    UseViewerMode();

    InitSettingsAndTrace(ini_);  // starts the viewer; its "%CLR" is lost
    EXPECT_TRUE(TraceActive);
    ViewerDouble viewer = ViewerDouble::Find(programs.File("Debugger.log"));
    ASSERT_TRUE(viewer.Running());
    TraceLine("first line it sees");
    EXPECT_EQ(viewer.Stop(), Lines{Posted("first line it sees")});
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(TraceViewerTest, ShutdownRemembersViewerModeWhileTheViewerRuns) {
    ViewerDouble viewer = ViewerDouble::Start(record_);
    ASSERT_TRUE(viewer.Running());
    UseViewerMode("isDev=1\r\nstale=x\r\n");
    InitSettingsAndTrace(ini_);
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), (Lines{"On=Win", "isDev=1", "stale=x"}));
}

TEST_F(TraceViewerTest, ShutdownForgetsViewerModeWhenTheViewerIsGone) {
    ViewerDouble viewer = ViewerDouble::Start(record_);
    ASSERT_TRUE(viewer.Running());
    UseViewerMode("stale=x\r\n");
    InitSettingsAndTrace(ini_);
    viewer.Stop();
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), Lines{"On=0"});
}

TEST_F(TraceViewerTest, ShutdownWithALogPathKeepsViewerModeWithoutAViewer) {
    ViewerDouble viewer = ViewerDouble::Start(record_);
    ASSERT_TRUE(viewer.Running());
    UseViewerMode("LogPath=unused.log\r\n");
    InitSettingsAndTrace(ini_);
    viewer.Stop();
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), (Lines{"On=Win", "LogPath=unused.log"}));
}

TEST_F(TraceViewerTest, ShutdownAfterOffWithTheViewerRunningWritesZero) {
    ViewerDouble viewer = ViewerDouble::Start(record_);
    ASSERT_TRUE(viewer.Running());
    UseViewerMode();
    InitSettingsAndTrace(ini_);
    TraceLine("%OFF");
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), Lines{"On=0"});
}

}  // namespace
}  // namespace quillot
