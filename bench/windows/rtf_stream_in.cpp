#include "bench/windows/rtf_stream_in.h"

#include <richedit.h>

#include <string>

namespace quillot::bench {
namespace {

DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    DWORD got = 0;
    const BOOL ok =
        ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &got, nullptr);
    *read = static_cast<LONG>(got);
    return ok ? 0 : 1;
}

}  // namespace

bool StreamInRtfFile(HWND view, const char* commandLine) {
    std::string path(commandLine);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        path = path.substr(1, path.size() - 2);
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
    stream.pfnCallback = ReadFromFile;
    SendMessageA(view, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    CloseHandle(file);
    return true;
}

}  // namespace quillot::bench
