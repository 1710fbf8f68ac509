// The reports of UTF-8 documents: every complete, valid multi-byte sequence of
// the document's text becomes "\uN?"; everything else is written as for a
// single-byte document.
#include <gtest/gtest.h>

#include <algorithm>

#include "reader/pad_document.h"
#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::Lines;

class Utf8ReportsTest : public test::ReportTest {
  protected:
    static bool Has(const Lines& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

constexpr const char* kUtf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

TEST_F(Utf8ReportsTest, ProgramNameInEveryView) {
    const struct {
        std::string document;  // the file's text before the Program_Name element
        std::string name;      // the element's content
        std::string expected;  // its RTF in the three views
    } rows[] = {
        {"", "caf\xC3\xA9", "caf\\u233?"},
        {kUtf8Declaration, "\xD8\xA7\xE2\x82\xAC", "\\u1575?\\u8364?"},
        // From U+8000 on, the number is the code point minus 65536.
        {"", "\xE7\xBF\xBF\xE8\x80\x80\xEF\xBF\xBD", "\\u32767?\\u-32768?\\u-3?"},
        // Above U+FFFF: the two UTF-16 surrogates.
        {"", "\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF", "\\u-10179?\\u-8704? \\u-9217?\\u-8193?"},
        // The byte that a named entity gives stays that byte, unless it forms
        // a valid sequence with what follows.
        {"", "caf&eacute; &Atilde;&copy;", "caf\xE9 \\u233?"},
        {"", "{\xC3\xA9}\\", "\\{\\u233?\\}\\\\"},
        {"\xEF\xBB\xBF", "caf\xC3\xA9", "caf\\u233?"},
        {"<?xml version='1.0' encoding='UTF-8'?>", "caf\xC3\xA9", "caf\\u233?"},
        // Single-byte documents: a declared other encoding, or invalid UTF-8.
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "caf\xC3\xA9", "caf\xC3\xA9"},
        {"<Company_Name>\xE9</Company_Name>", "caf\xC3\xA9", "caf\xC3\xA9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Load(row.document + "<Program_Name>" + row.name + "</Program_Name>");
        EXPECT_TRUE(Has(Body(AllFields(), 3),
                        "\\plain\\f0\\fs16\\cf1\\ul Program_Name"
                        "\\plain\\f0\\fs16\\cf2\\b  " +
                            row.expected + "\\plain\\f0\\fs16\\cf0"));
        const std::string nameRow =
            "{\\cf2\\b " + row.expected + "}\\cf1  - Version: {\\cf2\\b } \\par";
        EXPECT_TRUE(Has(Body(Standard(), 4), nameRow));
        EXPECT_TRUE(Has(Body(Summary(), 4), nameRow));
    }
}

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// Compositions are escaped like values; lengths still count bytes.
TEST_F(Utf8ReportsTest, CompositionsAndByteLengths) {
    Load(std::string(kUtf8Declaration) +
             "<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>"
             "<Expire_Based_On>Tage \xC3\xBC</Expire_Based_On>"
             "<Company_Name>G\xC3\xB6ldenitz</Company_Name><Country>\xC3\x96</Country>"
             "<Char_Desc_45>" +
             Repeat("\xC3\xA9", 40) + "</Char_Desc_45>",
         "C:\\pads\\h!b\xC3\xBC"
         "cher.de`pad.xml");
    const Lines standard = Body(Standard(), 4);
    EXPECT_TRUE(Has(standard, "\\cf1 Expires: {\\cf2 Y, 30 Tage \\u252?} \\par"));
    EXPECT_TRUE(Has(standard, "\\cf1 Company: {\\cf2 G\\u246?ldenitz - \\u214?} \\par"));
    EXPECT_TRUE(Has(standard, "\\cf1 XML: {\\cf2 ==http://b\\u252?cher.de/pad.xml} \\par"));
    const Lines summary = Body(Summary(), 4);
    EXPECT_TRUE(Has(summary, "\\cf1 By: {\\cf2 G\\u246?ldenitz, \\u214?} \\par"));
    EXPECT_TRUE(Has(summary, "\\cf1 Expiration: {\\cf2 Y, 30 Tage \\u252?} \\par"));

    // Forty characters in 80 bytes: not short, so a paragraph of its own.
    const Lines all = Body(AllFields(), 3);
    EXPECT_TRUE(Has(all, "\\plain\\f0\\fs16\\cf1\\ul Char_Desc_45\\plain\\f0\\fs16\\cf0"));
    EXPECT_TRUE(Has(all, "\\par \\plain\\f0\\fs16\\cf2\\b " + Repeat("\\u233?", 40) +
                             "\\plain\\f0\\fs16\\cf0"));
}

}  // namespace
}  // namespace quillot
