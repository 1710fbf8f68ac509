// The trace log's file. Each line goes to the system in one write, followed
// by CR LF, always at the file's current end, so the file holds every line as
// soon as it is written and stays readable (and may be emptied) by others
// while it is open. Failures raise IoError with the system's error code.
#pragma once

#include <string>

namespace quillot {

enum class LogOpenMode {
    Truncate,  // create the file, or empty an existing one
    Append,    // open an existing file and write at its end
};

class LogFile {
  public:
    LogFile() = default;
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    void Open(const std::string& path, LogOpenMode mode);  // throws IoError
    void WriteLine(const std::string& line);               // throws IoError
    // Closing never fails: everything is written already.
    void Close();
    bool IsOpen() const;

  private:
    void* handle_ = nullptr;
};

}  // namespace quillot
