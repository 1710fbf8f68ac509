#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "reader/file_system.h"
#include "reader/io_error.h"

namespace quillot {
namespace {

// errno in the Windows numbering that the error texts use.
int SystemErrorCode(int err) {
    switch (err) {
        case ENOENT:
            return io_code::FileNotFound;
        case ENOTDIR:
            return io_code::PathNotFound;
        case ENAMETOOLONG:
        case EINVAL:
            return io_code::InvalidName;
        case EMFILE:
        case ENFILE:
            return io_code::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return io_code::AccessDenied;
        case ENOSPC:
        case EDQUOT:
            return io_code::DiskFull;
        default:
            return 1000 + err;  // outside the Windows codes that have a text
    }
}

[[noreturn]] void ThrowLastError() {
    throw IoError(SystemErrorCode(errno));
}

// Creating a file fails with ENOENT only when its folder is missing.
[[noreturn]] void ThrowCreateError() {
    throw IoError(errno == ENOENT ? io_code::PathNotFound : SystemErrorCode(errno));
}

int Fd(void* handle) {
    return static_cast<int>(reinterpret_cast<intptr_t>(handle));
}
void* Handle(int fd) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(fd));
}
constexpr int kClosed = -1;

}  // namespace

bool IsExistingFile(const std::string& path) {
    // As on Windows, where they are wildcards, a name with "*" or "?" names no file.
    const size_t slash = path.find_last_of('/');
    const size_t name = slash == std::string::npos ? 0 : slash + 1;
    if (path.find_first_of("*?", name) != std::string::npos) return false;
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

InputFile::InputFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) ThrowLastError();
    handle_ = Handle(fd);
}

InputFile::~InputFile() {
    if (Fd(handle_) != kClosed) close(Fd(handle_));
}

size_t InputFile::Read(char* buffer, size_t size) {
    for (;;) {
        ssize_t n = read(Fd(handle_), buffer, size);
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) ThrowLastError();
    }
}

size_t InputFile::SizeHint() const {
    struct stat st;
    if (fstat(Fd(handle_), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return static_cast<size_t>(st.st_size);
}

void InputFile::Close() {
    int fd = Fd(handle_);
    handle_ = Handle(kClosed);
    if (fd != kClosed && close(fd) != 0) ThrowLastError();
}

// An existing regular file is overwritten in place and cut to the written
// length when it is closed, instead of being truncated to nothing at open:
// ext4 treats truncate-to-zero-and-rewrite as a file replacement, starts the
// write-back at close and makes the next truncation wait for the disk, which
// made each rewrite of the three reports take milliseconds. The bytes that
// the file holds once closed are the same either way.
OutputFile::OutputFile(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) ThrowCreateError();
    handle_ = Handle(fd);
    // Only a regular file has old content to cut off; O_TRUNC would leave
    // other kinds of file alone as well.
    struct stat st;
    if (fstat(fd, &st) != 0) {
        oldSize_ = SIZE_MAX;  // unknown: cut in any case
    } else if (S_ISREG(st.st_mode)) {
        oldSize_ = static_cast<size_t>(st.st_size);
    }
}

bool OutputFile::CutOldContent() {
    return oldSize_ <= written_ || ftruncate(Fd(handle_), static_cast<off_t>(written_)) == 0;
}

OutputFile::~OutputFile() {
    if (Fd(handle_) == kClosed) return;
    // Left behind by a failure, which is being reported already: keep what
    // was written, as far as the system lets us.
    (void)CutOldContent();
    close(Fd(handle_));
}

void OutputFile::Write(const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = write(Fd(handle_), data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowLastError();
        }
        data += n;
        size -= static_cast<size_t>(n);
        written_ += static_cast<size_t>(n);
    }
}

void OutputFile::Close() {
    if (Fd(handle_) == kClosed) return;
    if (!CutOldContent()) {
        const int err = errno;
        close(Fd(handle_));
        handle_ = Handle(kClosed);
        throw IoError(SystemErrorCode(err));
    }
    const int fd = Fd(handle_);
    handle_ = Handle(kClosed);
    if (close(fd) != 0) ThrowLastError();
}

}  // namespace quillot
