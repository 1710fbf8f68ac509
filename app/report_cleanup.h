// The three report files live in TempFolder from the first rendering until the
// process ends; CleanUpReportFiles, an exit routine, deletes them.
#pragma once

namespace quillot {

// Set once the reader has chosen TempFolder in this process.
extern bool TempFolderChosen;

// Deletes "~Pad1.rtf", "~PadStd.rtf" and "~PadXml.rtf" from TempFolder when it
// was chosen; missing or locked files are skipped silently.
void CleanUpReportFiles();

}  // namespace quillot
