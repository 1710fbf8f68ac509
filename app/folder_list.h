// The supported files (*.xml, *.pad) of the folder of the document being
// shown, in the order of the user's locale ignoring case, and the position of
// the document among them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

// Names without folder; none until the first build.
extern std::optional<std::vector<std::string>> FolderFileList;
// The folder the list was built from, ending in "\" or ":" (or empty).
extern std::string CurrentFolder;
// Position of the document being shown in the list; -1 when it is not there.
extern int32_t FolderIndex;

// The marker that no folder equals, so that the first document always builds.
constexpr const char* NoFolderYet = "!@#$%";

// Forgets the list: no list, CurrentFolder the marker, FolderIndex -1.
void ResetFolderFileList();

// Rebuilds the list for the folder of `currentFilePath` and sets FolderIndex.
void BuildFolderFileList(const std::string& currentFilePath);

// The position of the file-name part of the path in the list (ASCII letters
// compared ignoring case, first match), or -1.
int32_t FindInFolderFileList(std::string_view path);

// Number of entries (0 when there is no list).
int32_t FolderFileCount();

// The names of a folder's supported files in list order: hidden and system
// files included, folders excluded, only real ".xml" and ".pad" extensions.
std::vector<std::string> ListSupportedFiles(const std::string& folder);

}  // namespace quillot
