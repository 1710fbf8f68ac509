#include "report/rtf_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "reader/byte_scan.h"

namespace quillot {
namespace {

// Escaped text on its way into a string: the escapes are collected in a
// small buffer that goes into the string a few thousand characters at a
// time, runs of text that need no escape go in as they are.
class EscapedOutput {
  public:
    explicit EscapedOutput(std::string& out) : out_(out) {}
    ~EscapedOutput() { Flush(); }
    EscapedOutput(const EscapedOutput&) = delete;
    EscapedOutput& operator=(const EscapedOutput&) = delete;

    void Text(const char* begin, const char* end) {
        if (begin == end) return;
        Flush();
        out_.append(begin, static_cast<size_t>(end - begin));
    }
    void Byte(char c) { Put(&c, 1); }
    void Escaped(char c) {  // "\\", "\{" or "\}"
        const char escape[] = {'\\', c};
        Put(escape, sizeof escape);
    }
    // "\uN?" for one UTF-16 code unit, N as a signed 16-bit number; two
    // such escapes for a code point above U+FFFF.
    void CodePoint(uint32_t codePoint) {
        if (codePoint <= 0xFFFF) {
            Unit(codePoint);
            return;
        }
        const uint32_t offset = codePoint - 0x10000;
        Unit(0xD800 + (offset >> 10));
        Unit(0xDC00 + (offset & 0x3FF));
    }

  private:
    static constexpr size_t kSize = 4096;

    void Unit(uint32_t unit) {
        const int32_t number =
            unit < 0x8000 ? static_cast<int32_t>(unit) : static_cast<int32_t>(unit) - 0x10000;
        char escape[16] = {'\\', 'u'};
        char* end = std::to_chars(escape + 2, escape + sizeof escape - 1, number).ptr;
        *end++ = '?';
        Put(escape, static_cast<size_t>(end - escape));
    }
    void Put(const char* data, size_t size) {
        if (kSize - used_ < size) Flush();
        std::memcpy(buffer_ + used_, data, size);
        used_ += size;
    }
    void Flush() {
        out_.append(buffer_, used_);
        used_ = 0;
    }

