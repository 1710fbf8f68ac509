#include "shell/version_info.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "reader/wide_text.h"
#include "settings/program_location.h"
#include "shell/system_library.h"

namespace quillot {

std::string ProgramName = "app";
VersionStringSet VersionStrings;

namespace {

// The version functions, from the system folder's version.dll: the wide
// ones, which take the program's path whole. The strings are texts of the
// program, kept in the ANSI code page as ever.
using GetFileVersionInfoSizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetFileVersionInfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using VerQueryValueFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

std::string StringValue(VerQueryValueFunction query, const std::vector<char>& block,
                        const char* key) {
    const std::wstring path = L"\\StringFileInfo\\040904E4\\" + AnsiToWide(key);
    void* value = nullptr;
    UINT length = 0;
    if (!query(block.data(), path.c_str(), &value, &length) || value == nullptr) {
        return std::string();
    }
    return WideToAnsi(WideFromBuffer(static_cast<const wchar_t*>(value), length));
}

}  // namespace

void ReadVersionInfoFrom(const std::string& file) {
    static const auto infoSize =
        SystemFunction<GetFileVersionInfoSizeFunction>("version.dll", "GetFileVersionInfoSizeW");
    static const auto info =
        SystemFunction<GetFileVersionInfoFunction>("version.dll", "GetFileVersionInfoW");
    static const auto query =
        SystemFunction<VerQueryValueFunction>("version.dll", "VerQueryValueW");
    if (infoSize == nullptr || info == nullptr || query == nullptr) return;
    DWORD unused = 0;
    const std::wstring wideFile = Utf8ToWide(file);
    DWORD size = infoSize(wideFile.c_str(), &unused);
    if (size == 0) return;
    std::vector<char> block(size);
    if (!info(wideFile.c_str(), 0, size, block.data())) return;
    VersionStrings.fileVersion = StringValue(query, block, "FileVersion");
    VersionStrings.companyName = StringValue(query, block, "CompanyName");
    VersionStrings.webSite = StringValue(query, block, "WebSite");
    ProgramName = StringValue(query, block, "ProductName");
}

void ReadVersionInfo() {
    ReadVersionInfoFrom(ProgramFilePath());
}

}  // namespace quillot
