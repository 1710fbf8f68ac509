#include "report/check_view.h"

#include <gtest/gtest.h>

#include <string>

#include "reader/pad_document.h"
#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::kBlank;
using test::Lines;

class CheckViewTest : public test::ReportTest {
  protected:
    // The required fields of `version` without the element `left out`, and `more`.
    void LoadWith(const std::string& version, const std::string& more,
                  const std::string& leftOut = "") {
        std::string text = test::RequiredPadFields(version);
        if (!leftOut.empty()) {
            const size_t at = text.find("<" + leftOut + ">");
            text.erase(at, text.find('\n', at) + 1 - at);
        }
        Load(text + more);
    }
};

TEST_F(CheckViewTest, ListsInvalidThenMissingThenRemoved) {
    std::string longValue;
    for (int i = 0; i < 100; ++i)
        longValue += "\xC3\xA9";  // 100 characters, 200 bytes
    LoadWith("3.11",
             "<Program_Release_Month>13</Program_Release_Month>"
             "<Program_Categories>Utilities</Program_Categories>"
             "<Program_Descriptions><Deutsch{}><Char_Desc_45>" +
                 longValue + "</Char_Desc_45></Deutsch{}></Program_Descriptions>",
             "Country");
    std::string shown;
    for (int i = 0; i < 80; ++i)
        shown += "\\u233?";
    const Lines lines = Check();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "{\\rtf1\\ansi\\deff0\\deflang1031");
    EXPECT_EQ(lines[1], test::kTestFontLine);
    EXPECT_EQ(lines[2], test::kDefaultColorLine);
    EXPECT_EQ(lines[3], "\\plain \\nowidctlpar\\tx3500\\tx5700\\tx6900 \\f0\\fs16");
    EXPECT_EQ(Body(lines, 4),
              (Lines{
                  "\\cf1 PAD 3.11 check: {\\cf2\\b 3 problems} \\par",
                  kBlank,
                  "\\cf1 Program_Release_Month: {\\cf2\\b 13},   \\cf1 Expected: "
                  "{\\cf2 2 digits 01-12} \\par",
                  "\\cf1 Char_Desc_45 (Deutsch\\{\\}): {\\cf2\\b " + shown +
                      "...},   \\cf1 Expected: {\\cf2 Single line (no breaks, no HTML) text "
                      "string 0-45 characters} \\par",
                  kBlank,
                  "{\\cf1\\b Missing: } \\par",
                  "\\cf1 Country: {\\cf2 Text string 2-40 alphabetic} \\par",
                  kBlank,
                  "{\\cf1\\b No longer in the PAD format: } \\par",
                  "\\cf1 Program_Categories: {\\cf2\\b Utilities} \\par",
                  kBlank,
              }));
    EXPECT_EQ(lines.back(), "}");
}

TEST_F(CheckViewTest, FirstLineCountsAndEmptyGroupsAreLeftOut) {
    const struct {
        const char* version;
        std::string more;
        std::string leftOut;
        Lines body;
    } rows[] = {
        {"4.0", "", "", {"\\cf1 PAD 4.0 check: {\\cf2\\b no problems} \\par", kBlank}},
        {"3.11",
         "",
         "Program_Name",
         {"\\cf1 PAD 3.11 check: {\\cf2\\b 1 problem} \\par", kBlank, "{\\cf1\\b Missing: } \\par",
          "\\cf1 Program_Name: {\\cf2 Text string 1-40 characters} \\par", kBlank}},
        {"3.11",
         "<Filename_Long>" + std::string(81, 'f') + "</Filename_Long>",
         "",
         {"\\cf1 PAD 3.11 check: {\\cf2\\b no problems} \\par", kBlank,
          "{\\cf1\\b No longer in the PAD format: } \\par",
          "\\cf1 Filename_Long: {\\cf2\\b " + std::string(80, 'f') + "...} \\par", kBlank}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.version + row.leftOut);
        LoadWith(row.version, row.more, row.leftOut);
        EXPECT_EQ(Body(Check(), 4), row.body);
    }
}

// The Check report comes fourth and only when asked for; the other three
// stay byte for byte as they are.
TEST_F(CheckViewTest, AllReportsWriteItOnlyWhenAsked) {
    LoadWith("3.11", "<Program_Release_Day>32</Program_Release_Day>");
    ReportTexts without;
    ReportTexts with;
    settings_.memory = &without;
    WriteAllReports(settings_);
    settings_.memory = &with;
    settings_.checkReport = true;
    WriteAllReports(settings_);
    ASSERT_EQ(without.size(), 3u);
    ASSERT_EQ(with.size(), 4u);
    for (const auto& [name, text] : without)
        EXPECT_TRUE(with[name] == text) << name;
    EXPECT_NE(with[CheckReportName].find("Program_Release_Day: {\\cf2\\b 32}"), std::string::npos);
}

}  // namespace
}  // namespace quillot
