#include "app/report_cleanup.h"

#include <windows.h>

#include <string>

#include "reader/pad_document.h"
#include "report/report_settings.h"

namespace quillot {

bool TempFolderChosen = false;

void CleanUpReportFiles() {
    if (!TempFolderChosen) return;
    for (const char* name : {SummaryReportName, StandardReportName, AllFieldsReportName}) {
        DeleteFileA((TempFolder + name).c_str());
    }
}

}  // namespace quillot
