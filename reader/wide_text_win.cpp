#include <windows.h>

#include <cwchar>

#include "reader/file_names.h"
#include "reader/text_encoding.h"
#include "reader/wide_text.h"

namespace quillot {
namespace {

std::wstring ToWide(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    return ToWide(CP_UTF8, 0, utf8);
}

std::string WideToUtf8(std::wstring_view wide) {
    return FromWide(CP_UTF8, wide);
}

std::wstring AnsiToWide(std::string_view ansi) {
    return ToWide(CP_ACP, 0, ansi);
}

std::string WideToAnsi(std::wstring_view wide) {
    return FromWide(CP_ACP, wide);
}

std::wstring WideFromBuffer(const wchar_t* buffer, size_t size) {
    return std::wstring(buffer, wcsnlen(buffer, size));
}

bool AnsiFileName(std::string_view utf8Name, std::string& ansiName) {
    ansiName.clear();
    if (utf8Name.empty()) return true;
    // Where the ANSI code page is UTF-8 itself, it holds every name.
    if (GetACP() == CP_UTF8) {
        ansiName.assign(utf8Name);
        return IsValidUtf8(utf8Name);
    }
    const std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Name);
    if (wide.empty()) return false;
    const int size = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, nullptr, &defaulted);
    if (length <= 0 || defaulted) return false;
    ansiName.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansiName.data(), length,
                        nullptr, &defaulted);
    // Exactly: the bytes must read back as the same characters.
    return !defaulted && AnsiToWide(ansiName) == wide;
}

std::string FileNameFromAnsi(std::string_view ansiName) {
    return WideToUtf8(AnsiToWide(ansiName));
}

}  // namespace quillot
