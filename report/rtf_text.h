// The RTF pieces that the three report views share: the escaping of document
// text, the four run formats, and the header lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "reader/text_encoding.h"

namespace quillot {

// Document text made safe for RTF: "\" -> "\\", "{" -> "\{", "}" -> "\}".
// In UTF-8 text each complete, valid multi-byte sequence becomes "\u", its
// UTF-16 code unit as a signed 16-bit number, and "?" (two such escapes for a
// code point above U+FFFF). CR and every other byte stay as they are.
std::string EscapeRtf(std::string_view text, TextEncoding encoding);
// Appends EscapeRtf(text, encoding) to `out`.
void AppendEscapedRtf(std::string& out, std::string_view text, TextEncoding encoding);
// How much of the text, `length` bytes or a few more, makes a piece that can
// be escaped on its own: it ends before a byte that continues no character
// (an ASCII byte or the first byte of a character) or at the end, so never
// inside a character of several bytes.
size_t EscapePieceLength(std::string_view text, size_t length);

// One token of RTF text from `at` on, as a paragraph's cut sees it: a
// character, a control symbol (such as \\, \{ or \}), or a control word with
// its number and delimiting blank; \uN with the character that stands in for
// it. `groups` is +1 for an unescaped "{" (also standing in), -1 for an
// unescaped "}".
struct RtfToken {
    size_t length = 1;
    int groups = 0;
};
RtfToken RtfTokenAt(std::string_view text, size_t at);

std::string LabelRun(std::string_view text);    // "\cf1 " + text + ": "
std::string HeadingRun(std::string_view text);  // "{\cf1\b " + text + ": }"

// The report font as the system describes it.
struct FontMetrics {
    bool ok = false;             // the metrics query succeeded
    uint8_t pitchAndFamily = 0;  // its pitch-and-family byte
    uint32_t errorCode = 0;      // the system's error code when it failed

    static FontMetrics Answered(uint8_t pitchAndFamily) { return {true, pitchAndFamily, 0}; }
    static FontMetrics Failed(uint32_t errorCode) { return {false, 0, errorCode}; }
};

// Family keyword, blank, the pitch-and-family number, ":" and the face:
// "fswiss 34:Arial". A failed query gives "ERR" + the error code as keyword.
std::string FontTableEntry(const FontMetrics& metrics, std::string_view face);

// Pitch-and-family byte that GDI reports for Arial (swiss, TrueType, vector,
// variable pitch), used where no GDI is at hand.
constexpr uint8_t ArialPitchAndFamily = 39;

std::string RtfHeaderLine();                                 // "{\rtf1\ansi\deff0\deflang1031"
std::string FontTableLine(std::string_view fontTableEntry);  // "{\fonttbl{\f0\" ... ";}}"
std::string ColorTableLine(int32_t labelColor, int32_t contentColor);
std::string ParagraphFormatLine();  // the fourth header line of the Standard and Summary views

}  // namespace quillot
