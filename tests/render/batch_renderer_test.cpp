#include "render/batch_renderer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <map>
#include <sstream>

#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "render/fields_json.h"
#include "render/render_platform.h"
#include "report/rtf_text.h"
#include "tests/support/reader_fixture.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

const char* const kReports[] = {AllFieldsReportName, StandardReportName, SummaryReportName};

class BatchRendererTest : public ::testing::Test {
  protected:
    int Render(std::vector<std::string> files, RenderOptions options = {}) {
        options.outDir = out_.Path();
        options.files = std::move(files);
        out_text_.str("");
        err_text_.str("");
        return RenderFiles(options, out_text_, err_text_);
    }

    test::TempFolder in_;
    test::TempFolder out_;
    std::ostringstream out_text_;
    std::ostringstream err_text_;
};

TEST_F(BatchRendererTest, OneFileMatchesTheWritersByteForByte) {
    const std::string file = test::CorpusPath("Granjow_wiki2xhtml_pad.xml");
    ASSERT_EQ(Render({file}), 0) << err_text_.str();

    // The same rendering done directly, as the viewer does it.
    test::TempFolder direct;
    InitPadReader(ReaderSetup{});
    EnglishOnly = false;
    ASSERT_TRUE(ReadSourceLines(file));
    ExtractPadFields();
    ReportSettings settings;
    settings.folder = direct.PathWithSeparator();
    settings.fontTableEntry = FontTableEntry(FontMetrics::Answered(ArialPitchAndFamily), "Arial");
    settings.currentFilePath = ViewerPath(file);
    WriteAllReports(settings);
    for (const char* report : kReports) {
        EXPECT_EQ(test::ReadWholeFile(out_.File(report)), test::ReadWholeFile(direct.File(report)))
            << report;
    }
    EXPECT_EQ(err_text_.str(), "");
}

TEST_F(BatchRendererTest, SeveralFilesGetAFolderEachAndRepeatedNamesASuffix) {
    test::TempFolder other;
    const std::string a = in_.Write("app.xml", "<Program_Name>A</Program_Name>");
    const std::string b = other.Write("app.xml", "<Program_Name>B</Program_Name>");
    const std::string c = in_.Write("c.pad", "<Program_Name>C</Program_Name>");
    ASSERT_EQ(Render({a, b, c}), 0) << err_text_.str();
    for (const char* folder : {"app.xml", "app.xml-2", "c.pad"}) {
        for (const char* report : kReports) {
            EXPECT_TRUE(test::FileExistsForTest(out_.File(test::JoinPath(folder, report))))
                << folder << " " << report;
        }
    }
    const std::string second =
        test::ReadWholeFile(out_.File(test::JoinPath("app.xml-2", StandardReportName)));
    EXPECT_NE(second.find("{\\cf2\\b B}"), std::string::npos);
}

// No file's reports may land outside the output folder or in another file's
// folder: not through "", "." or "..", nor through names that the file system
// takes for the same folder (letter case beyond ASCII; names are UTF-8;
// trailing dots and blanks on Windows).
TEST_F(BatchRendererTest, EveryFileGetsANewFolderInsideTheOutputFolder) {
    test::TempFolder other;
    const std::vector<std::string> files = {
        in_.File(".."),      in_.File("."),     in_.PathWithSeparator(), in_.File("a.xml"),
        other.File("A.XML"), in_.File("É.xml"), other.File("é.xml"),     in_.File("b"),
        other.File("b."),    in_.File("b "),    in_.File("..."),         other.File("_"),
    };
    RenderOptions options;
    options.outDir = out_.File("out");
    options.files = files;
    EXPECT_EQ(RenderFiles(options, out_text_, err_text_), 1);  // none of them exists

    size_t folders = 0;
    for (const auto& entry : std::filesystem::directory_iterator(options.outDir)) {
        ASSERT_TRUE(entry.is_directory());
        ++folders;
        for (const char* report : kReports)
            EXPECT_TRUE(std::filesystem::exists(entry.path() / report)) << report;
    }
    EXPECT_EQ(folders, files.size()) << err_text_.str();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out_.Path()), {}), 1);
}

