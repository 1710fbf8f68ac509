// Report text written as a paragraph: exactly what ReportFile::WriteParagraph
// writes for the text's RTF, the document text escaped on the way.
#pragma once

#include "report/report_file.h"
#include "report/report_text.h"

namespace quillot {

void WriteParagraph(ReportFile& file, const ReportText& text);

}  // namespace quillot
