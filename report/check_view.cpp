#include "report/check_view.h"

#include <string>

#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "report/report_file.h"
#include "report/report_paragraph.h"
#include "report/report_text.h"
#include "report/rtf_text.h"

namespace quillot {
namespace {

// Values longer than this many characters are cut, and "..." follows them.
constexpr size_t kShownCharacters = 80;

std::string ProblemCountText(size_t count) {
    if (count == 0) return "no problems";
    return std::to_string(count) + (count == 1 ? " problem" : " problems");
}

// The element's name, with its language section in parentheses when it has
// one, as a label.
ReportText RecordLabel(const PadField& field) {
    std::string label = PadTagTable[static_cast<size_t>(field.TagNumber)];
    if (!field.Section.empty()) label.append(" (").append(field.Section).append(")");
    return "\\cf1 " + ReportText::DocumentCopy(std::move(label), SourceEncoding) + ": ";
}

// The value's first 80 characters, never a part of one, and "..." when
// there is more.
ReportText ShownValue(std::string_view value) {
    size_t end = 0;
    for (size_t shown = 0; end < value.size() && shown < kShownCharacters; ++shown) {
        uint32_t codePoint = 0;
        end += DocumentCharacterAt(value, end, SourceEncoding, codePoint);
    }
    ReportText text = ReportText::Document(value.substr(0, end), SourceEncoding);
    if (end < value.size()) text += "...";
    return text;
}

ReportText Description(const PadRule& rule) {
    return ReportText::DocumentCopy(std::string(rule.description), TextEncoding::Windows1252);
}

}  // namespace

void WriteCheckView(const ReportSettings& settings, const PadCheck& check) {
    ReportFile file(settings, CheckReportName, true);
    const std::string heading = "PAD " + std::string(PadVersionName(check.version)) + " check";
    file.WriteParagraph(LabelRun(heading) + "{\\cf2\\b " + ProblemCountText(check.ProblemCount()) +
                        "}");
    file.WriteParagraph("");

    bool any = false;
    for (const PadProblem& problem : check.problems) {
        if (problem.kind != PadProblemKind::Invalid) continue;
        WriteParagraph(file, RecordLabel(problem.field) +
                                 StrongValueRun(ShownValue(problem.field.Value)) + ",   " +
                                 LabelRun("Expected") + ValueRun(Description(*problem.rule)));
        any = true;
    }
    if (any) file.WriteParagraph("");

    any = false;
    for (const PadProblem& problem : check.problems) {
        if (problem.kind != PadProblemKind::Missing) continue;
        if (!any) file.WriteParagraph(HeadingRun("Missing"));
        WriteParagraph(file, RecordLabel(problem.field) + ValueRun(Description(*problem.rule)));
        any = true;
    }
    if (any) file.WriteParagraph("");

    any = false;
    for (const PadProblem& problem : check.problems) {
        if (problem.kind != PadProblemKind::Removed) continue;
        if (!any) file.WriteParagraph(HeadingRun("No longer in the PAD format"));
        WriteParagraph(
            file, RecordLabel(problem.field) + StrongValueRun(ShownValue(problem.field.Value)));
        any = true;
    }
    if (any) file.WriteParagraph("");
    file.Close();
}

void WriteCheckReport(const ReportSettings& settings) {
    WriteCheckView(settings, CheckPadDocument());
}

}  // namespace quillot
