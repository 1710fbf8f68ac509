#include "fuzz/rtf_checks.h"

#include <string>

#include "fuzz/byte_finder.h"
#include "fuzz/fuzz_check.h"
#include "reader/pad_document.h"
#include "reader/text_encoding.h"

namespace quillot::fuzz {
namespace {

// Compared here rather than by memcmp, whose sanitizer and fuzzer hooks
// cost more than the comparison for words this short.
bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

// The control words that the writers put into a report with the settings of
// the fuzz target (font Arial, family swiss), looked up by their first letter
// (a report holds thousands of them).
bool IsWritersControlWord(std::string_view word) {
    const auto either = [&](std::string_view a, std::string_view b = {}) {
        return SameWord(word, a) || (!b.empty() && SameWord(word, b));
    };
    switch (word.empty() ? '\0' : word[0]) {
        case 'a':
            return either("ansi");
        case 'b':
            return either("b", "blue");
        case 'c':
            return either("cf", "colortbl");
        case 'd':
            return either("deff", "deflang");
        case 'f':
            return either("f", "fs") || either("fonttbl", "fswiss");
        case 'g':
            return either("green");
        case 'n':
            return either("nowidctlpar");
        case 'p':
            return either("par", "plain");
        case 'r':
            return either("rtf", "red");
        case 't':
            return either("tx");
        case 'u':
            return either("ul");
        default:
            return false;
    }
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the control word or escape at text[at] (a backslash), after
// checking that the writers write it.
size_t CheckControl(std::string_view text, size_t at) {
    FUZZ_CHECK(at + 1 < text.size(), "a backslash ends the report");
    const char next = text[at + 1];
    if (next == '\\' || next == '{' || next == '}') return 2;  // an escaped character
    FUZZ_CHECK(IsAsciiLetter(next), "a control symbol that the writers never write");
    size_t end = at + 1;
    while (end < text.size() && IsAsciiLetter(text[end]))
        ++end;
    const std::string_view word(text.data() + at + 1, end - at - 1);
    const bool unicode = SameWord(word, "u");
    if (unicode) {
        // A character of a UTF-8 document: "\u", a signed number, "?".
        FUZZ_CHECK(SourceEncoding == TextEncoding::Utf8, "a \\u escape in a single-byte document");
        if (end < text.size() && text[end] == '-') ++end;
    } else {
        FUZZ_CHECK(IsWritersControlWord(word),
                   ("a control word that the writers never write: " + std::string(word)).c_str());
    }
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (unicode) {
        FUZZ_CHECK(end < text.size() && text[end] == '?',
                   "a \\u escape without its fallback character");
        ++end;
    }
    return end - at;
}

}  // namespace

// One walk over the report checks the line ends, the bytes of a UTF-8
// document, the groups and the control words.
void CheckReport(std::string_view text, ReportKind kind) {
    constexpr std::string_view kHeader = "{\\rtf1\\ansi\\deff0\\deflang1031\r\n";
    constexpr std::string_view kTrailer = "\r\n}\r\n";
    FUZZ_CHECK(text.substr(0, kHeader.size()) == kHeader, "the report lacks its header line");
    FUZZ_CHECK(text.size() >= kHeader.size() + kTrailer.size() - 2 &&
                   text.substr(text.size() - kTrailer.size()) == kTrailer,
               "the report does not end with its trailer line");
    // The bytes that the walk looks at; in a UTF-8 document also those above 127.
    const bool utf8 = SourceEncoding == TextEncoding::Utf8;
    const auto next = [&](size_t from) {
        return utf8 ? NextByte<true, '\r', '\n', '{', '}', '\\'>(text, from)
                    : NextByte<false, '\r', '\n', '{', '}', '\\'>(text, from);
    };
    int depth = 0;
    for (size_t i = next(0); i < text.size(); i = next(i + 1)) {
        const char c = text[i];
        switch (c) {
            case '\n':
                FUZZ_CHECK(i > 0 && text[i - 1] == '\r', "a line ends in LF alone");
                break;
            case '\r':
                FUZZ_CHECK(
                    kind != ReportKind::Paragraphs || (i + 1 < text.size() && text[i + 1] == '\n'),
                    "a CR of a value was not turned into a paragraph end");
                break;
            case '{':
                FUZZ_CHECK(depth > 0 || i == 0, "text after the end of the document group");
                ++depth;
                break;
            case '}':
                --depth;
                FUZZ_CHECK(depth > 0 || i + 3 == text.size(),
                           "a group closes the document before its trailer");
                break;
            case '\\':
                i += CheckControl(text, i) - 1;
                break;
            default: {
                // In a UTF-8 document every character went into a \u escape;
                // the bytes above 127 left are those that start no valid
                // sequence.
                uint32_t codePoint = 0;
                FUZZ_CHECK(Utf8SequenceAt(text, i, codePoint) == 0,
                           "a UTF-8 character reached the report unescaped");
            }
        }
    }
    FUZZ_CHECK(depth == 0, "the groups of the report do not balance");
}

}  // namespace quillot::fuzz
