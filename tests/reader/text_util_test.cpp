#include "reader/text_util.h"

#include <gtest/gtest.h>

namespace quillot {
namespace {

TEST(TextUtil, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(Trim(std::string("\0\t \r\n x y \x1F\x20", 11)), "x y");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");  // no-break space is text
    EXPECT_EQ(Trim(" \t "), "");
}

TEST(TextUtil, FindCharFromCountsFromOne) {
    const struct {
        int32_t start;
        char c;
        const char* text;
        int32_t expected;
    } rows[] = {
        {1, 'a', "abca", 1}, {2, 'a', "abca", 4}, {5, 'a', "abca", 0},  {4, 'a', "abca", 4},
        {1, 'z', "abca", 0}, {1, 'a', "", 0},     {99, 'a', "abca", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FindCharFrom(row.start, row.c, row.text), row.expected)
            << row.text << " from " << row.start;
    }
}

TEST(TextUtil, WithTrailingBackslash) {
    EXPECT_EQ(WithTrailingBackslash(""), "");
    EXPECT_EQ(WithTrailingBackslash("C:\\Temp\\"), "C:\\Temp\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\Temp"), "C:\\Temp\\");
}

TEST(TextUtil, FolderAndFileNameSplitAtLastBackslashOrColon) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } rows[] = {
        {"C:\\dir\\app.xml", "C:\\dir\\", "app.xml"},
        {"C:app.xml", "C:", "app.xml"},
        {"app.xml", "", "app.xml"},
        {"", "", ""},
        {"\\\\server\\share\\", "\\\\server\\share\\", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FolderPart(row.path), row.folder) << row.path;
        EXPECT_EQ(FileNamePart(row.path), row.name) << row.path;
    }
}

TEST(TextUtil, CaseFoldingTouchesAsciiLettersOnly) {
    EXPECT_TRUE(EqualsIgnoreAsciiCase("Program_Name", "PROGRAM_name"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("\xE9", "\xC9"));  // é and É differ
    EXPECT_FALSE(EqualsIgnoreAsciiCase("abc", "abcd"));
    EXPECT_EQ(AsciiUpper("xml\xE9"), "XML\xE9");
    EXPECT_EQ(AsciiLower("PAD"), "pad");
}

}  // namespace
}  // namespace quillot
