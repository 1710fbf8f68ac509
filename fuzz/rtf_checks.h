// Properties of a written report that hold for every document: the frame,
// the CR LF line ends, no UTF-8 character of a UTF-8 document left
// unescaped, balanced groups and no control word that the writers do not
// write themselves, so document text can neither close a group nor inject
// RTF, also where a paragraph was cut at its 9999-character limit.
#pragma once

#include <string_view>

namespace quillot::fuzz {

enum class ReportKind {
    AllFields,   // values written inside lines, CRs kept
    Paragraphs,  // Standard and Summary views: CRs become paragraph ends
};

void CheckReport(std::string_view text, ReportKind kind);

}  // namespace quillot::fuzz
