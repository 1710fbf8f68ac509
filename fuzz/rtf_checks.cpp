#include "fuzz/rtf_checks.h"

#include <string>

#include "fuzz/fuzz_check.h"
#include "reader/pad_document.h"
#include "reader/text_encoding.h"

namespace quillot::fuzz {
namespace {

// The control words that the writers put into a report with the settings of
// the fuzz target (font Arial, family swiss).
bool IsWritersControlWord(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "rtf",         "ansi", "deff",  "deflang", "fonttbl", "f",  "fswiss",
        "colortbl",    "red",  "green", "blue",    "plain",   "tx", "fs",
        "nowidctlpar", "cf",   "b",     "ul",      "par"};
    for (std::string_view known : kWords) {
        if (word == known) return true;
    }
    return false;
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void CheckGroupsAndControlWords(std::string_view text) {
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{') {
            FUZZ_CHECK(depth > 0 || i == 0, "text after the end of the document group");
            ++depth;
        } else if (c == '}') {
            --depth;
            FUZZ_CHECK(depth > 0 || i + 3 == text.size(),
                       "a group closes the document before its trailer");
        } else if (c == '\\') {
            FUZZ_CHECK(i + 1 < text.size(), "a backslash ends the report");
            const char next = text[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                ++i;  // an escaped character of the document
                continue;
            }
            FUZZ_CHECK(IsAsciiLetter(next), "a control symbol that the writers never write");
            size_t end = i + 1;
            while (end < text.size() && IsAsciiLetter(text[end]))
                ++end;
            const std::string_view word = text.substr(i + 1, end - i - 1);
            if (word == "u") {
                // A character of a UTF-8 document: "\\u", a signed number, "?".
                FUZZ_CHECK(SourceEncoding == TextEncoding::Utf8,
                           "a \\u escape in a single-byte document");
                if (end < text.size() && text[end] == '-') ++end;
            } else {
                FUZZ_CHECK(
                    IsWritersControlWord(word),
                    ("a control word that the writers never write: " + std::string(word)).c_str());
            }
            while (end < text.size() && IsDigit(text[end]))
                ++end;
            if (word == "u") {
                FUZZ_CHECK(end < text.size() && text[end] == '?',
                           "a \\u escape without its fallback character");
                ++end;
            }
            i = end - 1;
        }
    }
    FUZZ_CHECK(depth == 0, "the groups of the report do not balance");
}

}  // namespace

void CheckReport(std::string_view text, ReportKind kind) {
    constexpr std::string_view kHeader = "{\\rtf1\\ansi\\deff0\\deflang1031\r\n";
    constexpr std::string_view kTrailer = "\r\n}\r\n";
    FUZZ_CHECK(text.substr(0, kHeader.size()) == kHeader, "the report lacks its header line");
    FUZZ_CHECK(text.size() >= kHeader.size() + kTrailer.size() - 2 &&
                   text.substr(text.size() - kTrailer.size()) == kTrailer,
               "the report does not end with its trailer line");
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') FUZZ_CHECK(i > 0 && text[i - 1] == '\r', "a line ends in LF alone");
        if (text[i] == '\r' && kind == ReportKind::Paragraphs) {
            FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == '\n',
                       "a CR of a value was not turned into a paragraph end");
        }
    }
    if (SourceEncoding == TextEncoding::Utf8) {
        // Every character of a UTF-8 document went into a \u escape; the bytes
        // above 127 left are those that start no valid sequence.
        for (size_t i = 0; i < text.size(); ++i) {
            uint32_t codePoint = 0;
            FUZZ_CHECK(static_cast<unsigned char>(text[i]) < 0x80 ||
                           Utf8SequenceAt(text, i, codePoint) == 0,
                       "a UTF-8 character reached the report unescaped");
        }
    }
    CheckGroupsAndControlWords(text);
}

}  // namespace quillot::fuzz
