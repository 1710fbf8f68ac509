#include "reader/vocabulary.h"

#include <gtest/gtest.h>

#include "reader/field_extractor.h"
#include "reader/pad_document.h"
#include "tests/support/reader_fixture.h"

namespace quillot {
namespace {

using test::ReaderTest;

TEST_F(ReaderTest, TagTableHoldsTheSeventySixNamesInOrder) {
    ASSERT_EQ(PadTagTable.size(), 76u);
    EXPECT_EQ(PadTagTable[0], "MASTER_PAD_VERSION");
    EXPECT_EQ(PadTagTable[24], "Program_Name");
    EXPECT_EQ(PadTagTable[59], "Keywords");
    EXPECT_EQ(PadTagTable[64], "Char_Desc_2000");
    EXPECT_EQ(PadTagTable[75], "EULA");
    EXPECT_EQ(FindPadTag("program_name"), 24);
    EXPECT_EQ(FindPadTag("Program_Descriptions"), -1);
}

TEST_F(ReaderTest, TagTableIgnoresAdditionsBeyondItsCapacity) {
    for (int i = 0; i < 2000; ++i)
        AddPadTag("Extra" + std::to_string(i));
    EXPECT_EQ(PadTagTable.size(), static_cast<size_t>(PadTagCapacity));
}

TEST_F(ReaderTest, EntityTableStoresOneHundredTenEntriesInOfferingOrder) {
    ASSERT_EQ(EntityTable.size(), 110u);
    const char* firstThirteen[] = {"Pi",   "mu",  "pi", "minus", "ang",    "sim", "cong",
                                   "quot", "amp", "lt", "gt",    "thinsp", "euro"};
    for (size_t i = 0; i < 13; ++i)
        EXPECT_EQ(EntityTable[i].Name, firstThirteen[i]) << i;
    EXPECT_EQ(EntityTable[13].Name, "nbsp");
    EXPECT_EQ(EntityTable[13].Character, '\xA0');
    EXPECT_EQ(EntityTable[108].Name, "yuml");
    EXPECT_EQ(EntityTable[108].Character, '\xFF');
    EXPECT_EQ(EntityTable[109].Name, "apos");
    EXPECT_EQ(EntityTable[109].Character, '\'');
}

TEST_F(ReaderTest, EntityCharacters) {
    const struct {
        const char* name;
        char character;
    } rows[] = {{"quot", '"'},      {"amp", '&'},     {"lt", '<'},      {"gt", '>'},
                {"apos", '\''},     {"euro", '\x80'}, {"thinsp", ' '},  {"minus", '-'},
                {"sim", '~'},       {"cong", '~'},    {"mu", '\xB5'},   {"pi", '\xB6'},
                {"Pi", '\xB6'},     {"ang", '\xBA'},  {"copy", '\xA9'}, {"szlig", '\xDF'},
                {"Agrave", '\xC0'}, {"micro", '\xB5'}};
    for (const auto& row : rows) {
        const EntityEntry* entry = FindEntity(row.name);
        ASSERT_NE(entry, nullptr) << row.name;
        EXPECT_EQ(entry->Character, row.character) << row.name;
    }
    for (const char* absent :
         {"alpha", "trade", "ndash", "ldquo", "Alpha", "fnof", "AMP", "#169"}) {
        EXPECT_EQ(FindEntity(absent), nullptr) << absent;
    }
}

TEST_F(ReaderTest, LookupsFindTheFirstEqualEntryAmongLaterAdditions) {
    const size_t first = PadTagTable.size();
    AddPadTag("Extra_Tag");
    AddPadTag("EXTRA_TAG");  // equal ignoring case: the first one wins
    AddPadTag("keywords");   // "Keywords" stands earlier in the table
    EXPECT_EQ(FindPadTag("extra_tag"), static_cast<int32_t>(first));
    EXPECT_EQ(FindPadTag("KEYWORDS"), 59);
    AddEntity("probe", 'p');
    AddEntity("probe", 'q');
    AddEntity("Probe", 'r');  // entity names compare exactly
    ASSERT_NE(FindEntity("probe"), nullptr);
    EXPECT_EQ(FindEntity("probe")->Character, 'p');
    EXPECT_EQ(FindEntity("Probe")->Character, 'r');
    EXPECT_EQ(FindEntity("PROBE"), nullptr);
}

TEST_F(ReaderTest, LookupsFollowTablesChangedDirectly) {
    PadTagTable.push_back("Pushed_Tag");
    EXPECT_EQ(FindPadTag("pushed_tag"), static_cast<int32_t>(PadTagTable.size() - 1));
    EntityTable.push_back(EntityEntry{"pushed", 'x'});
    ASSERT_NE(FindEntity("pushed"), nullptr);
    EXPECT_EQ(FindEntity("pushed")->Character, 'x');
    PadTagTable.pop_back();
    EXPECT_EQ(FindPadTag("Pushed_Tag"), -1);
    EXPECT_EQ(FindPadTag("EULA"), 75);
}

TEST_F(ReaderTest, AddEntityRefusesTheQuestionMark) {
    AddEntity("probe", '?');
    EXPECT_EQ(EntityTable.size(), 110u);
    EXPECT_EQ(DecodeEntities("&alpha; &trade; &mu; &pi;"), "&alpha; &trade; \xB5 \xB6");
}

TEST(ReaderSetupTest, TempFolderFollowsDevMode) {
    ReaderSetup setup;
    setup.programPath = "C:\\Tools\\Viewer.exe";
    setup.systemTempPath = "C:\\Users\\me\\Temp";
    setup.devMode = true;
    InitPadReader(setup);
    EXPECT_EQ(TempFolder, "C:\\Tools\\");
    setup.devMode = false;
    InitPadReader(setup);
    EXPECT_EQ(TempFolder, "C:\\Users\\me\\Temp\\");
    setup.systemTempPath = std::string("C:\\T\\\0junk", 10);
    InitPadReader(setup);
    EXPECT_EQ(TempFolder, "C:\\T\\");
    EXPECT_EQ(PadTagTable.size(), 76u);  // a second set-up starts the tables afresh
    EXPECT_EQ(EntityTable.size(), 110u);
}

}  // namespace
}  // namespace quillot
