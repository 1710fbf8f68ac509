#include "report/rtf_text.h"
#include "report/report_text.h"

#include <gtest/gtest.h>

namespace quillot {
namespace {

TEST(RtfText, RunFormats) {
    EXPECT_EQ(LabelRun("Company"), "\\cf1 Company: ");
    EXPECT_EQ(LabelRun(" - Version"), "\\cf1  - Version: ");
    EXPECT_EQ(HeadingRun("Keywords"), "{\\cf1\\b Keywords: }");
    EXPECT_EQ(StrongValueRun("X").Rtf(), "{\\cf2\\b X}");
    EXPECT_EQ(ValueRun("").Rtf(), "{\\cf2 }");
}

// RTF stands as it is, document text is escaped, in order, whether it is
// escaped at once or, when long, only as it is written.
TEST(RtfText, ReportTextEscapesOnlyDocumentText) {
    const TextEncoding single = TextEncoding::Windows1252;
    const std::string longText(ReportText::kDeferredSize, '{');
    const std::string longEscaped = EscapeRtf(longText, single);
    const ReportText text = ValueRun(
        ReportText::Document("a\\", single) + "\\b " + ReportText::DocumentCopy(longText, single) +
        "}" + ReportText::Document(longText, single) + ReportText::Document("", single));
    EXPECT_EQ(text.Rtf(), "{\\cf2 a\\\\\\b " + longEscaped + "}" + longEscaped + "}");
    EXPECT_EQ(ReportText::Document("\xC3\xA9", TextEncoding::Utf8).Rtf(), "\\u233?");
    EXPECT_TRUE(ReportText::Document("", single).empty());
    EXPECT_FALSE(ReportText::Document(longText, single).empty());
}

TEST(RtfText, EscapingCoversBackslashAndBracesOnly) {
    EXPECT_EQ(EscapeRtf("C:\\Tools\\{x}", TextEncoding::Windows1252), "C:\\\\Tools\\\\\\{x\\}");
    EXPECT_EQ(EscapeRtf("a\rb\xE9;", TextEncoding::Windows1252), "a\rb\xE9;");
    EXPECT_EQ(EscapeRtf("}{\\field{\\*\\fldinst HYPERLINK}}", TextEncoding::Windows1252),
              "\\}\\{\\\\field\\{\\\\*\\\\fldinst HYPERLINK\\}\\}");
}

// A piece ends before a byte that starts a character, at the length asked
// for or a little after it.
TEST(RtfText, EscapePiecesEndBetweenCharacters) {
    const std::string emoji = "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80";
    EXPECT_EQ(EscapePieceLength(emoji, 4), 4u);
    EXPECT_EQ(EscapePieceLength(emoji, 5), 8u);
    EXPECT_EQ(EscapePieceLength(emoji, 11), 12u);
    EXPECT_EQ(EscapePieceLength("ab\xC3\xA9"
                                "cd",
                                3),
              4u);
    EXPECT_EQ(EscapePieceLength("abcd", 9), 4u);
}

TEST(RtfText, FontTableEntryNamesTheFamily) {
    const struct {
        int pitchAndFamily;
        const char* expected;
    } rows[] = {
        {34, "fswiss 34:Face"},     {39, "fswiss 39:Face"},       {0x17, "froman 23:Face"},
        {0x36, "fmodern 54:Face"},  {0x42, "fscript 66:Face"},    {0x52, "fdecorative 82:Face"},
        {0x02, "fdontcare 2:Face"}, {0x67, "fdontcare 103:Face"}, {255, "fdontcare 255:Face"}};
    for (const auto& row : rows) {
        FontMetrics metrics;
        metrics.ok = true;
        metrics.pitchAndFamily = static_cast<uint8_t>(row.pitchAndFamily);
        EXPECT_EQ(FontTableEntry(metrics, "Face"), row.expected);
    }
    FontMetrics failed;
    failed.errorCode = 6;
    EXPECT_EQ(FontTableEntry(failed, "Arial"), "ERR6 0:Arial");
}

TEST(RtfText, HeaderLines) {
    EXPECT_EQ(RtfHeaderLine(), "{\\rtf1\\ansi\\deff0\\deflang1031");
    EXPECT_EQ(FontTableLine("fswiss 34:Arial"), "{\\fonttbl{\\f0\\fswiss 34:Arial;}}");
    EXPECT_EQ(ColorTableLine(0x40, 0x800000),
              "{\\colortbl\\red0\\green0\\blue0;\\red64\\green0\\blue0;\\red0\\green0\\blue128;}");
    // The top byte of a system colour is ignored.
    EXPECT_EQ(ColorTableLine(static_cast<int32_t>(0x80000005), 0x00123456),
              "{\\colortbl\\red0\\green0\\blue0;\\red5\\green0\\blue0;\\red86\\green52\\blue18;}");
    EXPECT_EQ(ParagraphFormatLine(), "\\plain \\nowidctlpar\\tx3500\\tx5700\\tx6900 \\f0\\fs16");
}

}  // namespace
}  // namespace quillot
