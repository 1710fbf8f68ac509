// What quillot-render needs from its platform. Implemented with the Windows
// API (and GDI) in render_platform_win.cpp, with POSIX calls elsewhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "report/rtf_text.h"

namespace quillot {

// The arguments after the program name. Their file names are UTF-8: on
// Windows they come from the wide command line (CommandLineToArgvW), so that
// names the ANSI code page cannot hold arrive whole.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The separator that ends a report folder ("\" on Windows, "/" elsewhere).
extern const char ReportFolderSeparator;

// The document path as the viewer would hold it in CurrentFilePath: the full
// path, with the file name as the file system stores it on Windows; with "\"
// for "/" elsewhere, so that the file-name part is the same as in the viewer.
std::string ViewerPath(const std::string& file);

// The file-name part of a path as the platform splits it.
std::string BaseName(const std::string& path);

// The name as the file system would store it for a new folder: on Windows
// without trailing dots and blanks, which it drops; elsewhere unchanged.
std::string StoredFolderName(std::string name);

// Creates the folder (and its missing parents); true when it exists afterwards.
bool MakeFolders(const std::string& folder);

// Creates one folder inside an existing one: Created when it made it just
// now, Existed when a folder of that name was there already, Failed when
// there is none (a file of that name, say, or no permission).
enum class FolderCreation { Created, Existed, Failed };
FolderCreation CreateFolder(const std::string& folder);

// What tells one folder from another whatever name leads to it (the volume
// and the file number), or nothing when the path names no folder that the
// platform can identify.
using FolderId = std::pair<uint64_t, uint64_t>;
std::optional<FolderId> FolderIdentity(const std::string& folder);

// The pitch-and-family byte of the face as GDI reports it for the default
// report font (8 points); elsewhere a successful answer of 39, Arial's.
FontMetrics QueryFontMetrics(const std::string& face);

}  // namespace quillot
