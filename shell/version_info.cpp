#include "shell/version_info.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "settings/program_location.h"
#include "shell/system_library.h"

namespace quillot {

std::string ProgramName = "app";
VersionStringSet VersionStrings;

namespace {

// The version functions, from the system folder's version.dll.
using GetFileVersionInfoSizeFunction = DWORD(WINAPI*)(LPCSTR, LPDWORD);
using GetFileVersionInfoFunction = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
using VerQueryValueFunction = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);

std::string StringValue(VerQueryValueFunction query, const std::vector<char>& block,
                        const char* key) {
    std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
    void* value = nullptr;
    UINT length = 0;
    if (!query(block.data(), path.c_str(), &value, &length) || value == nullptr) {
        return std::string();
    }
    const char* text = static_cast<const char*>(value);
    return std::string(text, strnlen(text, length));
}

}  // namespace

void ReadVersionInfoFrom(const std::string& file) {
    static const auto infoSize =
        SystemFunction<GetFileVersionInfoSizeFunction>("version.dll", "GetFileVersionInfoSizeA");
    static const auto info =
        SystemFunction<GetFileVersionInfoFunction>("version.dll", "GetFileVersionInfoA");
    static const auto query =
        SystemFunction<VerQueryValueFunction>("version.dll", "VerQueryValueA");
    if (infoSize == nullptr || info == nullptr || query == nullptr) return;
    DWORD unused = 0;
    DWORD size = infoSize(file.c_str(), &unused);
    if (size == 0) return;
    std::vector<char> block(size);
    if (!info(file.c_str(), 0, size, block.data())) return;
    VersionStrings.fileVersion = StringValue(query, block, "FileVersion");
    VersionStrings.companyName = StringValue(query, block, "CompanyName");
    VersionStrings.webSite = StringValue(query, block, "WebSite");
    ProgramName = StringValue(query, block, "ProductName");
}

void ReadVersionInfo() {
    ReadVersionInfoFrom(ProgramFilePath());
}

}  // namespace quillot
