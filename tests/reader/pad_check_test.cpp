#include "reader/pad_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/pad_document.h"
#include "reader/pad_rule_match.h"
#include "reader/pad_rules.h"
#include "reader/vocabulary.h"
#include "tests/support/reader_fixture.h"

namespace quillot {
namespace {

class PadCheckTest : public test::ReaderTest {};

// The problems as "kind tag (section) value", for comparisons.
std::vector<std::string> Shown(const PadCheck& check) {
    std::vector<std::string> shown;
    for (const PadProblem& problem : check.problems) {
        const char* kind = problem.kind == PadProblemKind::Invalid   ? "invalid "
                           : problem.kind == PadProblemKind::Missing ? "missing "
                                                                     : "removed ";
        std::string line = kind + PadTagTable[static_cast<size_t>(problem.field.TagNumber)];
        if (!problem.field.Section.empty()) line += " (" + std::string(problem.field.Section) + ")";
        if (!problem.field.Value.empty()) line += " " + std::string(problem.field.Value);
        shown.push_back(line);
    }
    return shown;
}

// The 34 elements whose rule rejects the empty text (the same in both
// versions), in the order of PadTagTable.
const std::vector<std::string> kRequired = {"MASTER_PAD_VERSION",
                                            "Company_Name",
                                            "City_Town",
                                            "Country",
                                            "Company_WebSite_URL",
                                            "Author_First_Name",
                                            "Author_Last_Name",
                                            "Author_Email",
                                            "Contact_First_Name",
                                            "Contact_Last_Name",
                                            "Contact_Email",
                                            "Sales_Email",
                                            "Support_Email",
                                            "General_Email",
                                            "Program_Name",
                                            "Program_Version",
                                            "Program_Release_Month",
                                            "Program_Release_Day",
                                            "Program_Release_Year",
                                            "Program_Type",
                                            "Program_Release_Status",
                                            "Program_Install_Support",
                                            "Program_OS_Support",
                                            "Program_Language",
                                            "Program_Category_Class",
                                            "File_Size_Bytes",
                                            "File_Size_K",
                                            "File_Size_MB",
                                            "Has_Expire_Info",
                                            "Application_Info_URL",
                                            "Application_Screenshot_URL",
                                            "Application_Icon_URL",
                                            "Application_XML_File_URL",
                                            "Primary_Download_URL"};

TEST_F(PadCheckTest, RuleTableFollowsTheVocabulary) {
    ASSERT_EQ(PadTagTable.size(), static_cast<size_t>(PadRuleElementCount));
    std::vector<std::string> required[2];
    for (int32_t tag = 0; tag < PadRuleElementCount; ++tag) {
        EXPECT_EQ(PadRuleElementName(tag), PadTagTable[static_cast<size_t>(tag)]);
        const bool removed = IsRemovedPadElement(tag);
        for (const PadVersion version : {PadVersion::Pad311, PadVersion::Pad40}) {
            const PadRule* rule = PadElementRule(version, tag);
            EXPECT_EQ(rule == nullptr, removed) << tag;
            if (rule == nullptr) continue;
            // Token lists are matched with a ring of 64 positions.
            for (std::string_view word : rule->words)
                EXPECT_LT(word.size(), 64u);
            if (!PadRuleAccepts(*rule, "", TextEncoding::Utf8)) {
                required[version == PadVersion::Pad40].push_back(PadTagTable[size_t(tag)]);
            }
        }
    }
    EXPECT_EQ(required[0], kRequired);
    EXPECT_EQ(required[1], kRequired);
}

TEST_F(PadCheckTest, DocumentWithoutKnownElementsMissesTheRequiredOnes) {
    test::LoadDocumentText("<XML_DIZ_INFO><Unknown>x</Unknown></XML_DIZ_INFO>");
    const PadCheck check = CheckPadDocument();
    EXPECT_EQ(check.version, PadVersion::Pad311);
    std::vector<std::string> expected;
    for (const std::string& tag : kRequired)
        expected.push_back("missing " + tag);
    EXPECT_EQ(Shown(check), expected);
    EXPECT_EQ(check.ProblemCount(), 34u);
}

TEST_F(PadCheckTest, VersionChoosesTheRules) {
    const struct {
        const char* version;
        PadVersion rules;
        size_t problems;  // the https screenshot is fine in PAD 4.0 only
    } rows[] = {
        {"4.0", PadVersion::Pad40, 0},   {"4.01", PadVersion::Pad40, 0},
        {"3.11", PadVersion::Pad311, 1}, {"40", PadVersion::Pad311, 2},
        {"2.01", PadVersion::Pad311, 1}, {"v4.0", PadVersion::Pad311, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.version);
        std::string text = test::RequiredPadFields(row.version);
        text.replace(text.find("http://quillot.invalid/shot.png"), 4, "https");
        test::LoadDocumentText(text);
        const PadCheck check = CheckPadDocument();
        EXPECT_EQ(check.version, row.rules);
        EXPECT_EQ(check.ProblemCount(), row.problems) << testing::PrintToString(Shown(check));
    }
}

TEST_F(PadCheckTest, InvalidAndRemovedInRecordOrderThenMissingInTableOrder) {
    std::string text = test::RequiredPadFields("3.11");
    for (const char* tag : {"Country", "Program_Name", "Author_Email"}) {
        const size_t at = text.find(std::string("<") + tag + ">");
        text.erase(at, text.find('\n', at) + 1 - at);
    }
    text =
        "<Program_Release_Month>13</Program_Release_Month>"
        "<Program_Categories>Utilities</Program_Categories>" +
        text + "<Program_Descriptions><German><Char_Desc_45>" + std::string(46, 'x') +
        "</Char_Desc_45></German></Program_Descriptions>"
        "<Includes_DirectX>Y</Includes_DirectX>";
    test::LoadDocumentText(text);
    const PadCheck check = CheckPadDocument();
    EXPECT_EQ(Shown(check), (std::vector<std::string>{
                                "invalid Program_Release_Month 13",
                                "removed Program_Categories Utilities",
                                "invalid Char_Desc_45 (German) " + std::string(46, 'x'),
                                "removed Includes_DirectX Y",
                                "missing Country",
                                "missing Author_Email",
                                "missing Program_Name",
                            }));
    EXPECT_EQ(check.ProblemCount(), 5u);
}

// Keywords outside the language sections follow Press_Release/Keywords in
// PAD 4.0, which forbids line breaks; inside a section, and in PAD 3.11,
// they may have several lines.
TEST_F(PadCheckTest, KeywordsOutsideTheSectionsAreThePressReleaseOnesInPad40) {
    const std::string keywords = "<Keywords>one\ntwo</Keywords>";
    const struct {
        const char* version;
        bool inSection;
        size_t problems;
    } rows[] = {{"4.0", false, 1}, {"4.0", true, 0}, {"3.11", false, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.version) + (row.inSection ? " in a section" : ""));
        test::LoadDocumentText(test::RequiredPadFields(row.version) +
                               (row.inSection ? "<Program_Descriptions><English>" + keywords +
                                                    "</English></Program_Descriptions>"
                                              : keywords));
        const PadCheck check = CheckPadDocument();
        ASSERT_EQ(check.problems.size(), row.problems);
        if (row.problems > 0) {
            EXPECT_EQ(check.problems[0].rule, &PressReleaseKeywordsRule());
        }
    }
}

// The same bytes are 21 characters "é" in a UTF-8 document and 42 in a
// Windows-1252 one, where 0xA9 ("©") is outside the class of City_Town.
TEST_F(PadCheckTest, CharactersAreThoseOfTheDocumentsEncoding) {
    std::string city;
    for (int i = 0; i < 21; ++i)
        city += "\xC3\xA9";
    const std::string fields = test::RequiredPadFields("3.11");
    const std::string text = fields.substr(0, fields.find("<City_Town>")) + "<City_Town>" + city +
                             fields.substr(fields.find("</City_Town>"));
    test::LoadDocumentText(text);
    EXPECT_EQ(CheckPadDocument().ProblemCount(), 0u);
    test::LoadDocumentText("<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + text);
    EXPECT_EQ(Shown(CheckPadDocument()), std::vector<std::string>{"invalid City_Town " + city});
}

TEST_F(PadCheckTest, EnglishOnlyDoesNotChangeTheVersionAndStaysAsItWas) {
    test::LoadDocumentText(
        "<Program_Descriptions><German><MASTER_PAD_VERSION>4.0</MASTER_PAD_VERSION></German>"
        "</Program_Descriptions>");
    EnglishOnly = true;
    EXPECT_EQ(CheckPadDocument().version, PadVersion::Pad40);
    EXPECT_TRUE(EnglishOnly);
}

}  // namespace
}  // namespace quillot
