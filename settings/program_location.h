// Where the running program lives, and the INI file that goes with it.
#pragma once

#include <string>

namespace quillot {

// The full path of the running program file (GetModuleFileNameW), as UTF-8.
std::string ProgramFilePath();

// The program file's path with its extension replaced by ".ini": everything
// from the last "." of the file-name part on is cut and ".ini" appended; a
// name without "." gets ".ini" appended.
std::string IniPathFor(const std::string& programPath);

}  // namespace quillot
