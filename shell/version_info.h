// The program's version strings, read once at start-up from its own version
// resource (string table 040904E4), and the program name shown to the user.
#pragma once

#include <string>

namespace quillot {

// "ProductName" of the version resource after ReadVersionInfo; the main window
// sets it to "Quillot" when it is created.
extern std::string ProgramName;

struct VersionStringSet {
    std::string fileVersion = "v1.xx";    // "FileVersion"
    std::string companyName = "unknown";  // "CompanyName"
    std::string webSite;                  // "WebSite"
};
extern VersionStringSet VersionStrings;

// Reads the running program file's version resource. Unreadable: every string
// keeps its value; readable: each key found replaces its string and each key
// missing empties it.
void ReadVersionInfo();
// The same for another file.
void ReadVersionInfoFrom(const std::string& file);

}  // namespace quillot
