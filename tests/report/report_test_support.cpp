#include "tests/report/report_test_support.h"

#include "reader/pad_check.h"
#include "report/all_fields_view.h"
#include "report/check_view.h"
#include "report/rtf_text.h"
#include "report/standard_view.h"
#include "report/summary_view.h"

namespace quillot::test {

void ReportTest::SetUp() {
    ReaderTest::SetUp();
    settings_.folder = folder_.PathWithSeparator();
    settings_.fontTableEntry = FontTableEntry(FontMetrics::Answered(ArialPitchAndFamily), "Arial");
}

void ReportTest::Load(std::string_view text, const std::string& documentPath) {
    LoadDocumentText(text);
    settings_.currentFilePath = documentPath;
}

Lines ReportTest::AllFields() {
    WriteAllFieldsView(settings_);
    return SplitCrLfLines(ReadWholeFile(folder_.File(AllFieldsReportName)));
}

Lines ReportTest::Standard() {
    WriteStandardView(settings_);
    return SplitCrLfLines(ReadWholeFile(folder_.File(StandardReportName)));
}

Lines ReportTest::Summary() {
    WriteStandardView(settings_);
    WriteSummaryView(settings_);
    return SplitCrLfLines(ReadWholeFile(folder_.File(SummaryReportName)));
}

Lines ReportTest::Check() {
    WriteCheckView(settings_, CheckPadDocument());
    return SplitCrLfLines(ReadWholeFile(folder_.File(CheckReportName)));
}

Lines ReportTest::Body(const Lines& lines, size_t headerLines) {
    if (lines.size() < headerLines + 1) return {};
    return Lines(lines.begin() + static_cast<long>(headerLines), lines.end() - 1);
}

}  // namespace quillot::test
