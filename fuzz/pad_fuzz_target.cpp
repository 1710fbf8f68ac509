// Fuzz target over the whole document road of the viewer: the bytes are cut
// into SourceLines by the real splitter (in blocks of the size the file reader
// uses, and again in blocks of a size the input chooses, which must give the
// same lines), extracted into PadFieldList, checked against the PAD format's
// rules and rendered as the four reports into memory (the bytes the report
// files would hold). The properties of document_checks.h, pad_check_checks.h
// and rtf_checks.h are checked on the way; the input's first byte also
// chooses a rule that must judge the bytes after it as std::regex does.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/byte_finder.h"
#include "fuzz/document_checks.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/pad_check_checks.h"
#include "fuzz/rtf_checks.h"
#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_check.h"
#include "reader/pad_document.h"
#include "reader/text_encoding.h"
#include "reader/vocabulary.h"
#include "report/report_settings.h"
#include "report/rtf_text.h"

namespace quillot::fuzz {
namespace {

// The reports and line snapshots of the current input; kept between inputs,
// so that their storage is reused.
ReportTexts g_reports;
LinesSnapshot g_otherLines;

void SetUp() {
    InitPadReader(ReaderSetup{});
    CheckTagNameLookups();
}

void Split(const uint8_t* data, size_t size, size_t blockSize) {
    LineSplitter splitter;
    const char* bytes = reinterpret_cast<const char*>(data);
    for (size_t at = 0; at < size; at += blockSize)
        splitter.Feed(bytes + at, std::min(blockSize, size - at));
    splitter.Finish();
}

const std::string& Report(const char* name) {
    const auto report = g_reports.find(name);
    FUZZ_CHECK(report != g_reports.end(), name);
    return report->second;
}

// Whether the bytes are valid UTF-8: runs of ASCII skipped sixteen bytes at a
// time, every other sequence as the reader's Utf8SequenceAt reads it.
bool IsValidUtf8Text(std::string_view text) {
    for (size_t i = NextByte<true>(text, 0); i < text.size(); i = NextByte<true>(text, i)) {
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceAt(text, i, codePoint);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// A few document paths, so that XmlFileUrl also rebuilds URLs from names.
const char* DocumentPath(size_t size) {
    static const char* const kPaths[] = {"C:\\pads\\app.xml", "C:\\pads\\h!example.com`pads`a.xml",
                                         "w!example.com`p.xml", ""};
    return kPaths[size % 4];
}

}  // namespace
}  // namespace quillot::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quillot::fuzz::SetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quillot;
    using namespace quillot::fuzz;

    const size_t otherBlockSize = size == 0 ? 1 : 1 + data[size / 2] % 64;
    Split(data, size, otherBlockSize);
    SnapshotSourceLines(g_otherLines);
    const TextEncoding encoding = SourceEncoding;
    Split(data, size, ReadBlockSize);
    FUZZ_CHECK(SourceEncoding == encoding, "the block size changed the encoding");
    FUZZ_CHECK(encoding == TextEncoding::Windows1252 ||
                   IsValidUtf8Text(std::string_view(reinterpret_cast<const char*>(data), size)),
               "a document that is not valid UTF-8 counts as UTF-8");
    CheckSourceLines(g_otherLines);

    ExtractPadFields();
    CheckFieldShape();
    CheckPadCheck(CheckPadDocument());
    if (size > 0) {
        CheckRuleOnValue(data[0], std::string_view(reinterpret_cast<const char*>(data) + 1,
                                                   std::min<size_t>(size - 1, 64)));
    }

    ReportSettings settings;
    settings.memory = &g_reports;
    settings.fontTableEntry = FontTableEntry(FontMetrics::Answered(ArialPitchAndFamily), "Arial");
    settings.currentFilePath = DocumentPath(size);
    settings.checkReport = true;
    EnglishOnly = false;
    WriteAllReports(settings);

    CheckReport(Report(AllFieldsReportName), ReportKind::AllFields);
    CheckReport(Report(StandardReportName), ReportKind::Paragraphs);
    CheckReport(Report(SummaryReportName), ReportKind::Paragraphs);
    CheckReport(Report(CheckReportName), ReportKind::Paragraphs);
    return 0;
}
