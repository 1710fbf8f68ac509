// Where the program lives and what follows from it.
#pragma once

#include <string>

namespace quillot {

// The full path of the running program file.
std::string ProgramFilePath();

// The program file's path with its extension replaced by ".ini": everything
// from the last "." of the file-name part on is cut and ".ini" appended.
std::string IniPathFor(const std::string& programPath);

// The folder of the program file, without its trailing backslash.
std::string ProgramFolder();

// The system's temporary folder as GetTempPathA reports it.
std::string SystemTempPath();

}  // namespace quillot
