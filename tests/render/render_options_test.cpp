#include "render/render_options.h"

#include <gtest/gtest.h>

namespace quillot {
namespace {

ParsedCommandLine Parse(std::vector<std::string> args) {
    return ParseRenderCommandLine(args);
}

TEST(RenderOptions, Defaults) {
    const ParsedCommandLine parsed = Parse({"a.xml"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.outDir, "");  // the current folder, or none with --fields
    EXPECT_EQ(parsed.options.jobs, 0);     // one per processor
    EXPECT_EQ(parsed.options.labelColor, 64);
    EXPECT_EQ(parsed.options.contentColor, 8388608);
    EXPECT_EQ(parsed.options.fontFace, "Arial");
    EXPECT_FALSE(parsed.options.pitchAndFamily.has_value());
    EXPECT_FALSE(parsed.options.printFields);
    EXPECT_FALSE(parsed.options.check);
    EXPECT_EQ(parsed.options.files, (std::vector<std::string>{"a.xml"}));
}

TEST(RenderOptions, EveryOption) {
    const ParsedCommandLine parsed =
        Parse({"--out", "o", "--label-color", "0xFF", "--content-color", "-1", "--font",
               "Times New Roman", "--pitch-family", "18", "--fields", "--check", "--jobs", "3",
               "a.xml", "--", "--b.xml"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.outDir, "o");
    EXPECT_EQ(parsed.options.labelColor, 255);
    EXPECT_EQ(parsed.options.contentColor, -1);
    EXPECT_EQ(parsed.options.fontFace, "Times New Roman");
    EXPECT_EQ(parsed.options.pitchAndFamily, 18);
    EXPECT_TRUE(parsed.options.printFields);
    EXPECT_TRUE(parsed.options.check);
    EXPECT_EQ(parsed.options.jobs, 3);
    EXPECT_EQ(parsed.options.files, (std::vector<std::string>{"a.xml", "--b.xml"}));
    EXPECT_EQ(Parse({"--content-color", "4294967295", "x"}).options.contentColor, -1);
}

TEST(RenderOptions, UsageErrors) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"--out"},
                                               {"--bogus", "a.xml"},
                                               {"--pitch-family", "256", "a.xml"},
                                               {"--pitch-family", "x", "a.xml"},
                                               {"--label-color", "12abc", "a.xml"},
                                               {"--label-color", "4294967296", "a.xml"},
                                               {"--out", "", "a.xml"},
                                               {"--jobs", "0", "a.xml"},
                                               {"--jobs", "257", "a.xml"},
                                               {"--jobs", "two", "a.xml"},
                                               {"--fields"}}) {
        EXPECT_NE(Parse(args).error, "") << (args.empty() ? "(none)" : args[0]);
    }
    EXPECT_EQ(Parse({"--help"}).error, "");
    EXPECT_EQ(Parse({"--jobs", "256", "a.xml"}).options.jobs, 256);
    EXPECT_EQ(Parse({"--pitch-family", "255", "a.xml"}).options.pitchAndFamily, 255);
    EXPECT_TRUE(Parse({"--help"}).options.help);
}

// Reports go to --out, else to the current folder; --fields or --check alone
// write none.
TEST(RenderOptions, WhereReportsGo) {
    const struct {
        std::vector<std::string> args;
        bool writesReports;
        const char* folder;
    } rows[] = {
        {{"a.xml"}, true, "."},
        {{"--out", "o", "a.xml"}, true, "o"},
        {{"--fields", "a.xml"}, false, "."},
        {{"--fields", "--out", "o", "a.xml"}, true, "o"},
        {{"--check", "a.xml"}, false, "."},
        {{"--check", "--out", "o", "a.xml"}, true, "o"},
    };
    for (const auto& row : rows) {
        const RenderOptions options = Parse(row.args).options;
        EXPECT_EQ(WritesReports(options), row.writesReports) << row.args[0];
        EXPECT_EQ(ReportFolder(options), row.folder) << row.args[0];
    }
}

}  // namespace
}  // namespace quillot
