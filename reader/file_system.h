// The reader's and the writers' access to files: an existence test and two
// sequential byte channels whose failures raise IoError with the system's
// error code. Implemented with the Windows API in file_system_win.cpp and with
// POSIX calls in file_system_posix.cpp (errno mapped to Windows numbering).
// Paths are UTF-8 on both (file_names.h).
#pragma once

#include <cstddef>
#include <string>

namespace quillot {

// True when the file system has an entry matching the path that is not a folder.
// A file name with "*" or "?" names no file (they are never wildcards here).
bool IsExistingFile(const std::string& path);

// A file opened read-only as bytes.
class InputFile {
  public:
    explicit InputFile(const std::string& path);  // throws IoError
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Reads up to `size` bytes; returns 0 at the end of the file. Throws IoError.
    size_t Read(char* buffer, size_t size);
    // The file's size as the system reports it now (the largest size_t when
    // it is larger), or 0 when it cannot tell: a hint for making room, not a
    // limit for reading.
    size_t SizeHint() const;
    // Closes the file; a failure throws IoError.
    void Close();

  private:
    void* handle_;
};

// A file created anew (an existing one is truncated) for writing bytes. Once
// closed, or destroyed after a failure, it holds exactly what was written.
class OutputFile {
  public:
    explicit OutputFile(const std::string& path);  // throws IoError
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(const char* data, size_t size);  // throws IoError
    void Close();                               // throws IoError

  private:
    bool CutOldContent();  // POSIX only: true when nothing is left behind

    void* handle_;
    // POSIX only: the bytes written so far, and the length of the old content
    // that is cut off behind them at the end rather than at the start (see
    // file_system_posix.cpp).
    size_t written_ = 0;
    size_t oldSize_ = 0;
};

}  // namespace quillot
