#include "trace/trace_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "reader/io_error.h"
#include "settings/settings_store.h"
#include "tests/trace/trace_test_support.h"

namespace quillot {
namespace {

using test::FileExistsForTest;
using test::ReadWholeFile;
using Lines = std::vector<std::string>;

long EntriesIn(const std::string& folder) {
    return static_cast<long>(std::distance(std::filesystem::directory_iterator(folder),
                                           std::filesystem::directory_iterator()));
}

TEST(FormatThousands, GroupsOfThreeDigitsFromTheRight) {
    const struct {
        uint32_t n;
        const char* expected;
    } rows[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1.000"},
        {1234, "1.234"},
        {99999, "99.999"},
        {100000, "100.000"},
        {999999, "999.999"},
        {1000000, "1.000.000"},
        {1234567, "1.234.567"},
        {123456789, "123.456.789"},
        {1000000000, "1.000.000.000"},
        {4294967295u, "4.294.967.295"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatThousands(row.n), row.expected) << row.n;
}

TEST(ExpandTraceCommand, CommandsAndMemoryLines) {
    EXPECT_EQ(ExpandTraceCommand("%ON"), "%ON");
    EXPECT_EQ(ExpandTraceCommand("%OFF"), "%OFF");
    EXPECT_EQ(ExpandTraceCommand("%CLR"), "%CLR");
    for (const char* unknown : {"%", "%on", "%clr", "%X", "%ON ", "%MEMX", "%lmem"}) {
        EXPECT_EQ(ExpandTraceCommand(unknown), "") << unknown;
    }
    const std::string figure = "(0|[1-9][0-9]{0,2}(\\.[0-9]{3})*)";
    EXPECT_TRUE(std::regex_match(ExpandTraceCommand("%LMEM"),
                                 std::regex("U: " + figure + ", F: " + figure)))
        << ExpandTraceCommand("%LMEM");
    EXPECT_TRUE(std::regex_match(ExpandTraceCommand("%MEM"),
                                 std::regex("Ph:" + figure + ", U: " + figure + ", F: " + figure)))
        << ExpandTraceCommand("%MEM");
    EXPECT_TRUE(std::regex_match(ExpandTraceCommand("%GMEM"),
                                 std::regex("Ph:" + figure + ", Vrt:" + figure + ", Pg:" + figure)))
        << ExpandTraceCommand("%GMEM");
}

class TraceLogTest : public test::TraceTest {
  protected:
    // An INI file in file mode with a log path in the test folder.
    void UseFileMode(const std::string& on = "File") {
        log_ = folder_.File("trace.log");
        WriteIni("[Debug]\r\nOn=" + on + "\r\nLogPath=" + log_ + "\r\n");
    }
    std::string LogText() const { return ReadWholeFile(log_); }

    std::string log_;
};

TEST_F(TraceLogTest, NothingHappensBeforeInitialisation) {
    UseFileMode();
    const std::string ini = ReadWholeFile(ini_);
    TraceLine("%ON");
    TraceLine("line");
    TraceLine("%CLR");
    EXPECT_FALSE(TraceActive);
    EXPECT_FALSE(FileExistsForTest(log_));
    ShutdownTrace();
    EXPECT_EQ(ReadWholeFile(ini_), ini);
    EXPECT_TRUE(DefaultIniFile.empty());
}

TEST_F(TraceLogTest, InitialisationFixesTheIniFileOnce) {
    InitSettingsAndTrace(ini_);
    EXPECT_TRUE(TraceInitialised);
    EXPECT_EQ(DefaultIniFile, ini_);
    EXPECT_EQ(CurrentIniFile, ini_);
    EXPECT_EQ(CurrentSection, "Debug");
    InitSettingsAndTrace(folder_.File("other.ini"));
    EXPECT_EQ(DefaultIniFile, ini_);
    EXPECT_EQ(CurrentIniFile, ini_);
}

TEST_F(TraceLogTest, TheDebugSectionSetsTheModes) {
    const struct {
        const char* section;
        bool active, toFile, dev;
        const char* logPath;
    } rows[] = {
        {"", false, false, false, ""},
        {"On=0\r\n", false, false, false, ""},
        {"On=File\r\n", true, true, false, ""},
        {"On=file\r\n", true, true, false, ""},
        {"On=F\r\nLogPath=x.log\r\n", true, true, false, "x.log"},
        {"On=0\r\nLogPath=x.log\r\n", false, false, false, "x.log"},
        {"On=Xyz\r\nLogPath=x.log\r\n", false, false, false, "x.log"},
        {"On=\r\nLogPath=x.log\r\n", false, false, false, ""},
        {"LogPath=x.log\r\nisDev=1\r\n", false, false, true, ""},
        {"On=0\r\nisDev=2\r\n", false, false, true, ""},
        {"On=0\r\nisDev=yes\r\n", false, false, false, ""},
    };
    for (const auto& row : rows) {
        test::ResetTraceAndStore();
        WriteIni(std::string("[Debug]\r\n") + row.section);
        test::CurrentFolder here(folder_.Path());  // a relative log path lands here
        InitSettingsAndTrace(ini_);
        EXPECT_EQ(TraceActive, row.active) << row.section;
        EXPECT_EQ(TraceToFile, row.toFile) << row.section;
        EXPECT_FALSE(TraceToViewer) << row.section;
        EXPECT_EQ(DevMode, row.dev) << row.section;
        EXPECT_EQ(TraceLogPath, row.logPath) << row.section;
        test::ResetTraceAndStore();
    }
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(TraceLogTest, FileModeEmptiesTheLogAtStartAndWritesLines) {
    UseFileMode();
    test::WriteWholeFile(log_, "old content\r\n");
    InitSettingsAndTrace(ini_);
    EXPECT_TRUE(LogOpen);
    EXPECT_EQ(LogText(), "");

    TraceLine("first");
    TraceLine("%OFF");
    EXPECT_FALSE(TraceActive);
    EXPECT_FALSE(LogOpen);
    EXPECT_EQ(LogText(), "first\r\n%OFF\r\n");

    TraceLine("not traced");
    TraceLine("%ON");
    TraceLine("second");
    EXPECT_EQ(LogText(), "first\r\n%OFF\r\n%ON\r\nsecond\r\n");

    TraceLine("%CLR");
    EXPECT_EQ(LogText(), "");
    TraceLine("third");
    EXPECT_EQ(LogText(), "third\r\n");
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(TraceLogTest, LowerCaseFileWorksLikeFile) {
    UseFileMode("file");
    InitSettingsAndTrace(ini_);
    TraceLine("x");
    EXPECT_EQ(LogText(), "x\r\n");
}

TEST_F(TraceLogTest, ALogThatVanishedIsCreatedAgain) {
    UseFileMode();
    InitSettingsAndTrace(ini_);
    TraceLine("%OFF");
    ASSERT_TRUE(DeleteFileA(log_.c_str()));
    TraceLine("%ON");
    EXPECT_EQ(LogText(), "%ON\r\n");
}

TEST_F(TraceLogTest, LinesAreCutTo255CharactersBeforeTheyAreLookedAt) {
    UseFileMode();
    InitSettingsAndTrace(ini_);
    std::string longText(300, ' ');
    for (size_t i = 0; i < longText.size(); ++i)
        longText[i] = static_cast<char>('a' + i % 26);
    TraceLine(longText);
    TraceLine("%CLR" + std::string(300, 'x'));  // cut, then no known command: empty line
    TraceLine("%on");
    TraceLine("%LMEM");
    const Lines lines = test::SplitCrLfLines(LogText());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], longText.substr(0, 255));
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "");
    EXPECT_TRUE(std::regex_match(lines[3], std::regex("U: [0-9.]+, F: [0-9.]+"))) << lines[3];
}

TEST_F(TraceLogTest, OnFromTheMenuWithNoOutputOnlyActivates) {
    WriteIni("[Debug]\r\nOn=0\r\n");
    InitSettingsAndTrace(ini_);
    TraceLine("%ON");
    EXPECT_TRUE(TraceActive);
    TraceLine("nowhere");
    EXPECT_FALSE(LogOpen);
    TraceLine("%OFF");
    EXPECT_FALSE(TraceActive);
}

// File mode without a log path: no file anywhere, no error.
TEST_F(TraceLogTest, FileModeWithoutALogPathKeepsNoLog) {
    WriteIni("[Debug]\r\nOn=File\r\n");
    test::TempFolder current;
    test::CurrentFolder here(current.Path());
    InitSettingsAndTrace(ini_);
    EXPECT_TRUE(TraceActive);
    EXPECT_TRUE(TraceToFile);
    TraceLine("line");
    TraceLine("%CLR");
    TraceLine("%OFF");
    TraceLine("%ON");
    EXPECT_FALSE(LogOpen);
    EXPECT_EQ(EntriesIn(current.Path()), 0);
    EXPECT_EQ(EntriesIn(folder_.Path()), 1);  // the INI file
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

// A log that cannot be created does not stop start-up; the lines after it
// raise the error, and each tries again.
TEST_F(TraceLogTest, AnUnwritableLogRaisesAtTheNextLine) {
    const std::string log = folder_.File("missing\\trace.log");
    WriteIni("[Debug]\r\nOn=File\r\nLogPath=" + log + "\r\n");
    EXPECT_NO_THROW(InitSettingsAndTrace(ini_));
    EXPECT_FALSE(LogOpen);
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            TraceLine("line");
            ADD_FAILURE() << "no error raised";
        } catch (const IoError& error) {
            EXPECT_EQ(error.Code(), io_code::PathNotFound);
        }
        EXPECT_FALSE(LogOpen);
    }
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(TraceLogTest, WithoutAnIniFileShutdownWritesOnlyOnZero) {
    InitSettingsAndTrace(ini_);
    EXPECT_FALSE(TraceActive);
    EXPECT_FALSE(DevMode);
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), Lines{"On=0"});
    EXPECT_EQ(ReadWholeFile(ini_), "[Debug]\r\nOn=0\r\n");
}