TEST_F(BatchRendererTest, MissingFileRendersEmptyAndFails) {
    const std::string good = in_.Write("good.xml", "<Program_Name>G</Program_Name>");
    const std::string missing = in_.File("missing.xml");
    EXPECT_EQ(Render({good, missing}), 1);
    EXPECT_NE(err_text_.str().find(missing), std::string::npos);
    const std::string summary =
        test::ReadWholeFile(out_.File(test::JoinPath("missing.xml", SummaryReportName)));
    EXPECT_NE(summary.find("AppXML: {\\cf2 missing.xml}"), std::string::npos);
}

TEST_F(BatchRendererTest, OptionsReachTheReports) {
    const std::string file = in_.Write("x.xml", "<Program_Name>X</Program_Name>");
    RenderOptions options;
    options.labelColor = 0x0000FF;
    options.contentColor = 0x00FF00;
    options.fontFace = "Courier New";
    options.pitchAndFamily = 0x31;
    options.printFields = true;
    ASSERT_EQ(Render({file}, options), 0);
    const auto lines = test::SplitCrLfLines(test::ReadWholeFile(out_.File(StandardReportName)));
    EXPECT_EQ(lines[1], "{\\fonttbl{\\f0\\fmodern 49:Courier New;}}");
    EXPECT_EQ(lines[2],
              "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}");
    EXPECT_NE(out_text_.str().find("\"tag\":\"Program_Name\",\"number\":24"), std::string::npos);
}

TEST_F(BatchRendererTest, ReportFailureIsReported) {
    const std::string file = in_.Write("x.xml", "<Program_Name>X</Program_Name>");
    test::TempFolder blocked;
    // A folder where the first report should go makes that report fail.
    ASSERT_TRUE(std::filesystem::create_directory(blocked.File(AllFieldsReportName)));
    RenderOptions options;
    options.outDir = blocked.Path();
    options.files = {file};
    EXPECT_EQ(RenderFiles(options, out_text_, err_text_), 1);
    EXPECT_NE(err_text_.str().find("File access denied"), std::string::npos) << err_text_.str();
}

// Every file under the folder, by its path inside it, with its bytes.
std::map<std::string, std::string> FolderContent(const std::string& folder) {
    std::map<std::string, std::string> content;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = std::filesystem::relative(entry.path(), folder).string();
        content[relative] =
            entry.is_directory() ? "<folder>" : test::ReadWholeFile(entry.path().string());
    }
    return content;
}

// Files rendered at the same time write the same folders, reports, fields,
// check lines and messages, in the same order, as one after the other: with repeated
// names, a missing file and a file whose fields fill more than a file may
// hold back while an earlier one is still being rendered.
TEST_F(BatchRendererTest, EveryNumberOfJobsGivesTheSameOutput) {
    std::vector<std::string> files = test::CorpusFiles();
    files.resize(12);
    files.push_back(files[3]);
    files.push_back(in_.File("missing.xml"));
    std::string large = "<Program_Descriptions><English><Keywords>";
    for (int i = 0; i < 30000; ++i)
        large += "word\twith \"quotes\" and caf\xE9 to escape, line " + std::to_string(i) + "\n";
    large += "</Keywords>";
    files.insert(files.begin() + 1, in_.Write("large.xml", large));
    files.push_back(files[1]);

    std::string firstOut;
    std::string firstErr;
    std::map<std::string, std::string> firstReports;
    for (const int jobs : {1, 2, 3, 8}) {
        test::TempFolder out;
        RenderOptions options;
        options.outDir = out.Path();
        options.files = files;
        options.printFields = true;
        options.check = true;
        options.jobs = jobs;
        out_text_.str("");
        err_text_.str("");
        EXPECT_EQ(RenderFiles(options, out_text_, err_text_), 1) << jobs;
        const std::map<std::string, std::string> reports = FolderContent(out.Path());
        if (jobs == 1) {
            firstOut = out_text_.str();
            firstErr = err_text_.str();
            firstReports = reports;
            EXPECT_GT(firstOut.size(), 2u << 20);
            EXPECT_EQ(reports.size(), 5 * files.size());  // a folder and four reports each
            continue;
        }
        EXPECT_TRUE(out_text_.str() == firstOut) << jobs;
        EXPECT_EQ(err_text_.str(), firstErr) << jobs;
        EXPECT_TRUE(reports == firstReports) << jobs;
    }
}

