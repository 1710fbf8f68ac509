#include "app/command_line.h"

#include <gtest/gtest.h>

#include "settings/program_location.h"

namespace quillot {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, SplitsAtBlanksOutsideQuotes) {
    const struct {
        const char* line;
        Words words;
    } rows[] = {
        {"Quillot.exe", {"Quillot.exe"}},
        {"\"C:\\Program Files\\Quillot.exe\" a.xml", {"C:\\Program Files\\Quillot.exe", "a.xml"}},
        {"q.exe \"C:\\My Pads\\x.pad\" second", {"q.exe", "C:\\My Pads\\x.pad", "second"}},
        {"q.exe   -I\t", {"q.exe", "-I"}},
        {"q.exe C:\\a\" b\"\\c.xml", {"q.exe", "C:\\a b\\c.xml"}},
        {"q.exe \"\" x", {"q.exe", "x"}},
        {"", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SplitCommandLine(row.line), row.words) << row.line;
}

TEST(ProgramPaths, IniFileLiesBesideTheProgram) {
    EXPECT_EQ(IniPathFor("C:\\Tools\\Quillot.exe"), "C:\\Tools\\Quillot.ini");
    EXPECT_EQ(IniPathFor("C:\\Tools\\Quillot"), "C:\\Tools\\Quillot.ini");
    EXPECT_EQ(IniPathFor("C:\\v1.2\\Quillot"), "C:\\v1.2\\Quillot.ini");
    EXPECT_EQ(IniPathFor("C:\\Tools\\Quillot.test.exe"), "C:\\Tools\\Quillot.test.ini");
}

}  // namespace
}  // namespace quillot