    std::string& out_;
    char buffer_[kSize];
    size_t used_ = 0;
};

void AppendEscapedSingleByte(std::string& out, std::string_view text) {
    EscapedOutput escaped(out);
    const char* const end = text.data() + text.size();
    const char* done = text.data();
    for (const char* special = FindFirstOfThree(done, end, '\\', '{', '}'); special != end;
         special = FindFirstOfThree(done, end, '\\', '{', '}')) {
        escaped.Text(done, special);
        escaped.Escaped(*special);
        done = special + 1;
    }
    escaped.Text(done, end);
}

// Sequences are taken greedily from the left; a byte above 127 that starts no
// valid sequence is written as it is.
void AppendEscapedUtf8(std::string& out, std::string_view text) {
    EscapedOutput escaped(out);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* done = begin;
    for (const char* p = FindFirstOfThreeOrHigh(done, end, '\\', '{', '}'); p != end;
         p = FindFirstOfThreeOrHigh(done, end, '\\', '{', '}')) {
        escaped.Text(done, p);
        done = p + 1;
        if (static_cast<unsigned char>(*p) < 0x80) {  // "\\", "{" or "}"
            escaped.Escaped(*p);
            continue;
        }
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceAt(text, static_cast<size_t>(p - begin), codePoint);
        if (length == 0) {
            escaped.Byte(*p);
            continue;
        }
        escaped.CodePoint(codePoint);
        done = p + length;
    }
    escaped.Text(done, end);
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

RtfToken RtfTokenAt(std::string_view text, size_t at) {
    RtfToken token;
    const char first = text[at];
    if (first != '\\') {
        token.groups = first == '{' ? 1 : first == '}' ? -1 : 0;
        return token;
    }
    if (at + 1 == text.size()) return token;  // a lone backslash at the very end
    if (!IsAsciiLetter(text[at + 1])) {
        token.length = 2;  // a control symbol such as \\, \{ or \}
        return token;
    }
    size_t end = at + 1;
    while (end < text.size() && IsAsciiLetter(text[end]))
        ++end;
    const bool unicode = end == at + 2 && text[at + 1] == 'u';
    if (end < text.size() && text[end] == '-') ++end;
    const size_t digits = end;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end < text.size() && text[end] == ' ') ++end;  // the delimiting blank
    if (unicode && end > digits && end < text.size()) {
        // \uN and the character that stands in for it where Unicode is not
        // read: a brace there counts, an escaped one stays whole.
        const RtfToken fallback = RtfTokenAt(text, end);
        if (fallback.length <= 2) {
            token.groups = fallback.groups;
            end += fallback.length;
        }
    }
    token.length = end - at;
    return token;
}

void AppendEscapedRtf(std::string& out, std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        AppendEscapedUtf8(out, text);
    } else {
        AppendEscapedSingleByte(out, text);
    }
}

size_t EscapePieceLength(std::string_view text, size_t length) {
    // A sequence never reaches past a byte that cannot continue it.
    const auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    while (length < text.size() && continues(text[length]))
        ++length;
    return std::min(length, text.size());
}

std::string EscapeRtf(std::string_view text, TextEncoding encoding) {
    // A long text is escaped piece by piece into a scratch buffer first, to
    // learn the result's size: grown instead, the result would for a moment
    // hold its old and its new storage, which for a value of the size of the
    // document is more than the document itself.
    constexpr size_t kPiece = 64 * 1024;
    size_t size = text.size();
    if (text.size() > kPiece) {
        size = 0;
        std::string scratch;
        for (std::string_view rest = text; !rest.empty();) {
            const size_t piece = EscapePieceLength(rest, kPiece);
            scratch.clear();
            AppendEscapedRtf(scratch, rest.substr(0, piece), encoding);
            size += scratch.size();
            rest.remove_prefix(piece);
        }
    }
    std::string result;
    result.reserve(size + 16);  // room for the run around it
    AppendEscapedRtf(result, text, encoding);
    return result;
}

std::string LabelRun(std::string_view text) {
    std::string run = "\\cf1 ";
    run.append(text).append(": ");
    return run;
}

std::string HeadingRun(std::string_view text) {
    std::string run = "{\\cf1\\b ";
    run.append(text).append(": }");
    return run;
}

static const char* FamilyKeyword(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case 16:
            return "froman";
        case 32:
            return "fswiss";
        case 48:
            return "fmodern";
        case 64:
            return "fscript";
        case 80:
            return "fdecorative";
        default:
            return "fdontcare";
    }
}

std::string FontTableEntry(const FontMetrics& metrics, std::string_view face) {
    // A failed query leaves no pitch-and-family byte; 0 stands in for it.
    std::string entry = metrics.ok ? FamilyKeyword(metrics.pitchAndFamily)
                                   : "ERR" + std::to_string(metrics.errorCode);
    entry += ' ';
    entry += std::to_string(metrics.ok ? metrics.pitchAndFamily : 0);
    entry += ':';
    entry.append(face);
    return entry;
}

std::string RtfHeaderLine() {
    return "{\\rtf1\\ansi\\deff0\\deflang1031";
}

std::string FontTableLine(std::string_view fontTableEntry) {
    std::string line = "{\\fonttbl{\\f0\\";
    line.append(fontTableEntry).append(";}}");
    return line;
}

static std::string ColorEntry(int32_t color) {
    const uint32_t c = static_cast<uint32_t>(color);
    return "\\red" + std::to_string(c & 255) + "\\green" + std::to_string((c >> 8) & 255) +
           "\\blue" + std::to_string((c >> 16) & 255) + ";";
}

std::string ColorTableLine(int32_t labelColor, int32_t contentColor) {
    return "{\\colortbl\\red0\\green0\\blue0;" + ColorEntry(labelColor) + ColorEntry(contentColor) +
           "}";
}

std::string ParagraphFormatLine() {
    return "\\plain \\nowidctlpar\\tx3500\\tx5700\\tx6900 \\f0\\fs16";
}

}  // namespace quillot
