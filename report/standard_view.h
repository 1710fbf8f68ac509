// The "Std" tab: the labelled standard report, written to "~PadStd.rtf". It
// leaves EnglishOnly on exactly when the document has an English (or
// section-less) description, which the Summary view relies on.
#pragma once

#include "report/report_settings.h"

namespace quillot {

void WriteStandardView(const ReportSettings& settings);

}  // namespace quillot
