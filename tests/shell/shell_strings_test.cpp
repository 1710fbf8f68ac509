#include "shell/shell_strings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quillot {
namespace {

TEST(ShellStrings, CopyBoundedCutsAndAlwaysTerminates) {
    const struct {
        const char* text;
        size_t maxChars;
        const char* expected;
    } rows[] = {
        {"report.pad", 255, "report.pad"},
        {"report.pad", 6, "report"},
        {"report.pad", 0, ""},
        {"", 5, ""},
        {"abc", 3, "abc"},
    };
    for (const auto& row : rows) {
        char buffer[16];
        std::memset(buffer, 'x', sizeof buffer);
        CopyBounded(buffer, row.text, row.maxChars);
        EXPECT_STREQ(buffer, row.expected) << row.text << " / " << row.maxChars;
        EXPECT_EQ(buffer[std::strlen(row.expected) + 1], 'x') << "wrote past the terminator";
    }
}

TEST(ShellStrings, FileExtensionStartsAtTheLastDotOfTheNamePart) {
    const struct {
        const char* name;
        const char* expected;
    } rows[] = {
        {"C:\\docs\\report.pad", ".pad"},
        {"C:\\docs\\REPORT.PAD", ".PAD"},
        {"archive.tar.gz", ".gz"},
        {"C:\\folder.d\\noext", ""},
        {"C:noext", ""},
        {"C:x.y", ".y"},
        {"name.", "."},
        {".hidden", ".hidden"},
        {"C:\\docs\\", ""},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FileExtension(row.name), row.expected) << row.name;
    }
}

TEST(ShellStrings, FindTextFromCountsFromOne) {
    const std::string filter = "XML (*.xml)|*.xml|PAD (*.pad)|*.pad";
    const struct {
        const char* part;
        const char* text;
        int32_t start;
        int32_t expected;
    } rows[] = {
        {"(*.", filter.c_str(), 1, 5},
        {"(*.", filter.c_str(), 5, 5},
        {"(*.", filter.c_str(), 8, 23},
        {"(*.", filter.c_str(), 26, 0},
        {"abc", "abc", 1, 1},
        {"abc", "abc", 2, 0},
        {"abc", "ab", 1, 0},
        {"x", "abc", 1, 0},
        {"", "abc", 1, 0},
        {"a", "abc", 0, 1},
        {"c", "abc", 99, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FindTextFrom(row.part, row.text, row.start), row.expected)
            << row.part << " in " << row.text << " from " << row.start;
    }
}

}  // namespace
}  // namespace quillot
