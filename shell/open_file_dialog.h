// The system's open-file dialog behind File, "&Open...". The caller fills a
// tOpenDlg (owner, filter, proposed file, folder, default extension) and
// ShowOpenFileDialog completes it: the filter index follows the proposed
// file's extension, and the chosen path lands in fileNameBuffer. Its texts
// are UTF-8, as the program's paths are; the system's wide dialog
// (GetOpenFileNameW) runs on a UTF-16 copy of the prepared record, so that a
// name outside the ANSI code page comes back whole.
#pragma once

#include <windows.h>
// needs the types of windows.h
#include <commdlg.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillot {

constexpr size_t OpenDlgBufferSize = 263;
// The file name buffer: the UTF-8 form of a path of 260 UTF-16 units (at
// most four bytes for each) and its NUL.
constexpr size_t OpenDlgPathBufferSize = 4 * 260 + 1;
// The dialog record without the places-bar fields, in the platform's own
// size: 76 bytes in the 32-bit program, 136 in the 64-bit one.
// (What OPENFILENAME_SIZE_VERSION_400A gives, as a constant expression.)
constexpr DWORD OpenDlgRecordSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
constexpr DWORD OpenDlgWideRecordSize =
    offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(OPENFILENAMEW::lpTemplateName);
constexpr DWORD DefaultOpenDlgFlags =
    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
constexpr int MaxFilterPatterns = 9;

// One request. The record points into the request's own strings and buffers,
// so a request is filled, shown and read where it stands; it is not copied.
struct tOpenDlg {
    tOpenDlg() = default;
    tOpenDlg(const tOpenDlg&) = delete;
    tOpenDlg& operator=(const tOpenDlg&) = delete;

    HWND owner = nullptr;
    DWORD flags = 0;        // 0: DefaultOpenDlgFlags
    DWORD filterIndex = 0;  // 1-based; replaced when the default extension matches a pattern
    std::string title;      // empty: the system's title
    std::string filter;     // "description|pattern|..." with up to nine "(*.ext)" patterns
    std::string fileName;   // the file to propose; its extension becomes the default
    std::string initialFolder;
    std::string defaultExt;  // without dot; used when fileName has no extension
    char filterBuffer[OpenDlgBufferSize] = {};
    std::string extension;                            // of fileName, without its dot
    char fileNameBuffer[OpenDlgPathBufferSize] = {};  // the proposal, afterwards the chosen path
    OPENFILENAMEA record = {};
};

// Close requests of the Preferences dialog still to be used up; every run of
// ShowOpenFileDialog sets it to 1.
extern int32_t CloseGuardCount;

// Shows the dialog modally; true when the user chose a file (its path is then
// in request.fileNameBuffer).
bool ShowOpenFileDialog(HWND owner, tOpenDlg& request);

// Fills the buffers and the dialog record from the request's fields.
void PrepareOpenFileDialog(tOpenDlg& request);

// The system call that runs the dialog: GetOpenFileNameW. Tests put a
// stand-in here.
using OpenFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);
extern OpenFileNameFunction RunOpenFileDialog;

}  // namespace quillot
