#include <windows.h>

#include <cstdint>

#include "reader/file_system.h"
#include "reader/io_error.h"
#include "reader/text_util.h"
#include "reader/wide_text.h"

namespace quillot {
namespace {

[[noreturn]] void ThrowLastError() {
    throw IoError(static_cast<int>(GetLastError()));
}

HANDLE H(void* handle) {
    return static_cast<HANDLE>(handle);
}

}  // namespace

bool IsExistingFile(const std::string& path) {
    // FindFirstFileW reads "*" and "?" as wildcards: "??.xml" would find any
    // two-letter .xml file. A name with them names no file.
    if (FileNamePart(path).find_first_of("*?") != std::string_view::npos) return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Utf8ToWide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

InputFile::InputFile(const std::string& path) {
    HANDLE h =
        CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) ThrowLastError();
    handle_ = h;
}

InputFile::~InputFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(H(handle_));
}

size_t InputFile::Read(char* buffer, size_t size) {
    DWORD got = 0;
    if (!ReadFile(H(handle_), buffer, static_cast<DWORD>(size), &got, nullptr)) ThrowLastError();
    return got;
}

size_t InputFile::SizeHint() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(H(handle_), &size) || size.QuadPart < 0) return 0;
    // Larger than the address space: the most there is, not the size cut short.
    if (static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX) return SIZE_MAX;
    return static_cast<size_t>(size.QuadPart);
}

void InputFile::Close() {
    HANDLE h = H(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (h != INVALID_HANDLE_VALUE && !CloseHandle(h)) ThrowLastError();
}

OutputFile::OutputFile(const std::string& path) {
    HANDLE h = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) ThrowLastError();
    handle_ = h;
}

OutputFile::~OutputFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(H(handle_));
}

void OutputFile::Write(const char* data, size_t size) {
    while (size > 0) {
        DWORD wrote = 0;
        if (!WriteFile(H(handle_), data, static_cast<DWORD>(size), &wrote, nullptr)) {
            ThrowLastError();
        }
        if (wrote == 0) throw IoError(io_code::DiskFull);
        data += wrote;
        size -= wrote;
    }
}

void OutputFile::Close() {
    HANDLE h = H(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (h != INVALID_HANDLE_VALUE && !CloseHandle(h)) ThrowLastError();
}

}  // namespace quillot
