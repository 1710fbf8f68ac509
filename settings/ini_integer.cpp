#include "settings/ini_integer.h"

namespace quillot {
namespace {

bool IsBlank(char c) {
    return c == ' ';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHexadecimal(std::string_view digits, int32_t& value) {
    if (digits.empty()) return false;
    uint64_t result = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return false;
        result = result * 16 + static_cast<uint64_t>(digit);
        if (result > 0xFFFFFFFFull) return false;
    }
    value = static_cast<int32_t>(static_cast<uint32_t>(result));
    return true;
}

bool ParseDecimal(std::string_view digits, bool negative, int32_t& value) {
    if (digits.empty()) return false;
    int64_t result = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        result = result * 10 + (c - '0');
        if (result > 2147483647) return false;
    }
    value = static_cast<int32_t>(negative ? -result : result);
    return true;
}

}  // namespace

bool ParseIniInteger(std::string_view text, int32_t& value) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    text.remove_prefix(pos);
    if (text.empty()) return false;
    if (text.front() == '$') return ParseHexadecimal(text.substr(1), value);
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+') text.remove_prefix(1);
    return ParseDecimal(text, negative, value);
}

}  // namespace quillot
