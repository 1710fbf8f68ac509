// The Check report: the check of the current document against the PAD
// format's rules (pad_check.h), written to "~PadChk.rtf" in the frame, font
// and colours of the other reports. It begins with a line that names the
// rules and counts the problems, then lists the invalid records (each with
// its value, cut to 80 characters, and what the rule asks for), the missing
// elements under "Missing" and the records of dropped elements under "No
// longer in the PAD format"; a group with nothing in it is left out.
#pragma once

#include "reader/pad_check.h"
#include "report/report_settings.h"

namespace quillot {

void WriteCheckView(const ReportSettings& settings, const PadCheck& check);
// The same for the check of the current document.
void WriteCheckReport(const ReportSettings& settings);

}  // namespace quillot
