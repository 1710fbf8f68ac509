#include "report/report_paragraph.h"

namespace quillot {

void WriteParagraph(ReportFile& file, const ReportText& text) {
    file.WriteParagraph(text.Rtf());
}

}  // namespace quillot
