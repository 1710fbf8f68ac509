#include <windows.h>
#include <shellapi.h>

#include "reader/wide_text.h"
#include "render/render_platform.h"

namespace quillot {

const char ReportFolderSeparator = '\\';

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    // The narrow arguments hold only what the ANSI code page can: the names
    // come from the wide command line, as UTF-8.
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(WideToUtf8(words[i]));
    LocalFree(words);
    return arguments;
}

std::string ViewerPath(const std::string& file) {
    wchar_t full[MAX_PATH * 4];
    wchar_t* namePart = nullptr;
    DWORD length = GetFullPathNameW(Utf8ToWide(file).c_str(), MAX_PATH * 4, full, &namePart);
    if (length == 0 || length >= MAX_PATH * 4) return file;
    std::string path = WideToUtf8(std::wstring_view(full, length));
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(full, &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        const size_t cut = path.find_last_of("\\:");
        path = path.substr(0, cut == std::string::npos ? 0 : cut + 1) +
               WideToUtf8(WideFromBuffer(found.cFileName, MAX_PATH));
    }
    return path;
}

std::string BaseName(const std::string& path) {
    const size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string StoredFolderName(std::string name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}

bool MakeFolders(const std::string& folder) {
    DWORD attributes = GetFileAttributesW(Utf8ToWide(folder).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const size_t cut = folder.find_last_of("\\/", folder.size() >= 2 ? folder.size() - 2 : 0);
    if (cut != std::string::npos && cut > 0 && folder[cut - 1] != ':') {
        MakeFolders(folder.substr(0, cut));
    }
    return CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

FolderCreation CreateFolder(const std::string& folder) {
    const std::wstring wide = Utf8ToWide(folder);
    if (CreateDirectoryW(wide.c_str(), nullptr)) return FolderCreation::Created;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return FolderCreation::Failed;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? FolderCreation::Existed
               : FolderCreation::Failed;
}

std::optional<FolderId> FolderIdentity(const std::string& folder) {
    HANDLE handle = CreateFileW(Utf8ToWide(folder).c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(handle, &info) &&
                       (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    CloseHandle(handle);
    if (!known) return std::nullopt;
    return FolderId(info.dwVolumeSerialNumber,
                    (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
}

FontMetrics QueryFontMetrics(const std::string& face) {
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectA(&font);
    HGDIOBJ previous = SelectObject(dc, handle);
    TEXTMETRICA tm;
    const FontMetrics metrics = GetTextMetricsA(dc, &tm)
                                    ? FontMetrics::Answered(tm.tmPitchAndFamily)
                                    : FontMetrics::Failed(GetLastError());
    SelectObject(dc, previous);
    DeleteObject(handle);
    DeleteDC(dc);
    return metrics;
}

}  // namespace quillot
