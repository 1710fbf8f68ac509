// The "All" tab: every known PAD element in vocabulary order with the value
// of its first occurrence, written to "~PadXml.rtf".
#pragma once

#include "report/report_settings.h"

namespace quillot {

void WriteAllFieldsView(const ReportSettings& settings);

}  // namespace quillot
