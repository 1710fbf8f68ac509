// The hidden summary page: the short report, written to "~Pad1.rtf". It reads
// its descriptions with EnglishOnly as the Standard view left it, so it runs
// right after that view.
#pragma once

#include "report/report_settings.h"

namespace quillot {

void WriteSummaryView(const ReportSettings& settings);

}  // namespace quillot
