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

}  // namespace quillot