// --fields without --out prints the fields and writes nothing.
TEST_F(BatchRendererTest, FieldsAloneWriteNoReports) {
    const std::string file = in_.Write("x.xml", "<Program_Name>X</Program_Name>");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(out_.Path());
    RenderOptions options;
    options.files = {file, file};
    options.printFields = true;
    const int status = RenderFiles(options, out_text_, err_text_);
    std::filesystem::current_path(before);
    EXPECT_EQ(status, 0) << err_text_.str();
    EXPECT_TRUE(std::filesystem::is_empty(out_.Path()));
    EXPECT_NE(out_text_.str().find("\"value\":\"X\""), std::string::npos);
}

// --check prints a line for every file, writes no reports without --out,
// and its exit status says whether a file could not be read (1) or had
// problems (3).
TEST_F(BatchRendererTest, CheckPrintsALinePerFileAndItsStatusSaysWhatItFound) {
    std::string fields = test::RequiredPadFields("3.11");
    const std::string good = in_.Write("good.xml", fields);
    fields.erase(fields.find("<Country>"),
                 fields.find("</Country>\n") + 11 - fields.find("<Country>"));
    const std::string faulty = in_.Write(
        "faulty.xml", "<Program_Release_Month>13</Program_Release_Month>" + fields +
                          "<Program_Categories>Utilities</Program_Categories><Program_Descriptions>"
                          "<Fran\xC3\xA7"
                          "ais><Keywords>a\t\"b\"</Keywords></Fran\xC3\xA7"
                          "ais>");
    const std::string single = in_.Write("single.xml",
                                         "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
                                         "<Program_Name>caf\xE9\tx</Program_Name>");
    const std::string missing = in_.File("missing.xml");
    const std::string goodLine =
        "{\"file\":" + JsonString(good) + R"(,"version":"3.11","encoding":"UTF-8","problems":[]})";
    const std::string faultyLine =
        "{\"file\":" + JsonString(faulty) +
        R"(,"version":"3.11","encoding":"UTF-8","problems":[)"
        R"({"tag":"Program_Release_Month","section":"","value":"13","problem":"invalid",)"
        R"("expected":"2 digits 01-12"},)"
        R"({"tag":"Program_Categories","section":"","value":"Utilities","problem":"removed",)"
        R"("expected":""},)"
        "{\"tag\":\"Keywords\",\"section\":\"Fran\xC3\xA7"
        "ais\",\"value\":\"a\\t\\\"b\\\"\","
        R"("problem":"invalid","expected":"Text string 0-250 characters"},)"
        R"({"tag":"Country","section":"","value":"","problem":"missing",)"
        R"("expected":"Text string 2-40 alphabetic"}]})";
    const struct {
        std::vector<std::string> files;
        int status;
        std::string lines;
    } rows[] = {
        {{good}, 0, goodLine + "\n"},
        {{good, faulty}, 3, goodLine + "\n" + faultyLine + "\n"},
        {{missing, good},
         1,
         "{\"file\":" + JsonString(missing) + ",\"error\":\"cannot read\"}\n" + goodLine + "\n"},
    };
    for (const auto& row : rows) {
        RenderOptions options;
        options.check = true;
        options.files = row.files;
        options.jobs = 2;
        out_text_.str("");
        EXPECT_EQ(RenderFiles(options, out_text_, err_text_), row.status) << row.lines;
        EXPECT_EQ(out_text_.str(), row.lines);
    }
    EXPECT_TRUE(std::filesystem::is_empty(out_.Path()));

    RenderOptions options;
    options.check = true;
    options.files = {single};
    options.outDir = out_.Path();
    EXPECT_EQ(RenderFiles(options, out_text_, err_text_), 3);
    EXPECT_NE(out_text_.str().find(
                  "\"encoding\":\"Windows-1252\",\"problems\":[{\"tag\":\"Program_Name\","
                  "\"section\":\"\",\"value\":\"caf\xC3\xA9\\tx\",\"problem\":\"invalid\","
                  "\"expected\":\"Text string 1-40 characters\"},{\"tag\":\"MASTER_PAD_VERSION\","
                  "\"section\":\"\",\"value\":\"\",\"problem\":\"missing\""),
              std::string::npos)
        << out_text_.str();
    for (const char* report : kReports)
        EXPECT_TRUE(test::FileExistsForTest(out_.File(report))) << report;
    EXPECT_NE(
        test::ReadWholeFile(out_.File(CheckReportName)).find("Program_Name: {\\cf2\\b caf\xE9"),
        std::string::npos);
}

}  // namespace
}  // namespace quillot
