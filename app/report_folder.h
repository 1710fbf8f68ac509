// The folder that receives the report files: always an absolute folder of the
// user's own, never the current folder or a relative path.
#pragma once

#include <string>

namespace quillot {

// The system's temporary folder as GetTempPathW reports it (UTF-8); empty when the
// call fails or the path does not fit its buffer.
std::string ReportedTempPath();

// The reported temporary folder when it is usable; otherwise the "Temp"
// folder in the user's local application-data folder, created when missing;
// empty when neither can be had.
std::string ChooseReportFolder(const std::string& reportedTempPath);

// An existing folder named by an absolute path ("C:\..." or "\\server\...").
bool IsUsableReportFolder(const std::string& folder);

}  // namespace quillot
