#include "app/folder_list.h"

#include <windows.h>

#include <algorithm>
#include <numeric>

#include "reader/text_util.h"
#include "reader/wide_text.h"

namespace quillot {

std::optional<std::vector<std::string>> FolderFileList;
std::string CurrentFolder = NoFolderYet;
int32_t FolderIndex = -1;

namespace {

// The wildcard also matches generated short names (x.xmlbak has one ending
// in .XML), so the real extension is checked as well.
bool HasSupportedExtension(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view extension = name.substr(dot + 1);
    return EqualsIgnoreAsciiCase(extension, "xml") || EqualsIgnoreAsciiCase(extension, "pad");
}

// A found name: as the program holds names (UTF-8) and as the system gave it.
struct FoundName {
    std::string name;
    std::wstring wide;
};

// The wide search gives every name exactly as it is stored, also one the
// ANSI code page cannot hold.
void AddMatches(const std::string& pattern, std::vector<FoundName>& names) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Utf8ToWide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        std::wstring wide = WideFromBuffer(found.cFileName, MAX_PATH);
        std::string name = WideToUtf8(wide);
        if (!HasSupportedExtension(name)) continue;
        names.push_back({std::move(name), std::move(wide)});
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// The key under which CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE)
// orders the name: two names compare as their keys do byte by byte.
std::string SortKey(const std::wstring& name) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, nullptr, 0);
    std::string key(static_cast<size_t>(std::max(size, 0)), '\0');
    if (size > 0) {
        // With LCMAP_SORTKEY the destination is a byte buffer.
        LCMapStringW(LOCALE_USER_DEFAULT, flags, name.c_str(), -1,
                     reinterpret_cast<LPWSTR>(key.data()), size);
    }
    return key;
}

}  // namespace

std::vector<std::string> ListSupportedFiles(const std::string& folder) {
    std::vector<FoundName> found;
    AddMatches(folder + "*.xml", found);
    AddMatches(folder + "*.pad", found);

    // Sorting once by the locale's sort keys gives the order of sorted
    // insertion; a stable sort keeps the first of names that compare equal.
    std::vector<std::string> keys;
    keys.reserve(found.size());
    for (const FoundName& name : found)
        keys.push_back(SortKey(name.wide));
    std::vector<size_t> order(found.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });

    std::vector<std::string> names;
    names.reserve(found.size());
    const std::string* previousKey = nullptr;
    for (size_t i : order) {
        if (previousKey && *previousKey == keys[i]) continue;
        names.push_back(std::move(found[i].name));
        previousKey = &keys[i];
    }
    return names;
}

void ResetFolderFileList() {
    FolderFileList.reset();
    CurrentFolder = NoFolderYet;
    FolderIndex = -1;
}

void BuildFolderFileList(const std::string& currentFilePath) {
    FolderIndex = -1;
    CurrentFolder = std::string(FolderPart(currentFilePath));
    FolderFileList = ListSupportedFiles(CurrentFolder);
    FolderIndex = FindInFolderFileList(currentFilePath);
}

int32_t FindInFolderFileList(std::string_view path) {
    if (!FolderFileList) return -1;
    const std::string_view name = FileNamePart(path);
    const std::vector<std::string>& list = *FolderFileList;
    for (size_t i = 0; i < list.size(); ++i) {
        if (EqualsIgnoreAsciiCase(list[i], name)) return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t FolderFileCount() {
    return FolderFileList ? static_cast<int32_t>(FolderFileList->size()) : 0;
}

}  // namespace quillot
