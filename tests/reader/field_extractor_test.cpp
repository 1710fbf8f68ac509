#include "reader/field_extractor.h"

#include <gtest/gtest.h>

#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "tests/support/reader_fixture.h"

namespace quillot {
namespace {

using test::LoadDocumentText;
using test::ReaderTest;
using test::ShowCr;

// A record as (value with CR shown as ⏎, section, tag number, short mark).
struct Record {
    std::string value;
    std::string section;
    int32_t tag;
    int32_t isShort;
    bool operator==(const Record& o) const {
        return value == o.value && section == o.section && tag == o.tag && isShort == o.isShort;
    }
};

void PrintTo(const Record& r, std::ostream* os) {
    *os << "(" << r.value << ", " << r.section << ", " << r.tag << ", " << r.isShort << ")";
}

std::vector<Record> Records() {
    std::vector<Record> records;
    for (const PadField& f : PadFieldList) {
        records.push_back({ShowCr(f.Value), std::string(f.Section), f.TagNumber, f.IsShort});
    }
    return records;
}

std::vector<Record> Extract(std::string_view text) {
    LoadDocumentText(text);
    return Records();
}

std::vector<Record> ExtractLines(std::initializer_list<const char*> lines) {
    SourceLines.Clear();
    for (const char* line : lines)
        AddSourceLine(line);
    ExtractPadFields();
    return Records();
}

const std::string kCr = "\xE2\x8F\x8E";

TEST_F(ReaderTest, WorkedExample) {
    EXPECT_EQ(
        ExtractLines({"<Program_Name>My Tool", "</Program_Name>", "<Program_Descriptions>",
                      "<English>", "<Char_Desc_2000>First line", "second line & more",
                      "</Char_Desc_2000>", "</English>", "<German>",
                      "<Keywords>Werkzeug &amp; Test", "</Keywords>", "</Program_Descriptions>"}),
        (std::vector<Record>{{"My Tool", "", 24, 1},
                             {"First line" + kCr + "second line & more", "English", 64, 1},
                             {"Werkzeug & Test", "German", 59, 1}}));
}

TEST_F(ReaderTest, TagsMatchIgnoringCaseButNotWithAttributes) {
    EXPECT_EQ(Extract("<program_name>x</PROGRAM_NAME>"), (std::vector<Record>{{"x", "", 24, 1}}));
    EXPECT_TRUE(Extract("<Program_Name lang=\"en\">x</Program_Name>").empty());
}

TEST_F(ReaderTest, AValueMayStartOnTheLineAfterItsTag) {
    const struct {
        std::string text;
        std::string value;
    } rows[] = {
        {"<EULA>\r\n    Permission is granted\r\n</EULA>", "Permission is granted"},
        {"<EULA>\nline one\nline two\n</EULA>", "line one" + kCr + "line two"},
        {"<EULA>\rline one\r\r\rline two\r</EULA>", "line one" + kCr + "line two"},
        {"<EULA>\n\n  \t\n  line one\n\n   line two  \n\n</EULA>", "line one" + kCr + "line two"},
        {"<EULA>\n  text</EULA>", "text"},
        {"<EULA>\n a &amp; b\n</EULA>", "a & b"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Extract(row.text), (std::vector<Record>{{row.value, "", 75, 1}})) << row.text;
    // A line of text while no field is open still belongs to nothing.
    EXPECT_TRUE(Extract("<Company_Info>\nstray text\n</Company_Info>").empty());
}

TEST_F(ReaderTest, SelfClosingTags) {
    EXPECT_TRUE(Extract("<Company_Name/>\n<Country />").empty());
    // A self-closing tag inside an open field ends it; the record is short
    // whatever its length.
    const std::string longText(120, 'w');
    EXPECT_EQ(Extract("<Char_Desc_450>" + longText + "\n<br/>\nrest</Char_Desc_450>"),
              (std::vector<Record>{{longText, "", 63, 1}}));
}

TEST_F(ReaderTest, ContainerEndTagDoesNotDisturbTheNextField) {
    EXPECT_EQ(Extract("</Company_Info>\n<Char_Desc_2000>a\nb\nc</Char_Desc_2000>"),
              (std::vector<Record>{{"a" + kCr + "b" + kCr + "c", "", 64, 1}}));
}

TEST_F(ReaderTest, EmbeddedMarkupEndsTheFieldEarly) {
    EXPECT_EQ(Extract("<Char_Desc_250>Plain <b>bold</b> rest</Char_Desc_250>"),
              (std::vector<Record>{{"Plain", "", 62, 1}}));
}

TEST_F(ReaderTest, KnownStartTagInsideOpenFieldTakesItOver) {
    EXPECT_EQ(Extract("<Program_Name>outer\n<Program_Version>inner</Program_Version>"),
              (std::vector<Record>{{"outer", "", 25, 1}}));
}

TEST_F(ReaderTest, BrokenEndTagIsRecognisedAtTheNextTag) {
    // Broken before its ">" or right after its "/".
    for (const char* brokenEndTag : {"</Program_Name\n>", "</\nProgram_Name>"}) {
        EXPECT_EQ(Extract("<Program_Name>My Tool" + std::string(brokenEndTag) +
                          "\n<Program_Descriptions>\n<English>\n<Keywords>k</Keywords>"),
                  (std::vector<Record>{{"My Tool", "", 24, 1}, {"k", "", 59, 1}}))
            << brokenEndTag;
    }
    // The container start tag was used up by the field, so no section was set.
}

TEST_F(ReaderTest, BrokenStartTagLosesItsElement) {
    EXPECT_TRUE(Extract("<Program_Name\n>My Tool</Program_Name>").empty());
}

TEST_F(ReaderTest, EmptyAngleBracketsAreText) {
    EXPECT_EQ(Extract("<Keywords>a\n<>\nb</Keywords>"),
              (std::vector<Record>{{"a" + kCr + "<>" + kCr + "b", "", 59, 1}}));
}

TEST_F(ReaderTest, EntityDecoding) {
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"Tom &amp; Jerry", "Tom & Jerry"},
        {"&amp;lt;", "&lt;"},
        {"&#169; &Alpha;", "\xA9 &Alpha;"},
        {"R&D; &amp;", "R&D; &"},
        {"R&D and &amp;", "R&D and &amp;"},
        {"a & b", "a & b"},
        {"x &amp; y &", "x & y &"},
        {"&euro;&nbsp;&quot;", "\x80\xA0\""},
        {"&;", "&;"},
        {"&abcdef;&lt;", "&abcdef;<"},
        {"&abcdefg;&lt;", "&abcdefg;<"},
        {"&&amp;", "&&amp;"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DecodeEntities(row.in), row.out) << row.in;
    EXPECT_EQ(Extract("<Program_Name> &lt;Tool&gt; </Program_Name>"),
              (std::vector<Record>{{"<Tool>", "", 24, 1}}));
    EXPECT_EQ(Extract("<Program_Name>&thinsp;x&thinsp;</Program_Name>"),
              (std::vector<Record>{{"x", "", 24, 1}}));  // trimmed again after decoding
}

TEST_F(ReaderTest, NumericReferencesAreDecodedInTheDocumentsEncoding) {
    const struct {
        const char* in;
        const char* windows1252;
        const char* utf8;
    } rows[] = {
        {"Th&#252;ring", "Th\xFCring", "Th\xC3\xBCring"},
        {"&#x41;&#X42;&#x00043;&#0000068;", "ABCD", "ABCD"},
        {"Audio &#38; Multimedia", "Audio & Multimedia", "Audio & Multimedia"},
        {"&#38;amp;", "&amp;", "&amp;"},  // decoded once
        {"&#31;&#32;&#126;&#127;", "&#31; ~&#127;", "&#31; ~&#127;"},
        {"&#x9F;&#xA0;", "&#x9F;\xA0", "&#x9F;\xC2\xA0"},
        {"&#xD800;&#xDFFF;", "&#xD800;&#xDFFF;", "&#xD800;&#xDFFF;"},
        {"&#x10FFFF;&#x110000;", "&#x10FFFF;&#x110000;", "\xF4\x8F\xBF\xBF&#x110000;"},
        {"&#8364;&#x141;", "\x80&#x141;", "\xE2\x82\xAC\xC5\x81"},
        {"&#x2013;&#x2122;&#x178;", "\x96\x99\x9F", "\xE2\x80\x93\xE2\x84\xA2\xC5\xB8"},
        {"&#;&#x;&#12a;&#xG1;&#-1;", "&#;&#x;&#12a;&#xG1;&#-1;", "&#;&#x;&#12a;&#xG1;&#-1;"},
        {"&#00000065;&#x0000041;", "&#00000065;&#x0000041;", "&#00000065;&#x0000041;"},
        {"&#1114111;&#65;", "&#1114111;A",
         "\xF4\x8F\xBF\xBF"
         "A"},
        {"&#12a;&amp;", "&#12a;&", "&#12a;&"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DecodeEntities(row.in, TextEncoding::Windows1252), row.windows1252) << row.in;
        EXPECT_EQ(DecodeEntities(row.in, TextEncoding::Utf8), row.utf8) << row.in;
    }
    // Through the reader, in the encoding the file was found to have.
    EXPECT_EQ(Extract("<Author_Last_Name>Th&#252;ring \xE9</Author_Last_Name>"),
              (std::vector<Record>{{"Th\xFCring \xE9", "", 12, 1}}));
    EXPECT_EQ(Extract("<Author_Last_Name>Th&#252;ring \xC3\xA9</Author_Last_Name>"),
              (std::vector<Record>{{"Th\xC3\xBCring \xC3\xA9", "", 12, 1}}));
}

TEST_F(ReaderTest, CommentsAreNoContent) {
    const struct {
        std::string text;
        std::vector<Record> records;
    } rows[] = {
        {"<!-- <Program_Release_Year>2002</Program_Release_Year> -->", {}},
        {"<Program_Name>My<!-- x -->Tool</Program_Name>", {{"MyTool", "", 24, 1}}},
        {"<Keywords>a<!--\n</Keywords>\n<EULA>b</EULA>\n-->\nb</Keywords>",
         {{"a" + kCr + "b", "", 59, 1}}},
        {"<Program_Name>a<!-- -- > -->b</Program_Name>", {{"ab", "", 24, 1}}},
        {"<Program_Name>a<!---->b</Program_Name>", {{"ab", "", 24, 1}}},
        // "<!-->" and "<!--->" do not end themselves.
        {"<Program_Name>a<!-->b</Program_Name><EULA>c</EULA>-->d", {}},
        {"<Program_Name>a<!--->b</Program_Name>--><EULA>c</EULA>", {{"a", "", 75, 1}}},
        // A "<!--" that nothing closes is no comment.
        {"<Program_Name>a</Program_Name><!-- <EULA>b</EULA>", {{"a", "", 24, 1}, {"b", "", 75, 1}}},
        {"<Program_Descriptions>\n<!-- English -->\n<German>\n<Keywords>k</Keywords>",
         {{"k", "German", 59, 1}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Extract(row.text), row.records) << row.text;
}

TEST_F(ReaderTest, ShortMarkFollowsTheLength) {
    EXPECT_EQ(Extract("<EULA>" + std::string(79, 'a') + "</EULA>")[0].isShort, 1);
    EXPECT_EQ(Extract("<EULA>" + std::string(80, 'a') + "</EULA>")[0].isShort, 0);
    EXPECT_EQ(Extract("<EULA>" + std::string(9, 'a') + "\n" + std::string(10, 'b') + "</EULA>")[0]
                  .isShort,
              1);
}

TEST_F(ReaderTest, DescriptionSections) {
    EXPECT_EQ(Extract("<Program_Descriptions>\n<Note/>\n<Keywords>a</Keywords>\n<English>\n"
                      "<Keywords>b</Keywords>\n</English>\n<Keywords>c</Keywords>\n"
                      "</Program_Descriptions>\n<Keywords>d</Keywords>\n<Program_Descriptions>\n"
                      "<German>\n<Keywords>e</Keywords>"),
              (std::vector<Record>{{"a", "Note", 59, 1},
                                   {"b", "English", 59, 1},
                                   {"c", "English", 59, 1},
                                   {"d", "", 59, 1},
                                   {"e", "", 59, 1}}));
    // The container is known whatever the letter case of its name.
    EXPECT_EQ(Extract("<program_descriptions>\n<German>\n<Keywords>k</Keywords>"),
              (std::vector<Record>{{"k", "German", 59, 1}}));
}

TEST_F(ReaderTest, NoKnownElementGivesNoFields) {
    EXPECT_TRUE(Extract("<XML_DIZ_INFO><Other>1</Other></XML_DIZ_INFO>").empty());
    EXPECT_TRUE(Extract("").empty());
}

TEST_F(ReaderTest, UnclosedFieldIsDropped) {
    EXPECT_TRUE(Extract("<Program_Name>never closed\nmore text").empty());
}

TEST_F(ReaderTest, ManyLinesInsideOneFieldStayLinear) {
    // Each unknown tag inside an open field re-checks the pending value for a
    // broken end tag; that check must not rescan the growing value.
    std::string text = "<Char_Desc_2000>start <";
    for (int i = 0; i < 200000; ++i)
        text += "\nword<b>";
    text += "</Char_Desc_2000>";
    const auto records = Extract(text);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].tag, 64);
}

TEST_F(ReaderTest, ASectionNameIsKeptOnceForTheFieldsThatShareIt) {
    // A copy per field made memory grow with the square of such a file.
    const std::string name(100000, 'x');
    std::string text = "<Program_Descriptions>\n<" + name + ">\n";
    for (int i = 0; i < 50; ++i)
        text += "<EULA>x</EULA>\n";
    text += "</" + name + ">\n";  // the same section again
    for (int i = 0; i < 50; ++i)
        text += "<EULA>x</EULA>\n";
    LoadDocumentText(text);
    ASSERT_EQ(PadFieldList.Count(), 100u);
    const char* const kept = PadFieldList[0].Section.data();
    for (size_t i = 0; i < PadFieldList.Count(); ++i) {
        EXPECT_EQ(PadFieldList[i].Section, name);
        EXPECT_EQ(static_cast<const void*>(PadFieldList[i].Section.data()), kept) << i;
    }
}

TEST_F(ReaderTest, RecordsNeverOutnumberLines) {
    LoadDocumentText("<a/><Program_Name>x</Program_Name><EULA/>y</b>");
    EXPECT_LE(PadFieldList.Count(), SourceLines.Count());
}

}  // namespace
}  // namespace quillot
