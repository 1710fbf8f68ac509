// Renders documents given as text into a temporary folder and reads the
// reports back as lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/report_settings.h"
#include "tests/support/reader_fixture.h"
#include "tests/support/test_files.h"

namespace quillot::test {

using Lines = std::vector<std::string>;

class ReportTest : public ReaderTest {
  protected:
    void SetUp() override;

    // Loads the document text; the document path is only used for XmlFileUrl.
    void Load(std::string_view text, const std::string& documentPath = "C:\\docs\\app.xml");

    Lines AllFields();  // writes and reads back ~PadXml.rtf
    Lines Standard();   // ~PadStd.rtf
    Lines Summary();    // ~Pad1.rtf (after the Standard view, as in a rendering)
    Lines Check();      // ~PadChk.rtf

    // The report lines after the header (3 lines for All, 4 for the others),
    // without the trailer.
    static Lines Body(const Lines& lines, size_t headerLines);

    TempFolder folder_;
    ReportSettings settings_;
};

// The font-table line that the test settings produce.
constexpr const char* kTestFontLine = "{\\fonttbl{\\f0\\fswiss 39:Arial;}}";
constexpr const char* kDefaultColorLine =
    "{\\colortbl\\red0\\green0\\blue0;\\red64\\green0\\blue0;\\red0\\green0\\blue128;}";
constexpr const char* kBlank = " \\par";

}  // namespace quillot::test
