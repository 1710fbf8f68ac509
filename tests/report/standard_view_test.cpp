#include "report/standard_view.h"

#include <gtest/gtest.h>

#include "reader/pad_document.h"
#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::kBlank;
using test::Lines;

class StandardViewTest : public test::ReportTest {
  protected:
    Lines StandardBody(const std::string& document) {
        Load(document);
        return Body(Standard(), 4);
    }
    bool HasLine(const Lines& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(StandardViewTest, WholeFileForNameAndVersionOnly) {
    Load("<Program_Name>NAME</Program_Name><Program_Version>VER</Program_Version>",
         "C:\\x\\app.xml");
    EXPECT_EQ(Standard(), (Lines{
                              "{\\rtf1\\ansi\\deff0\\deflang1031",
                              test::kTestFontLine,
                              test::kDefaultColorLine,
                              "\\plain \\nowidctlpar\\tx3500\\tx5700\\tx6900 \\f0\\fs16",
                              kBlank,
                              "{\\cf2\\b NAME}\\cf1  - Version: {\\cf2\\b VER} \\par",
                              kBlank,
                              "\\cf1 Company: {\\cf2 } \\par",
                              kBlank,
                              "\\cf1 Date (Y-M-D): {\\cf2 --},   \\cf1 Status: {\\cf2\\b },   "
                              "\\cf1 Install Support: {\\cf2 } \\par",
                              "\\cf1 File Size: {\\cf2 },   \\cf1 Type: {\\cf2 },   "
                              "\\cf1 Cost: {\\cf2 } \\par",
                              "\\cf1 Operating System(s): {\\cf2 } \\par",
                              "\\cf1 Categories:  \\par",
                              kBlank,
                              "{\\cf1\\b Description: } \\par",
                              "{\\cf2 } \\par",
                              kBlank,
                              "{\\cf1\\b Contact Info: } \\par",
                              "\\cf1 General Email: {\\cf2 } \\par",
                              "\\cf1 Sales Email: {\\cf2 } \\par",
                              "\\cf1 Support Email: {\\cf2 } \\par",
                              "\\cf1 Order Online: {\\cf2 } \\par",
                              kBlank,
                              "{\\cf1\\b Download URLs: } \\par",
                              "{\\cf2 } \\par",
                              kBlank,
                              "{\\cf1\\b Application URLs: } \\par",
                              "\\cf1 Icon: {\\cf2 } \\par",
                              "\\cf1 ScnShot: {\\cf2 } \\par",
                              "\\cf1 Info: {\\cf2 } \\par",
                              "\\cf1 XML: {\\cf2 app.xml} \\par",
                              kBlank,
                              "}",
                          }));
}

TEST_F(StandardViewTest, BeginningOfAFullerDocument) {
    const Lines body = StandardBody(
        "<MASTER_PAD_VERSION>PADVER</MASTER_PAD_VERSION><Program_Name>NAME</Program_Name>"
        "<Program_Version>VER</Program_Version><Char_Desc_45>SHORT</Char_Desc_45>"
        "<Company_Name>COMPANY</Company_Name><Country>COUNTRY</Country>"
        "<Company_WebSite_URL>URL</Company_WebSite_URL><Author_First_Name>FIRST</Author_First_Name>"
        "<Author_Last_Name>LAST</Author_Last_Name>");
    EXPECT_EQ(
        Lines(body.begin(), body.begin() + 7),
        (Lines{"\\cf1 PAD version: {\\cf2 PADVER} \\par", kBlank,
               "{\\cf2\\b NAME}\\cf1  - Version: {\\cf2\\b VER},   {\\cf2\\b SHORT} \\par", kBlank,
               "\\cf1 Company: {\\cf2 COMPANY - COUNTRY},   \\cf1 Web: {\\cf2 URL} \\par",
               "\\cf1 Author: {\\cf2 FIRST LAST} \\par", kBlank}));
}

TEST_F(StandardViewTest, AuthorRowNeedsBothNames) {
    const Lines body =
        StandardBody("<Author_First_Name>F</Author_First_Name><Author_Email>e@x</Author_Email>");
    for (const auto& line : body)
        EXPECT_EQ(line.find("Author"), std::string::npos) << line;
    const Lines full = StandardBody(
        "<Author_First_Name>F</Author_First_Name><Author_Last_Name>L</Author_Last_Name>"
        "<Author_Email>e@x</Author_Email><Country>DE</Country>");
    EXPECT_TRUE(HasLine(full, "\\cf1 Author: {\\cf2 F L},   \\cf1 Email: {\\cf2 e@x} \\par"));
    EXPECT_TRUE(HasLine(full, "\\cf1 Company: {\\cf2  - DE} \\par"));
}

TEST_F(StandardViewTest, SizeAndCost) {
    const struct {
        const char* fields;
        const char* size;
        const char* cost;
    } rows[] = {
        {"<File_Size_K>120</File_Size_K><File_Size_MB>0.12</File_Size_MB>", "120 kB - 0.12 MB", ""},
        {"<File_Size_K>120</File_Size_K>", "120 kB", ""},
        {"<File_Size_MB>0.12</File_Size_MB><Program_Cost_Other>Free</Program_Cost_Other>",
         "0.12 MB", "Free"},
        {"<Program_Cost_Dollars>19.95</Program_Cost_Dollars><Program_Cost_Other>x</"
         "Program_Cost_Other>",
         "", "$19.95"},
    };
    for (const auto& row : rows) {
        const Lines body = StandardBody(row.fields);
        EXPECT_TRUE(HasLine(body, std::string("\\cf1 File Size: {\\cf2 ") + row.size +
                                      "},   \\cf1 Type: {\\cf2 },   \\cf1 Cost: {\\cf2 " +
                                      row.cost + "} \\par"))
            << row.fields;
    }
}

TEST_F(StandardViewTest, ExpiryRows) {
    Lines body = StandardBody("<Expire_Other_Info>other</Expire_Other_Info>");
    for (const auto& line : body)
        EXPECT_EQ(line.find("Expire"), std::string::npos) << line;

    body = StandardBody(
        "<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>"
        "<Expire_Other_Info>other</Expire_Other_Info><Includes_DirectX>yes</Includes_DirectX>");
    const auto at = std::find(body.begin(), body.end(), "\\cf1 Expires: {\\cf2 Y, 30 Days} \\par");
    ASSERT_NE(at, body.end());
    EXPECT_EQ(*(at + 1), "\\cf1 Expire Other Info: {\\cf2 other} \\par");
    EXPECT_EQ(*(at + 2), kBlank);
    EXPECT_EQ(*(at + 3), "\\cf1 Includes: {\\cf2\\b DirectX} \\par");
}

TEST_F(StandardViewTest, IncludesListsTheRuntimesInOrder) {
    const Lines body = StandardBody(
        "<Includes_DirectX>Y</Includes_DirectX><Includes_VB_Runtime>y</Includes_VB_Runtime>"
        "<Includes_JAVA_VM>Yes</Includes_JAVA_VM>");
    EXPECT_TRUE(HasLine(body, "\\cf1 Includes: {\\cf2\\b JAVA VM, VB Runtime, DirectX} \\par"));
    const Lines none = StandardBody("<Includes_DirectX>No</Includes_DirectX>");
    for (const auto& line : none)
        EXPECT_EQ(line.find("Includes"), std::string::npos);
}

TEST_F(StandardViewTest, CategoriesRow) {
    const struct {
        const char* fields;
        const char* row;
    } rows[] = {
        {"<Program_Specific_Category>Tools</Program_Specific_Category>"
         "<Program_Categories>Utilities</Program_Categories>"
         "<Program_Category_Class>Dev::Tools</Program_Category_Class>",
         "\\cf1 Categories: {\\cf2\\b Tools}{\\cf2  - Utilities},   Category Class: "
         "{\\cf2\\b Dev::Tools} \\par"},
        {"<Program_Categories>Utilities</Program_Categories>",
         "\\cf1 Categories: {\\cf2 Utilities} \\par"},
        {"<Program_Specific_Category>Tools</Program_Specific_Category>",
         "\\cf1 Categories: {\\cf2\\b Tools} \\par"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(HasLine(StandardBody(row.fields), row.row)) << row.row;
}

TEST_F(StandardViewTest, NotApplicableTextsSuppressTheirRows) {
    Lines body = StandardBody(
        "<Program_Change_Info>n/A</Program_Change_Info>"
        "<Program_System_Requirements>NONE</Program_System_Requirements>");
    for (const auto& line : body) {
        EXPECT_EQ(line.find("Change Info"), std::string::npos);
        EXPECT_EQ(line.find("System Requirements"), std::string::npos);
    }
    body = StandardBody(
        "<Program_Change_Info>Fixed</Program_Change_Info>"
        "<Program_System_Requirements>1 GB</Program_System_Requirements>");
    EXPECT_TRUE(HasLine(body, "{\\cf1\\b Change Info: }{\\cf2 Fixed} \\par"));
    const auto at = std::find(body.begin(), body.end(), "{\\cf1\\b System Requirements: } \\par");
    ASSERT_NE(at, body.end());
    EXPECT_EQ(*(at + 1), "{\\cf2 1 GB} \\par");
    EXPECT_EQ(*(at + 2), kBlank);
}

TEST_F(StandardViewTest, DownloadUrls) {
    const Lines body = StandardBody(
        "<Primary_Download_URL>p</Primary_Download_URL>"
        "<Additional_Download_URL_2>a2</Additional_Download_URL_2>");
    const auto at = std::find(body.begin(), body.end(), "{\\cf1\\b Download URLs: } \\par");
    ASSERT_NE(at, body.end());
    EXPECT_EQ(*(at + 1), "{\\cf2 p} \\par");
    EXPECT_EQ(*(at + 2), "{\\cf2 a2} \\par");
    EXPECT_EQ(*(at + 3), kBlank);
}

TEST_F(StandardViewTest, DescriptionsPreferEnglishAndLeaveTheSwitchSet) {
    // Only a German section: both fallbacks show it and the switch ends off.
    Lines body = StandardBody(
        "<Program_Descriptions><German><Char_Desc_45>Kurz</Char_Desc_45>"
        "<Char_Desc_2000>Lang</Char_Desc_2000></German></Program_Descriptions>");
    EXPECT_TRUE(HasLine(body, "{\\cf2\\b }\\cf1  - Version: {\\cf2\\b },   {\\cf2\\b Kurz} \\par"));
    EXPECT_TRUE(HasLine(body, "{\\cf2 Lang} \\par"));
    EXPECT_FALSE(EnglishOnly);

    // English long text, short text only in German.
    body = StandardBody(
        "<Program_Descriptions><English><Char_Desc_2000>Long</Char_Desc_2000></English>"
        "<German><Char_Desc_45>Kurz</Char_Desc_45></German></Program_Descriptions>");
    EXPECT_TRUE(HasLine(body, "{\\cf2\\b }\\cf1  - Version: {\\cf2\\b },   {\\cf2\\b Kurz} \\par"));
    EXPECT_TRUE(HasLine(body, "{\\cf2 Long} \\par"));
    EXPECT_TRUE(EnglishOnly);
}

// Also when an English short description has left the English-only switch on
// by the time the Keywords row is written.
TEST_F(StandardViewTest, KeywordsFallBackToAnyLanguage) {
    const char* const documents[] = {
        "<Program_Descriptions><German><Keywords>k1, "
        "k2</Keywords></German></Program_Descriptions>",
        "<Program_Descriptions><English><Char_Desc_45>Short</Char_Desc_45></English>"
        "<German><Keywords>k1, k2</Keywords></German></Program_Descriptions>",
    };
    for (const char* document : documents) {
        const Lines body = StandardBody(document);
        const auto at =
            std::find(body.begin(), body.end(), "{\\cf1\\b Keywords: }{\\cf2 k1, k2} \\par");
        ASSERT_NE(at, body.end()) << document;
        EXPECT_EQ(*(at + 1), kBlank);
    }
}

TEST_F(StandardViewTest, MultiLineDescriptionBecomesParagraphs) {
    const Lines body = StandardBody("<Char_Desc_2000>one\ntwo\nthree</Char_Desc_2000>");
    const auto at = std::find(body.begin(), body.end(), "{\\cf1\\b Description: } \\par");
    ASSERT_NE(at, body.end());
    EXPECT_EQ(Lines(at + 1, at + 4), (Lines{"{\\cf2 one \\par", "two \\par", "three} \\par"}));
}

TEST_F(StandardViewTest, EmptyDocumentStillWritesTheFixedRows) {
    const Lines body = StandardBody("");
    EXPECT_EQ(body.size(), 28u);
    EXPECT_EQ(body[1], "{\\cf2\\b }\\cf1  - Version: {\\cf2\\b } \\par");
}

TEST_F(StandardViewTest, HostileValuesStayInsideTheirRuns) {
    const Lines body = StandardBody(
        "<Program_Name>}{\\field{\\*\\fldinst HYPERLINK \"x\"}}</Program_Name>"
        "<Company_Name>C:\\Tools\\new</Company_Name>"
        "<Application_XML_File_URL>{\\object}</Application_XML_File_URL>");
    EXPECT_EQ(
        body[1],
        "{\\cf2\\b \\}\\{\\\\field\\{\\\\*\\\\fldinst HYPERLINK \"x\"\\}\\}}\\cf1  - Version: "
        "{\\cf2\\b } \\par");
    EXPECT_TRUE(HasLine(body, "\\cf1 Company: {\\cf2 C:\\\\Tools\\\\new} \\par"));
    EXPECT_TRUE(HasLine(body, "\\cf1 XML: {\\cf2 \\{\\\\object\\}} \\par"));
    // Group balance over the whole file: every unescaped brace is paired.
    int depth = 0;
    for (const auto& line : Standard()) {
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\') {
                ++i;
            } else if (line[i] == '{') {
                ++depth;
            } else if (line[i] == '}') {
                --depth;
                ASSERT_GE(depth, 0);
            }
        }
    }
    EXPECT_EQ(depth, 0);
}

TEST_F(StandardViewTest, FileNameWithBracesIsEscapedInTheRebuiltUrl) {
    Load("", "C:\\d\\h!host`{x}.xml");
    EXPECT_TRUE(HasLine(Standard(), "\\cf1 XML: {\\cf2 ==http://host/\\{x\\}.xml} \\par"));
}

}  // namespace
}  // namespace quillot
