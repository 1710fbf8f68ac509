// The HTML Help engine behind ShowHtmlHelp: its library, loaded once, and the
// entry point "HtmlHelpW", which takes the help file's path whole. Tests look at this state, point
// the library search at another folder or put a stand-in for the entry point.
#pragma once

#include <windows.h>

#include <string>

namespace quillot {

using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);

extern HMODULE HtmlHelpLibrary;         // none until the first successful load
extern HtmlHelpFunction HtmlHelpEntry;  // "HtmlHelpW" of that library, or none

// The folder searched for "hhctrl.ocx": the system folder.
extern std::string (*HtmlHelpLibraryFolder)();

// Loads the library when it is not loaded yet; a missing file or a failed
// load leaves it unloaded, so that the next call tries again.
void LoadHtmlHelp();

}  // namespace quillot
