#include "report/rtf_text.h"

#include <algorithm>

#include "reader/byte_scan.h"

namespace quillot {
namespace {

// "\uN?" for one UTF-16 code unit, N as a signed 16-bit number.
void AppendUnicodeEscape(std::string& out, uint32_t unit) {
    out += "\\u";
    out += std::to_string(unit < 0x8000 ? static_cast<int32_t>(unit)
                                        : static_cast<int32_t>(unit) - 0x10000);
    out += '?';
}

void AppendCodePoint(std::string& out, uint32_t codePoint) {
    if (codePoint <= 0xFFFF) {
        AppendUnicodeEscape(out, codePoint);
        return;
    }
    const uint32_t offset = codePoint - 0x10000;
    AppendUnicodeEscape(out, 0xD800 + (offset >> 10));
    AppendUnicodeEscape(out, 0xDC00 + (offset & 0x3FF));
}

void AppendEscapedSingleByte(std::string& out, std::string_view text) {
    const char* const end = text.data() + text.size();
    const char* done = text.data();
    for (const char* special = FindFirstOfThree(done, end, '\\', '{', '}'); special != end;
         special = FindFirstOfThree(done, end, '\\', '{', '}')) {
        out.append(done, special);
        out += '\\';
        out += *special;
        done = special + 1;
    }
    out.append(done, end);
}

// Sequences are taken greedily from the left; a byte above 127 that starts no
// valid sequence is written as it is.
void AppendEscapedUtf8(std::string& out, std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* done = begin;
    for (const char* p = FindFirstOfThreeOrHigh(done, end, '\\', '{', '}'); p != end;
         p = FindFirstOfThreeOrHigh(done, end, '\\', '{', '}')) {
        out.append(done, p);
        done = p + 1;
        if (static_cast<unsigned char>(*p) < 0x80) {  // "\\", "{" or "}"
            out += '\\';
            out += *p;
            continue;
        }
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceAt(text, static_cast<size_t>(p - begin), codePoint);
        if (length == 0) {
            out += *p;
            continue;
        }
        AppendCodePoint(out, codePoint);
        done = p + length;
    }
    out.append(done, end);
}

}  // namespace

void AppendEscapedRtf(std::string& out, std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        AppendEscapedUtf8(out, text);
    } else {
        AppendEscapedSingleByte(out, text);
    }
}

size_t EscapePieceLength(std::string_view text, size_t length) {
    while (length < text.size() && static_cast<unsigned char>(text[length]) >= 0x80)
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
