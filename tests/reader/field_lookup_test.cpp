#include <gtest/gtest.h>

#include "reader/field_extractor.h"
#include "reader/pad_document.h"
#include "tests/support/reader_fixture.h"

namespace quillot {
namespace {

using test::ReaderTest;

constexpr int32_t kKeywords = 59;
constexpr int32_t kCharDesc45 = 60;
constexpr int32_t kProgramName = 24;

TEST_F(ReaderTest, LookupIgnoresTheCaseOfTheTagName) {
    AddPadField("Tool", "", kProgramName, 1);
    EXPECT_EQ(GetFieldValue("program_name"), "Tool");
    EXPECT_EQ(GetFieldValue("Program_Name"), "Tool");
}

TEST_F(ReaderTest, UnknownTagNamesGiveNothing) {
    test::LoadDocumentText("<Program_Descriptions>x</Program_Descriptions><Foo>bar</Foo>");
    EXPECT_EQ(GetFieldValue("Foo"), "");
    EXPECT_EQ(GetFieldValue("Program_Name"), "");
}

TEST_F(ReaderTest, OtherLanguagesGiveTheLastSectionUnlessEnglishOnly) {
    AddPadField("Kurz", "German", kCharDesc45, 1);
    AddPadField("Court", "French", kCharDesc45, 1);
    EXPECT_EQ(GetFieldValue("Char_Desc_45"), "Court");
    EnglishOnly = true;
    EXPECT_EQ(GetFieldValue("Char_Desc_45"), "");
}

TEST_F(ReaderTest, EnglishOrSectionlessRecordsWinInFileOrder) {
    AddPadField("Werkzeug", "German", kKeywords, 1);
    AddPadField("tool", "ENGLISH", kKeywords, 1);
    EXPECT_EQ(GetFieldValue("Keywords"), "tool");

    PadFieldList.Clear();
    AddPadField("tool", "english", kKeywords, 1);
    AddPadField("Werkzeug", "German", kKeywords, 1);
    EXPECT_EQ(GetFieldValue("Keywords"), "tool");

    PadFieldList.Clear();
    AddPadField("plain", "", kKeywords, 1);
    AddPadField("english", "English", kKeywords, 1);
    EXPECT_EQ(GetFieldValue("Keywords"), "plain");

    PadFieldList.Clear();
    AddPadField("first", "", kProgramName, 1);
    AddPadField("second", "", kProgramName, 1);
    EnglishOnly = true;
    EXPECT_EQ(GetFieldValue("Program_Name"), "first");
}

}  // namespace
}  // namespace quillot
