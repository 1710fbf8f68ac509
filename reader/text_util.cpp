#include "reader/text_util.h"

namespace quillot {

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a == b) return true;  // the usual case, compared quickly
    for (size_t i = 0; i < a.size(); ++i) {
        if (ToAsciiUpper(a[i]) != ToAsciiUpper(b[i])) return false;
    }
    return true;
}

std::string AsciiUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = ToAsciiUpper(c);
    return result;
}

std::string AsciiLower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = ToAsciiLower(c);
    return result;
}

int32_t FindCharFrom(int32_t start, char c, std::string_view text) {
    if (start < 1) start = 1;
    if (static_cast<size_t>(start) > text.size()) return 0;
    size_t pos = text.find(c, static_cast<size_t>(start) - 1);
    return pos == std::string_view::npos ? 0 : static_cast<int32_t>(pos + 1);
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != '\\') result += '\\';
    return result;
}

static size_t AfterLastSeparator(std::string_view path) {
    size_t pos = path.find_last_of("\\:");
    return pos == std::string_view::npos ? 0 : pos + 1;
}

std::string_view FolderPart(std::string_view path) {
    return path.substr(0, AfterLastSeparator(path));
}

std::string_view FileNamePart(std::string_view path) {
    return path.substr(AfterLastSeparator(path));
}

}  // namespace quillot
