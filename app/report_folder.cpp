#include "app/report_folder.h"

#include <windows.h>
#include <shlobj.h>

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
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder))) {
        return std::string();
    }
    std::string temp(folder);
    if (!temp.empty() && temp.back() != '\\') temp += '\\';
    temp += "Temp";
    CreateDirectoryA(temp.c_str(), nullptr);
    return temp;
}

}  // namespace

std::string ReportedTempPath() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}

bool IsUsableReportFolder(const std::string& folder) {
    if (!IsAbsolutePath(folder)) return false;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ChooseReportFolder(const std::string& reportedTempPath) {
    if (IsUsableReportFolder(reportedTempPath)) return reportedTempPath;
    const std::string fallback = LocalAppDataTemp();
    return IsUsableReportFolder(fallback) ? fallback : std::string();
}

}  // namespace quillot
