// The program's own message boxes go through ShowMessageBox. The product
// always shows the real box; a test can put a hook in its place to see what
// would have been shown without a dialog blocking it.
#pragma once

#include <windows.h>

#include <string>

namespace quillot {

// Receives the texts (UTF-8: a caption may hold a path) and what else
// MessageBoxW would; returns the button pressed.
using MessageBoxHook = int (*)(HWND owner, const std::string& text, const std::string& caption,
                               UINT type);

// MessageBoxW(owner, text, caption, type), or the hook when one is set.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Sets the hook (nullptr: the real box again) and returns the previous one.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

}  // namespace quillot
