// A small modal box built from the dialog template "DLG_MSG": the program's
// icon and three centred lines, captioned "About " + ProgramName. The About
// command shows the version strings in it.
#pragma once

#include <windows.h>

#include <string>

namespace quillot {

// Shows the box centred over the owner (the desktop when there is none) and
// returns when OK, Enter, Escape or the close box has closed it.
void ShowMessageDialog(HWND owner, const std::string& line1, const std::string& line2,
                       const std::string& line3);

}  // namespace quillot
