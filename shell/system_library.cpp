#include "shell/system_library.h"

#include "reader/wide_text.h"

namespace quillot {

std::string SystemFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length >= MAX_PATH + 1) return std::string();
    std::string folder = WideToUtf8(std::wstring_view(buffer, length));
    if (folder.back() == '\\') folder.pop_back();
    return folder;
}

HMODULE LoadSystemLibrary(const char* name) {
    const std::string folder = SystemFolder();
    if (folder.empty()) return nullptr;
    // The library's own dependencies are then looked for in its folder too.
    return LoadLibraryExW(Utf8ToWide(folder + "\\" + name).c_str(), nullptr,
                          LOAD_WITH_ALTERED_SEARCH_PATH);
}

void RestrictLibrarySearch() {
    // The current folder leaves the search order.
    SetDllDirectoryA("");
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    auto setDefault =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault != nullptr) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace quillot
