#include "trace/log_file.h"

#include <windows.h>

#include "reader/io_error.h"
#include "reader/wide_text.h"

namespace quillot {
namespace {

[[noreturn]] void ThrowLastError() {
    throw IoError(static_cast<int>(GetLastError()));
}

}  // namespace

LogFile::~LogFile() {
    Close();
}

void LogFile::Open(const std::string& path, LogOpenMode mode) {
    Close();
    const DWORD disposition = mode == LogOpenMode::Truncate ? CREATE_ALWAYS : OPEN_ALWAYS;
    HANDLE h =
        CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) ThrowLastError();
    handle_ = h;
}

void LogFile::WriteLine(const std::string& line) {
    if (handle_ == nullptr) throw IoError(ERROR_INVALID_HANDLE);
    const std::string record = line + "\r\n";
    HANDLE h = static_cast<HANDLE>(handle_);
    // Another process may have emptied the file since the last line.
    LARGE_INTEGER none{};
    if (!SetFilePointerEx(h, none, nullptr, FILE_END)) ThrowLastError();
    DWORD written = 0;
    if (!WriteFile(h, record.data(), static_cast<DWORD>(record.size()), &written, nullptr)) {
        ThrowLastError();
    }
    if (written != record.size()) throw IoError(io_code::DiskFull);
}

void LogFile::Close() {
    if (handle_ == nullptr) return;
    CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

bool LogFile::IsOpen() const {
    return handle_ != nullptr;
}

}  // namespace quillot
