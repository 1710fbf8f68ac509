#include <gtest/gtest.h>

#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "report/report_settings.h"
#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::Lines;

class CorpusReportsTest : public test::ReportTest {
  protected:
    void LoadCorpusFile(const std::string& name) {
        const std::string path = test::CorpusPath(name);
        ASSERT_TRUE(ReadSourceLines(path)) << path;
        ExtractPadFields();
        settings_.currentFilePath = path;
    }
};

TEST_F(CorpusReportsTest, EveryRealFileLoadsAndRenders) {
    const auto files = test::CorpusFiles();
    ASSERT_GE(files.size(), 60u);
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(ReadSourceLines(path));
        ExtractPadFields();
        settings_.currentFilePath = path;
        ASSERT_NO_THROW(WriteAllReports(settings_));
        // A file that names its program in a plain element shows that name.
        if (test::ReadWholeFile(path).find("<Program_Name>") != std::string::npos) {
            EXPECT_NE(GetFieldValue("Program_Name"), "");
        }
        for (const char* report : {AllFieldsReportName, StandardReportName, SummaryReportName}) {
            const Lines lines = test::SplitCrLfLines(test::ReadWholeFile(folder_.File(report)));
            ASSERT_GE(lines.size(), 4u);
            EXPECT_EQ(lines.front(), "{\\rtf1\\ansi\\deff0\\deflang1031");
            EXPECT_EQ(lines.back(), "}");  // also proves every line ends in CR LF
        }
    }
}

}  // namespace
}  // namespace quillot
