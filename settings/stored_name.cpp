#include "settings/stored_name.h"

#include "reader/file_names.h"

namespace quillot {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string StoredFileName(std::string_view name) {
    std::string ansi;
    if (name.substr(0, StoredNameMarker.size()) != StoredNameMarker && AnsiFileName(name, ansi)) {
        return ansi;
    }
    std::string stored(StoredNameMarker);
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && c != '%') {
            stored += c;
        } else {
            stored += '%';
            stored += kHexDigits[byte >> 4];
            stored += kHexDigits[byte & 15];
        }
    }
    return stored;
}

std::string FileNameFromStored(std::string_view stored) {
    if (stored.substr(0, StoredNameMarker.size()) != StoredNameMarker) {
        return FileNameFromAnsi(stored);
    }
    stored.remove_prefix(StoredNameMarker.size());
    std::string name;
    name.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        const bool escape = stored[i] == '%' && i + 2 < stored.size();
        const int high = escape ? HexValue(stored[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(stored[i + 2]) : -1;
        if (low < 0) {
            name += stored[i];  // not an escape: kept as it stands
            continue;
        }
        name += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return name;
}

}  // namespace quillot
