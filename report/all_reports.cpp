#include "report/all_fields_view.h"
#include "report/check_view.h"
#include "report/report_settings.h"
#include "report/standard_view.h"
#include "report/summary_view.h"

namespace quillot {

void WriteAllReports(const ReportSettings& settings) {
    WriteAllFieldsView(settings);
    WriteStandardView(settings);
    WriteSummaryView(settings);
    if (settings.checkReport) WriteCheckReport(settings);
}

}  // namespace quillot
