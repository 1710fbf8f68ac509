#include "reader/io_error.h"

namespace quillot {

std::string IoErrorText(int code) {
    switch (code) {
        case io_code::FileNotFound:
            return "File not found";
        case io_code::PathNotFound:
        case io_code::InvalidName:
            return "Invalid filename";
        case io_code::TooManyOpenFiles:
            return "Too many open files";
        case io_code::AccessDenied:
            return "File access denied";
        case io_code::HandleEof:
        case io_code::ReadBeyondEnd:
            return "Read beyond end of file";
        case io_code::HandleDiskFull:
        case io_code::DiskFull:
            return "Disk full";
        default:
            return "I/O error " + std::to_string(code);
    }
}

}  // namespace quillot
