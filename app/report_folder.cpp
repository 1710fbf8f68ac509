#include "app/report_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "reader/wide_text.h"

namespace quillot {
namespace {

bool IsAbsolutePath(const std::string& path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    const bool unc = path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\' &&
                     path[2] != '?' && path[2] != '.';
    return drive || unc;
}

std::string LocalAppDataTemp() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder))) {
        return std::string();
    }
    std::string temp = WideToUtf8(WideFromBuffer(folder, MAX_PATH));
    if (!temp.empty() && temp.back() != '\\') temp += '\\';
    temp += "Temp";
    CreateDirectoryW(Utf8ToWide(temp).c_str(), nullptr);
    return temp;
}

}  // namespace

std::string ReportedTempPath() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length >= MAX_PATH + 1) return std::string();
    return WideToUtf8(std::wstring_view(buffer, length));
}

bool IsUsableReportFolder(const std::string& folder) {
    if (!IsAbsolutePath(folder)) return false;
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(folder).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ChooseReportFolder(const std::string& reportedTempPath) {
    if (IsUsableReportFolder(reportedTempPath)) return reportedTempPath;
    const std::string fallback = LocalAppDataTemp();
    return IsUsableReportFolder(fallback) ? fallback : std::string();
}

}  // namespace quillot
