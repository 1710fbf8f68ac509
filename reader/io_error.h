// The input/output failure raised by the reader and the report writers. It
// carries the system's error code (Windows numbering) and the text that the
// viewer shows for it.
#pragma once

#include <stdexcept>
#include <string>

namespace quillot {

// Windows error codes with a text of their own.
namespace io_code {
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int HandleEof = 38;
constexpr int HandleDiskFull = 39;
constexpr int ReadBeyondEnd = 100;
constexpr int DiskFull = 112;
constexpr int InvalidName = 123;
}  // namespace io_code

// "File not found", "Invalid filename", "Too many open files", "File access
// denied", "Read beyond end of file", "Disk full", otherwise "I/O error %d".
std::string IoErrorText(int code);

class IoError : public std::runtime_error {
  public:
    explicit IoError(int code) : std::runtime_error(IoErrorText(code)), code_(code) {}
    int Code() const { return code_; }

  private:
    int code_;
};

}  // namespace quillot
