#include "app/report_cleanup.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "reader/wide_text.h"

namespace quillot {
namespace {

// Built before main, so it outlives the exit routine that reads it.
std::vector<std::string> writtenReports;

}  // namespace

void NoteReportWritten(const std::string& path) {
    if (std::find(writtenReports.begin(), writtenReports.end(), path) == writtenReports.end()) {
        writtenReports.push_back(path);
    }
}

void CleanUpReportFiles() {
    for (const std::string& path : writtenReports)
        DeleteFileW(Utf8ToWide(path).c_str());
    writtenReports.clear();
}

}  // namespace quillot
