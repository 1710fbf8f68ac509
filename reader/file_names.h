// File names inside the program are UTF-8 text on every platform, whatever
// code page the system's single-byte calls use; they are converted only where
// they meet the system (wide_text.h on Windows). These two conversions serve
// the places where a name must appear as the system's ANSI code page has it:
// in the INI file, which older versions read too, and in the reports of a
// single-byte document.
#pragma once

#include <string>
#include <string_view>

namespace quillot {

// The UTF-8 name in the ANSI code page (the process's on Windows, elsewhere
// Windows-1252), when that code page holds every one of its characters
// exactly; false otherwise.
bool AnsiFileName(std::string_view utf8Name, std::string& ansiName);

// A name in the ANSI code page as UTF-8.
std::string FileNameFromAnsi(std::string_view ansiName);

}  // namespace quillot
