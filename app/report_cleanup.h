// The report files this process wrote live from their first rendering until
// the process ends; CleanUpReportFiles, an exit routine, deletes them.
#pragma once

#include <string>

namespace quillot {

// Records a report file that this process has written.
void NoteReportWritten(const std::string& path);

// Deletes the report files this process wrote, and nothing else; missing or
// locked files are skipped silently.
void CleanUpReportFiles();

}  // namespace quillot
