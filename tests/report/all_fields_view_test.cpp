#include "report/all_fields_view.h"

#include <gtest/gtest.h>

#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::Lines;

class AllFieldsViewTest : public test::ReportTest {};

std::string OneLine(const std::string& name, const std::string& value) {
    return "\\plain\\f0\\fs16\\cf1\\ul " + name + "\\plain\\f0\\fs16\\cf2\\b  " + value +
           "\\plain\\f0\\fs16\\cf0";
}

TEST_F(AllFieldsViewTest, HeaderHasThreeLinesAndEveryTagTwo) {
    Load("<MASTER_PAD_VERSION>3.11</MASTER_PAD_VERSION>");
    const Lines lines = AllFields();
    ASSERT_EQ(lines.size(), 3 + 76 * 2 + 1u);
    EXPECT_EQ(lines[0], "{\\rtf1\\ansi\\deff0\\deflang1031");
    EXPECT_EQ(lines[1], test::kTestFontLine);
    EXPECT_EQ(lines[2], test::kDefaultColorLine);
    EXPECT_EQ(lines[3], OneLine("MASTER_PAD_VERSION", "3.11"));
    EXPECT_EQ(lines[4], "\\par");
    EXPECT_EQ(lines[5], OneLine("MASTER_PAD_EDITOR", ""));
    EXPECT_EQ(lines[6], "\\par");
    EXPECT_EQ(lines[3 + 75 * 2], OneLine("EULA", ""));
    EXPECT_EQ(lines.back(), "}");
}

TEST_F(AllFieldsViewTest, LongValueGetsAParagraphOfItsOwn) {
    const std::string description(100, 'd');
    Load("<Char_Desc_2000>" + description + "</Char_Desc_2000>");
    const Lines body = Body(AllFields(), 3);
    ASSERT_EQ(body.size(), 76 * 2 + 1u);
    const size_t at = 64 * 2;  // Char_Desc_2000 is tag 64
    EXPECT_EQ(body[at], "\\plain\\f0\\fs16\\cf1\\ul Char_Desc_2000\\plain\\f0\\fs16\\cf0");
    EXPECT_EQ(body[at + 1],
              "\\par \\plain\\f0\\fs16\\cf2\\b " + description + "\\plain\\f0\\fs16\\cf0");
    EXPECT_EQ(body[at + 2], "\\par");
}

TEST_F(AllFieldsViewTest, FirstOccurrenceWinsWhateverItsSection) {
    Load(
        "<Program_Descriptions><German><Keywords>Werkzeug</Keywords></German>"
        "<English><Keywords>tool</Keywords></English></Program_Descriptions>");
    EnglishOnly = true;
    const Lines body = Body(AllFields(), 3);
    EXPECT_EQ(body[59 * 2], OneLine("Keywords", "Werkzeug"));
}

TEST_F(AllFieldsViewTest, ValuesKeepTheirCrAndAreEscaped) {
    Load("<Program_Name>a{b}\\par c\nnext</Program_Name>");
    const Lines body = Body(AllFields(), 3);
    EXPECT_EQ(body[24 * 2], OneLine("Program_Name", "a\\{b\\}\\\\par c\rnext"));
}

TEST_F(AllFieldsViewTest, TagOrderIsTheVocabularyOrder) {
    Load("<EULA>e</EULA><Country>c</Country>");
    const Lines body = Body(AllFields(), 3);
    for (size_t tag = 0; tag < PadTagTable.size(); ++tag) {
        EXPECT_EQ(body[tag * 2].rfind("\\plain\\f0\\fs16\\cf1\\ul " + PadTagTable[tag], 0), 0u);
    }
    EXPECT_EQ(body[9 * 2], OneLine("Country", "c"));
    EXPECT_EQ(body[75 * 2], OneLine("EULA", "e"));
}

}  // namespace
}  // namespace quillot
