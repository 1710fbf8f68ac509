#include "shell/shell_strings.h"

#include <cstring>

namespace quillot {

void CopyBounded(char* buffer, std::string_view text, size_t maxChars) {
    size_t n = text.size() < maxChars ? text.size() : maxChars;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

std::string FileExtension(std::string_view fileName) {
    size_t dot = fileName.find_last_of(".\\:");
    if (dot == std::string_view::npos || fileName[dot] != '.') return std::string();
    return std::string(fileName.substr(dot));
}

int32_t FindTextFrom(std::string_view part, std::string_view text, int32_t start) {
    if (part.empty()) return 0;
    if (start < 1) start = 1;
    if (static_cast<size_t>(start) > text.size()) return 0;
    size_t pos = text.find(part, static_cast<size_t>(start) - 1);
    return pos == std::string_view::npos ? 0 : static_cast<int32_t>(pos + 1);
}

}  // namespace quillot
