// Paragraphs of the reports. The text goes into the report as paragraphs:
// each piece ending at a CR becomes a line closed by " \par"; what follows the
// last CR is cut to at most 9999 characters, never inside a token (an escape
// or a control word), and then closes the groups of the text still open
// there. Document text in the paragraph is escaped on the way, piece by
// piece, so that a paragraph of any size is never held escaped as a whole.
#pragma once

#include <string_view>

#include "report/report_file.h"
#include "report/report_text.h"

namespace quillot {

void WriteParagraph(ReportFile& file, const ReportText& text);
void WriteParagraph(ReportFile& file, std::string_view rtf);

}  // namespace quillot
