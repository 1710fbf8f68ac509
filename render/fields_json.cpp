#include "render/fields_json.h"

#include <cstdint>

#include "reader/pad_document.h"
#include "reader/text_encoding.h"
#include "reader/vocabulary.h"

namespace quillot {
namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendWindows1252Byte(std::string& out, char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
        out += ch;
    } else if (c < 0xA0) {
        AppendUtf8(out, kHighControls[c - 0x80]);
    } else {
        AppendUtf8(out, c);
    }
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char ch : text)
        AppendWindows1252Byte(out, ch);
    return out;
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
            AppendWindows1252Byte(out, text[i++]);
        }
    }
    return out;
}

std::string FileNameToUtf8(std::string_view name) {
    return IsValidUtf8(name) ? std::string(name) : Windows1252ToUtf8(name);
}

std::string JsonString(std::string_view utf8) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
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
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 15];
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
    return out;
}

void WriteFieldsAsJsonLines(std::ostream& out, std::string_view fileName) {
    const std::string file = JsonString(FileNameToUtf8(fileName));
    const char* const encoding = SourceEncoding == TextEncoding::Utf8
                                     ? ",\"encoding\":\"UTF-8\"}\n"
                                     : ",\"encoding\":\"Windows-1252\"}\n";
    std::string line;
    for (const PadField& field : PadFieldList) {
        line = "{\"file\":" + file;
        line += ",\"tag\":" + JsonString(PadTagTable[static_cast<size_t>(field.TagNumber)]);
        line += ",\"number\":" + std::to_string(field.TagNumber);
        line += ",\"section\":" + JsonString(DocumentTextToUtf8(field.Section, SourceEncoding));
        line += ",\"value\":" + JsonString(DocumentTextToUtf8(field.Value, SourceEncoding));
        line += field.IsShort ? ",\"short\":true" : ",\"short\":false";
        line += encoding;
        out << line;
    }
}

}  // namespace quillot
