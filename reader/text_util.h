// Small single-byte text helpers shared by the reader and the report writers.
// Positions handed in and out of FindCharFrom are 1-based; everything else is
// plain std::string / std::string_view.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillot {

constexpr char CR = '\r';
constexpr char LF = '\n';

// True for the characters that trimming removes: codes 0x00 to 0x20.
inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

// The text without leading and trailing characters with codes 0x00 to 0x20.
inline std::string_view TrimView(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}
inline std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

// Compares folding only the ASCII letters a-z / A-Z.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);
inline char ToAsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char ToAsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

// Position (1-based) of the first `c` at or after position `start` (>= 1), or 0.
int32_t FindCharFrom(int32_t start, char c, std::string_view text);

// Empty stays empty; a path ending in "\" is returned as is; otherwise "\" is appended.
std::string WithTrailingBackslash(std::string_view path);

// The path up to and including its last "\" or ":"; empty when it has neither.
std::string_view FolderPart(std::string_view path);
// What follows the last "\" or ":" of the path (the whole path when it has neither).
std::string_view FileNamePart(std::string_view path);

}  // namespace quillot
