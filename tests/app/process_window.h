// The main window of another Quillot process, for the tests that start
// Quillot.exe itself.
#pragma once

#include <windows.h>

namespace quillot::test {

// The visible top-level window of class "TFrm" that the process owns, or
// nullptr when it has none.
HWND VisibleMainWindowOf(DWORD processId);

}  // namespace quillot::test
