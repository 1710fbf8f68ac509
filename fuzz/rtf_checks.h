// Properties of a written report that hold for every document: the frame,
// the CR LF line ends, no UTF-8 character of a UTF-8 document left unescaped
// and, when no paragraph of it can have been cut short, balanced groups and
// no control word that the writers do not write themselves, so document text
// can neither close a group nor inject RTF.
#pragma once

#include <string_view>

namespace quillot::fuzz {

enum class ReportKind {
    AllFields,   // values written inside lines, CRs kept
    Paragraphs,  // Standard and Summary views: CRs become paragraph ends
};

// `exact`: every value was short enough that no paragraph was cut at its
// 9999-character limit, so the group and control-word checks apply.
void CheckReport(std::string_view text, ReportKind kind, bool exact);

}  // namespace quillot::fuzz
