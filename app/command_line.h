// The program's command line as a list of arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillot {

// Splits at characters with codes up to 0x20 outside double quotes; the quotes
// are dropped, so a quoted part may hold blanks. Words left empty are skipped.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The arguments after the program name (GetCommandLineW), as UTF-8.
std::vector<std::string> ProgramArguments();

// The full path of a file name, resolved against the current folder as the
// system resolves it (GetFullPathNameW), UTF-8; empty when it cannot be had.
std::string FullPathName(const std::string& name);

}  // namespace quillot
