#include "render/fields_json.h"

#include <charconv>
#include <cstdint>

#include "reader/byte_scan.h"
#include "reader/pad_document.h"
#include "reader/text_encoding.h"
#include "reader/vocabulary.h"

namespace quillot {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendJsonEscape(std::string& out, char ch) {
    switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default: {
            const auto c = static_cast<unsigned char>(ch);
            const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            out.append(escape, sizeof escape);
        }
    }
}

}  // namespace

void AppendJsonText(std::string& out, std::string_view text, TextEncoding encoding) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    while (p != end) {
        const char* special = FindFirstJsonSpecial(p, end);
        out.append(p, static_cast<size_t>(special - p));
        if (special == end) break;
        p = special + 1;
        if (static_cast<unsigned char>(*special) < 0x80) {
            AppendJsonEscape(out, *special);
            continue;
        }
        uint32_t codePoint = 0;
        const size_t length =
            encoding == TextEncoding::Utf8
                ? Utf8SequenceAt(text, static_cast<size_t>(special - begin), codePoint)
                : 0;
        if (length != 0) {
            out.append(special, length);
            p = special + length;
        } else {
            AppendWindows1252AsUtf8(out, *special);
        }
    }
}

std::string DocumentTextToUtf8(std::string_view text, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8) return Windows1252ToUtf8(text);
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size();) {
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceAt(text, i, codePoint);
        if (length != 0) {
            out.append(text, i, length);
            i += length;
        } else {
            AppendWindows1252AsUtf8(out, text[i++]);
        }
    }
    return out;
}

std::string FileNameToUtf8(std::string_view name) {
    return IsValidUtf8(name) ? std::string(name) : Windows1252ToUtf8(name);
}

std::string JsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char *p = utf8.data(), *end = p + utf8.size(); p != end;) {
        const char* special = FindFirstJsonSpecial(p, end);
        out.append(p, static_cast<size_t>(special - p));
        if (special == end) break;
        if (static_cast<unsigned char>(*special) >= 0x80) {
            out += *special;  // UTF-8 already
        } else {
            AppendJsonEscape(out, *special);
        }
        p = special + 1;
    }
    out += '"';
    return out;
}

void WriteFieldsAsJsonLines(std::ostream& out, std::string_view fileName) {
    // All lines are built in one buffer that goes out in large pieces.
    constexpr size_t kFlushSize = 64 * 1024;
    const std::string file = JsonString(FileNameToUtf8(fileName));
    const std::string_view encoding = SourceEncoding == TextEncoding::Utf8
                                          ? ",\"encoding\":\"UTF-8\"}\n"
                                          : ",\"encoding\":\"Windows-1252\"}\n";
    std::string lines;
    lines.reserve(kFlushSize + kFlushSize / 4);
    for (const PadField& field : PadFieldList) {
        lines.append("{\"file\":").append(file).append(",\"tag\":\"");
        AppendJsonText(lines, PadTagTable[static_cast<size_t>(field.TagNumber)],
                       TextEncoding::Windows1252);
        char number[16];
        const auto converted = std::to_chars(number, number + sizeof number, field.TagNumber);
        lines.append("\",\"number\":").append(number, converted.ptr);
        lines.append(",\"section\":\"");
        AppendJsonText(lines, field.Section, SourceEncoding);
        lines.append("\",\"value\":\"");
        AppendJsonText(lines, field.Value, SourceEncoding);
        lines.append(field.IsShort ? "\",\"short\":true" : "\",\"short\":false");
        lines.append(encoding);
        if (lines.size() >= kFlushSize) {
            out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
            lines.clear();
        }
    }
    out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
}

}  // namespace quillot
