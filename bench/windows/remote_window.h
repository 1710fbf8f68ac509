// Asking a window of another process what the messages with a pointer
// answer: the pointer must be to memory in that process, so a buffer is taken
// there and read back.
#pragma once

#include <windows.h>

#include <string>

namespace quillot::bench {

// The rectangle of a tab of a tab control in another process (client
// coordinates); false when it cannot be had.
bool RemoteTabRect(HANDLE process, HWND tabControl, int tab, RECT& rect);

// Clicks the middle of the tab as the mouse would.
bool ClickTab(HANDLE process, HWND tabControl, int tab);

// The last line of a rich-edit view in another process, in the ANSI code page.
std::string RemoteLastLine(HANDLE process, HWND view);

// The window that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

}  // namespace quillot::bench
