#include "tests/support/reader_fixture.h"

#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/vocabulary.h"

namespace quillot::test {

void ReaderTest::SetUp() {
    InitPadReader(ReaderSetup{});
    SourceLines.Clear();
    PadFieldList.Clear();
    EnglishOnly = false;
}

void LoadDocumentText(std::string_view text) {
    LineSplitter splitter;
    splitter.Feed(text.data(), text.size());
    splitter.Finish();
    ExtractPadFields();
}

std::vector<std::string> SourceLinesAsVector() {
    std::vector<std::string> lines;
    for (size_t i = 0; i < SourceLines.Count(); ++i)
        lines.emplace_back(SourceLines[i]);
    return lines;
}

std::string ShowCr(std::string_view text) {
    std::string shown;
    for (char c : text) {
        if (c == '\r') {
            shown += "\xE2\x8F\x8E";
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace quillot::test
