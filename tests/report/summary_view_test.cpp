#include "report/summary_view.h"

#include <gtest/gtest.h>

#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::kBlank;
using test::Lines;

class SummaryViewTest : public test::ReportTest {
  protected:
    Lines SummaryBody(const std::string& document) {
        Load(document);
        return Body(Summary(), 4);
    }
};

TEST_F(SummaryViewTest, WholeFileForNameAndVersionOnly) {
    Load("<Program_Name>NAME</Program_Name><Program_Version>VER</Program_Version>",
         "C:\\x\\app.xml");
    EXPECT_EQ(Summary(), (Lines{
                             "{\\rtf1\\ansi\\deff0\\deflang1031",
                             test::kTestFontLine,
                             test::kDefaultColorLine,
                             "\\plain \\nowidctlpar\\tx3500\\tx5700\\tx6900 \\f0\\fs16",
                             "{\\cf2\\b NAME}\\cf1  - Version: {\\cf2\\b VER} \\par",
                             kBlank,
                             "\\cf1 Date (Y-M-D): {\\cf2\\b --},  \\cf1 Size: {\\cf2\\b  kB},  "
                             "{\\cf2\\b  ()} \\par",
                             kBlank,
                             "{\\cf2\\b } \\par",
                             "\\cf1 Status: {\\cf2\\b } \\par",
                             kBlank,
                             "\\cf1 By: {\\cf2 } \\par",
                             kBlank,
                             "\\cf1 AppXML: {\\cf2 app.xml} \\par",
                             kBlank,
                             "\\cf1 Operating System(s): {\\cf2\\b } \\par",
                             kBlank,
                             "\\cf1 Categories: {\\cf2\\b  - } \\par",
                             kBlank,
                             "\\cf1 Description:  \\par",
                             "{\\cf2 } \\par",
                             kBlank,
                             "\\cf1 Operating System(s): {\\cf2\\b } \\par",
                             "}",
                         }));
}

TEST_F(SummaryViewTest, BeginningOfAFullerDocument) {
    const Lines body = SummaryBody(
        "<Program_Name>NAME</Program_Name><Program_Version>VER</Program_Version>"
        "<Program_Release_Year>YEAR</Program_Release_Year>"
        "<Program_Release_Month>MONTH</Program_Release_Month>"
        "<Program_Release_Day>DAY</Program_Release_Day><File_Size_K>K</File_Size_K>"
        "<Program_Type>TYPE</Program_Type><Program_Cost_Dollars>PRICE</Program_Cost_Dollars>"
        "<Char_Desc_45>SHORT</Char_Desc_45><Program_Release_Status>STATUS</Program_Release_Status>"
        "<Company_Name>COMPANY</Company_Name><Country>COUNTRY</Country>");
    EXPECT_EQ(
        Lines(body.begin(), body.begin() + 8),
        (Lines{"{\\cf2\\b NAME}\\cf1  - Version: {\\cf2\\b VER} \\par", kBlank,
               "\\cf1 Date (Y-M-D): {\\cf2\\b YEAR-MONTH-DAY},  \\cf1 Size: {\\cf2\\b K kB},  "
               "{\\cf2\\b TYPE ($PRICE)} \\par",
               kBlank, "{\\cf2\\b SHORT} \\par", "\\cf1 Status: {\\cf2\\b STATUS} \\par", kBlank,
               "\\cf1 By: {\\cf2 COMPANY, COUNTRY} \\par"}));
}

TEST_F(SummaryViewTest, OtherCostWithoutDollars) {
    const Lines body = SummaryBody(
        "<Program_Type>Shareware</Program_Type><Program_Cost_Other>10 EUR</Program_Cost_Other>");
    EXPECT_EQ(body[2],
              "\\cf1 Date (Y-M-D): {\\cf2\\b --},  \\cf1 Size: {\\cf2\\b  kB},  "
              "{\\cf2\\b Shareware (10 EUR)} \\par");
}

TEST_F(SummaryViewTest, ExpiryRows) {
    Lines body = SummaryBody("<Expire_Other_Info>o</Expire_Other_Info>");
    EXPECT_EQ(body[15], "\\par \\cf1 Expire Other Info: {\\cf2 o} \\par");
    EXPECT_EQ(body[16], "\\cf1 Description:  \\par");

    body = SummaryBody(
        "<Has_Expire_Info>y</Has_Expire_Info><Expire_Count>14</Expire_Count>"
        "<Expire_Based_On>Uses</Expire_Based_On>");
    EXPECT_EQ(body[15], "\\cf1 Expiration: {\\cf2 y, 14 Uses} \\par");
    EXPECT_EQ(body[16], kBlank);
    EXPECT_EQ(body[17], "\\cf1 Description:  \\par");

    body = SummaryBody("<Has_Expire_Info>No</Has_Expire_Info><Expire_Count>14</Expire_Count>");
    EXPECT_EQ(body[15], "\\cf1 Expiration: {\\cf2 No} \\par");
}

TEST_F(SummaryViewTest, DescriptionsFollowTheSwitchTheStandardViewLeft) {
    // English long text, short text only in German: the switch stays on, so
    // the summary's short description is empty.
    Lines body = SummaryBody(
        "<Program_Descriptions><English><Char_Desc_2000>Long</Char_Desc_2000></English>"
        "<German><Char_Desc_45>Kurz</Char_Desc_45></German></Program_Descriptions>");
    EXPECT_EQ(body[4], "{\\cf2\\b } \\par");
    EXPECT_EQ(body[16], "{\\cf2 Long} \\par");

    // Everything in one non-English section: the switch is off.
    body = SummaryBody(
        "<Program_Descriptions><German><Char_Desc_45>Kurz</Char_Desc_45>"
        "<Char_Desc_250>Mittel</Char_Desc_250></German></Program_Descriptions>");
    EXPECT_EQ(body[4], "{\\cf2\\b Kurz} \\par");
    EXPECT_EQ(body[16], "{\\cf2 Mittel} \\par");
}

TEST_F(SummaryViewTest, ShortDescriptionsAreNotLongOnes) {
    const Lines body =
        SummaryBody("<Char_Desc_80>eighty</Char_Desc_80><Char_Desc_45>fortyfive</Char_Desc_45>");
    EXPECT_EQ(body[4], "{\\cf2\\b fortyfive} \\par");
    EXPECT_EQ(body[16], "{\\cf2 } \\par");
}

TEST_F(SummaryViewTest, CategoriesAlwaysJoinWithADash) {
    const Lines body = SummaryBody("<Program_Categories>Utilities</Program_Categories>");
    EXPECT_EQ(body[13], "\\cf1 Categories: {\\cf2\\b  - Utilities} \\par");
}

}  // namespace
}  // namespace quillot
