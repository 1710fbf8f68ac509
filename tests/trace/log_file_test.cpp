#include "trace/log_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "reader/io_error.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

using test::ReadWholeFile;
using test::WriteWholeFile;

class LogFileTest : public ::testing::Test {
  protected:
    test::TempFolder folder_;
    std::string path_ = folder_.File("trace.log");
    LogFile log_;
};

TEST_F(LogFileTest, TruncateCreatesOrEmpties) {
    log_.Open(path_, LogOpenMode::Truncate);
    EXPECT_TRUE(log_.IsOpen());
    EXPECT_EQ(ReadWholeFile(path_), "");
    log_.WriteLine("a");
    log_.Close();
    EXPECT_FALSE(log_.IsOpen());
    log_.Open(path_, LogOpenMode::Truncate);
    EXPECT_EQ(ReadWholeFile(path_), "");
}

TEST_F(LogFileTest, LinesEndInCrLfAndAreThereAtOnce) {
    log_.Open(path_, LogOpenMode::Truncate);
    log_.WriteLine("one");
    EXPECT_EQ(ReadWholeFile(path_), "one\r\n");  // readable while open
    log_.WriteLine("");
    log_.WriteLine("three");
    EXPECT_EQ(ReadWholeFile(path_), "one\r\n\r\nthree\r\n");
}

TEST_F(LogFileTest, AppendWritesAfterTheExistingContent) {
    WriteWholeFile(path_, "kept\r\nno line end");
    log_.Open(path_, LogOpenMode::Append);
    log_.WriteLine("new");
    EXPECT_EQ(ReadWholeFile(path_), "kept\r\nno line endnew\r\n");
}

TEST_F(LogFileTest, AppendCreatesAMissingFile) {
    log_.Open(path_, LogOpenMode::Append);
    log_.WriteLine("x");
    EXPECT_EQ(ReadWholeFile(path_), "x\r\n");
}

// A second instance of the program empties the log at its start while the
// first still has it open; the first then goes on at the new end.
TEST_F(LogFileTest, AnotherWriterMayEmptyTheFileInBetween) {
    log_.Open(path_, LogOpenMode::Truncate);
    log_.WriteLine("before the other one");
    LogFile other;
    other.Open(path_, LogOpenMode::Truncate);
    other.Close();
    log_.WriteLine("after");
    EXPECT_EQ(ReadWholeFile(path_), "after\r\n");
}

TEST_F(LogFileTest, OpeningFailuresRaiseTheSystemError) {
    const struct {
        std::string path;
        int code;
    } rows[] = {
        {folder_.File("missing\\trace.log"), io_code::PathNotFound},
        {folder_.Path(), io_code::AccessDenied},
    };
    for (const auto& row : rows) {
        for (LogOpenMode mode : {LogOpenMode::Truncate, LogOpenMode::Append}) {
            try {
                log_.Open(row.path, mode);
                ADD_FAILURE() << row.path << " opened";
            } catch (const IoError& error) {
                EXPECT_EQ(error.Code(), row.code) << row.path;
            }
            EXPECT_FALSE(log_.IsOpen());
        }
    }
}

TEST_F(LogFileTest, WritingWhileClosedRaises) {
    EXPECT_THROW(log_.WriteLine("x"), IoError);
    log_.Close();  // closing twice is harmless
    log_.Close();
}

}  // namespace
}  // namespace quillot