TEST_F(TraceLogTest, ShutdownWithoutLogPathOrViewerErasesTheSection) {
    WriteIni("[Debug]\r\nOn=File\r\nisDev=1\r\nstale=x\r\n[Main]\r\nfName=a.xml\r\n");
    InitSettingsAndTrace(ini_);
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), (Lines{"On=0", "isDev=1"}));
    EXPECT_EQ(Section("Main"), Lines{"fName=a.xml"});
}

TEST_F(TraceLogTest, ShutdownWithALogPathKeepsFileMode) {
    UseFileMode();
    WriteIni("[Debug]\r\nOn=File\r\nLogPath=" + log_ + "\r\nisDev=1\r\nstale=x\r\n");
    InitSettingsAndTrace(ini_);
    TraceLine("line");
    ShutdownTrace();
    EXPECT_FALSE(LogOpen);
    EXPECT_EQ(LogText(), "line\r\n");
    EXPECT_EQ(Section("Debug"), (Lines{"On=File", "LogPath=" + log_, "isDev=1", "stale=x"}));
}

TEST_F(TraceLogTest, ShutdownAfterOffWritesZeroButKeepsTheLogPath) {
    UseFileMode();
    InitSettingsAndTrace(ini_);
    TraceLine("%OFF");
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), (Lines{"On=0", "LogPath=" + log_}));
}

