#include "report/report_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reader/io_error.h"
#include "report/all_fields_view.h"
#include "report/rtf_text.h"
#include "report/standard_view.h"
#include "report/summary_view.h"
#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::Lines;

class ReportFileTest : public test::ReportTest {
  protected:
    // The lines that WriteParagraph writes for the text.
    Lines Paragraph(std::string_view text) {
        ReportFile file(settings_, "para.rtf", false);
        file.WriteParagraph(text);
        file.Close();
        Lines lines = test::SplitCrLfLines(test::ReadWholeFile(folder_.File("para.rtf")));
        return Body(lines, 3);
    }
};

TEST_F(ReportFileTest, ParagraphsSplitAtEveryCr) {
    const std::string longText(12000, 'x');
    const struct {
        std::string text;
        Lines expected;
    } rows[] = {
        {"", {" \\par"}},
        {"one", {"one \\par"}},
        {"one\rtwo", {"one \\par", "two \\par"}},
        {"one\rx", {"one \\par", "x \\par"}},
        {"one\r\rtwo", {"one \\par", " \\par", "two \\par"}},
        {"ends\r", {"ends \\par"}},
        {"\r", {" \\par"}},
        {"a\r\nb", {"a \\par", "\nb \\par"}},
        {longText, {longText + " \\par"}},
        {"a\r" + longText, {"a \\par", std::string(9999, 'x') + " \\par"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Paragraph(row.text), row.expected) << row.text.size();
}

// The last piece is cut between whole tokens (escapes, control words with
// their number and blank, \uN with its fallback character), and every group
// of the text still open at the cut is closed there.
TEST_F(ReportFileTest, CutLastPieceSplitsNoTokenAndClosesItsGroups) {
    auto repeat = [](std::string_view piece, size_t times) {
        std::string text;
        for (size_t i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const std::string a9993(9993, 'a');
    const std::string a9994(9994, 'a');
    const struct {
        std::string text;
        std::string lastLine;
    } rows[] = {
        // A value of "a", CR and 10,000 "{" in a value run, as the views write it.
        {"{\\cf2 a\r" + repeat("\\{", 10000) + "}", repeat("\\{", 4999) + "} \\par"},
        {"{\\cf2 a\r" + repeat("\\{", 4999) + "}", repeat("\\{", 4999) + "} \\par"},  // no cut
        {"x\r" + a9994 + "\\cf2 b" + repeat("c", 99), a9994 + "\\cf2  \\par"},
        // The blank that ends a control word belongs to it.
        {"a\r" + repeat("x", 9995) + "\\cf1 y", repeat("x", 9995) + " \\par"},
        {"x\r" + a9994 + "a\\cf-12 b" + repeat("c", 99), a9994 + "a \\par"},
        {"x\r" + a9994 + "\\u8364?" + repeat("c", 99), a9994 + " \\par"},
        {"x\r" + a9994 + "aa\\u-4064 ?" + repeat("c", 99), a9994 + "aa \\par"},
        {"x\r" + a9993 + "\\u233\\}" + repeat("c", 99), a9993 + " \\par"},
        {"x\r" + a9993 + "\\u233{" + repeat("c", 99), a9993 + "\\u233{} \\par"},
        {"x\r" + a9994 + "aaaa\\\\" + repeat("c", 99), a9994 + "aaaa \\par"},
        {"{\\b {a}{\\cf2 {b\r" + repeat("c", 9997) + "}de", repeat("c", 9997) + "}d}} \\par"},
        {"}}\r" + repeat("c", 10000), repeat("c", 9999) + " \\par"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Paragraph(row.text).back(), row.lastLine) << row.text.substr(0, 20);
}

// Long document text goes into the file in pieces, escaped piece by piece:
// what arrives must be the text escaped as a whole, also where a character
// of several bytes stands on a piece's edge.
TEST_F(ReportFileTest, LongTextIsEscapedAsAWhole) {
    std::string text(65535, 'a');
    for (int i = 0; i < 40000; ++i)
        text += "\xE2\x82\xAC{\\}\xF0\x9F\x98\x80";
    // Longer than a piece without an ASCII byte, with broken sequences too.
    for (int i = 0; i < 30000; ++i)
        text += i % 1000 == 0 ? "\xC3\xF0\x9F" : "\xF0\x9F\x98\x80\xE4\xB8\xAD";
    for (const TextEncoding encoding : {TextEncoding::Windows1252, TextEncoding::Utf8}) {
        ReportFile file(settings_, "long.rtf", false);
        file.WriteEscaped(text, encoding);
        file.Close();
        const std::string written = test::ReadWholeFile(folder_.File("long.rtf"));
        const std::string escaped = EscapeRtf(text, encoding);
        ASSERT_GE(written.size(), escaped.size() + 3);
        EXPECT_TRUE(written.compare(written.size() - escaped.size() - 3, escaped.size(), escaped) ==
                    0);
    }
}

TEST_F(ReportFileTest, HeaderAndTrailer) {
    ReportFile file(settings_, "frame.rtf", true);
    file.Close();
    EXPECT_EQ(test::ReadWholeFile(folder_.File("frame.rtf")),
              std::string("{\\rtf1\\ansi\\deff0\\deflang1031\r\n") + test::kTestFontLine + "\r\n" +
                  test::kDefaultColorLine + "\r\n" +
                  "\\plain \\nowidctlpar\\tx3500\\tx5700\\tx6900 \\f0\\fs16\r\n}\r\n");
}

TEST_F(ReportFileTest, ExistingReportIsTruncated) {
    test::WriteWholeFile(folder_.File(AllFieldsReportName), std::string(500000, '\x07'));
    WriteAllFieldsView(settings_);
    EXPECT_EQ(test::ReadWholeFile(folder_.File(AllFieldsReportName)).find('\x07'),
              std::string::npos);
}

TEST_F(ReportFileTest, MissingFolderRaisesTheSystemErrorAndStopsTheRendering) {
    settings_.folder = folder_.File("missing") + test::Separator;
    try {
        WriteAllReports(settings_);
        ADD_FAILURE() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(error.Code(), 3);  // path not found
        EXPECT_STREQ(error.what(), "Invalid filename");
    }
}

TEST_F(ReportFileTest, FailureInOneWriterKeepsTheLaterOnesFromRunning) {
    // A folder in place of the Standard report makes its creation fail.
    test::TempFolder blocker;
    settings_.folder = blocker.PathWithSeparator();
    ASSERT_TRUE(std::filesystem::create_directory(blocker.File(StandardReportName)));
    EXPECT_THROW(WriteAllReports(settings_), IoError);
    EXPECT_TRUE(test::FileExistsForTest(blocker.File(AllFieldsReportName)));
    EXPECT_FALSE(test::FileExistsForTest(blocker.File(SummaryReportName)));
}

}  // namespace
}  // namespace quillot