TEST_F(TraceLogTest, AnOnFromTheMenuIsSavedAsFileWhenALogPathIsSet) {
    log_ = folder_.File("trace.log");
    WriteIni("[Debug]\r\nOn=0\r\nLogPath=" + log_ + "\r\n");
    InitSettingsAndTrace(ini_);
    TraceLine("%ON");
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), (Lines{"On=File", "LogPath=" + log_}));
    EXPECT_FALSE(FileExistsForTest(log_));  // not in file mode: nothing written
}

TEST_F(TraceLogTest, ShutdownWritesDevModeOnlyWhenOn) {
    WriteIni("[Debug]\r\nOn=0\r\nisDev=0\r\n");
    InitSettingsAndTrace(ini_);
    ShutdownTrace();
    EXPECT_EQ(Section("Debug"), Lines{"On=0"});
}

TEST_F(TraceLogTest, AFailedShutdownWriteIsReportedOnce) {
    const std::string unwritable = folder_.File("missing\\quillot.ini");
    InitSettingsAndTrace(unwritable);
    EXPECT_NO_THROW(ShutdownTrace());
    ASSERT_EQ(messageBoxes_.Shown().size(), 1u);
    EXPECT_EQ(messageBoxes_.Shown()[0].text, "IniFile WriteError");
    EXPECT_EQ(messageBoxes_.Shown()[0].caption, "In File: " + unwritable);
}

}  // namespace
}  // namespace quillot
