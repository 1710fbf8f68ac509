#include "reader/text_encoding.h"

#include <algorithm>
#include <cstring>

#include "reader/byte_scan.h"

namespace quillot {
namespace {

// Only a "<?xml" that ends within this many bytes opens a declaration.
constexpr size_t kDeclarationWindow = 1024;
constexpr std::string_view kXmlOpen = "<?xml";
constexpr std::string_view kWord = "encoding";

// What a lead byte asks of the bytes after it: how many continuation bytes are
// due and the range of the first one (the later ones lie in 80..BF). False for
// a byte that starts no multi-byte sequence (ASCII, a continuation byte, C0,
// C1 or F5 to FF).
bool ReadLeadByte(unsigned char lead, int& due, unsigned char& low, unsigned char& high) {
    low = 0x80;
    high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        due = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        due = 2;
        if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
        if (lead == 0xED) high = 0x9F;  // the UTF-16 surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        due = 3;
        if (lead == 0xF0) low = 0x90;   // overlong below U+10000
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return false;
    }
    return true;
}

bool IsXmlBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsAsciiLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The characters of an XML encoding name after its first letter.
bool IsEncodingNameChar(unsigned char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
}

}  // namespace

size_t Utf8SequenceAt(std::string_view text, size_t pos, uint32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int due = 0;
    unsigned char low = 0;
    unsigned char high = 0;
    if (!ReadLeadByte(lead, due, low, high)) return 0;
    if (text.size() - pos <= static_cast<size_t>(due)) return 0;
    uint32_t value = lead & (0x3Fu >> due);
    for (int k = 1; k <= due; ++k) {
        const auto c = static_cast<unsigned char>(text[pos + static_cast<size_t>(k)]);
        if (c < low || c > high) return 0;
        value = (value << 6) | (c & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    codePoint = value;
    return static_cast<size_t>(due) + 1;
}

bool IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceAt(text, i, codePoint);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

namespace {
// Code points of the bytes 0x80 to 0x9F in Windows-1252.
constexpr uint16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

size_t EncodeUtf8(uint32_t codePoint, char* out) {
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        out[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (codePoint >> 18));
    out[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

uint32_t Windows1252CodePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
}

int Windows1252ByteOf(uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (int i = 0; i < 32; ++i) {
        if (kWindows1252High[i] == codePoint) return 0x80 + i;
    }
    return -1;
}

void EncodingDetector::Feed(const char* data, size_t size) {
    // Invalid UTF-8 or another declared encoding settles it: single-byte.
    if (!valid_ || declaresOther_) return;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size && stage_ != Stage::Done; ++i)
        FeedDeclaration(bytes[i]);
    FeedValidity(bytes, bytes + size);
}

TextEncoding EncodingDetector::Result() const {
    // A declaration without "?>" runs to the end of the file, where the older
    // attempts fail and a younger match that completed counts.
    const bool other =
        declaresOther_ || (stage_ == Stage::InDeclaration && younger_ == Outcome::OtherName);
    return valid_ && due_ == 0 && !other ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

void EncodingDetector::FeedValidity(const unsigned char* p, const unsigned char* end) {
    while (p != end) {
        if (due_ == 0) {
            // ASCII runs in blocks.
            p = reinterpret_cast<const unsigned char*>(FindFirstHigh(
                reinterpret_cast<const char*>(p), reinterpret_cast<const char*>(end)));
            if (p == end) break;
            const unsigned char byte = *p++;
            if (byte >= 0x80 && !ReadLeadByte(byte, due_, low_, high_)) {
                valid_ = false;
                return;
            }
        } else {
            const unsigned char byte = *p++;
            if (byte < low_ || byte > high_) {
                valid_ = false;
                return;
            }
            --due_;
            low_ = 0x80;
            high_ = 0xBF;
        }
    }
}

void EncodingDetector::FeedDeclaration(unsigned char byte) {
    if (stage_ == Stage::SeekingXml) {
        if (offset_++ >= kDeclarationWindow) {
            stage_ = Stage::Done;
        } else if (byte == static_cast<unsigned char>(kXmlOpen[xmlMatched_])) {
            if (++xmlMatched_ == kXmlOpen.size()) stage_ = Stage::InDeclaration;
        } else {
            xmlMatched_ = byte == '<' ? 1 : 0;
        }
        return;
    }
    // In the declaration. A "?" cannot complete a match, so it is matched at
    // once; a ">" after it ends the declaration.
    if (afterQuestion_ && byte == '>') {
        Decide(younger_);
        return;
    }
    afterQuestion_ = byte == '?';
    FeedEncodingMatch(byte);
}

void EncodingDetector::FeedEncodingMatch(unsigned char byte) {
    for (size_t i = 0; i < attempts_.size();) {
        const Outcome outcome = Advance(attempts_[i], byte);
        if (outcome == Outcome::Open) {
            ++i;
        } else if (outcome == Outcome::Failed) {
            attempts_.erase(attempts_.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (i == 0) {
            Decide(outcome);
            return;
        } else {
            // Wait for the older attempts; the ones begun later cannot count.
            younger_ = outcome;
            attempts_.erase(attempts_.begin() + static_cast<std::ptrdiff_t>(i), attempts_.end());
        }
    }
    if (younger_ != Outcome::Open) {
        if (attempts_.empty()) Decide(younger_);
        return;
    }
    if (byte == static_cast<unsigned char>(kWord[wordMatched_])) {
        if (++wordMatched_ == kWord.size()) {
            attempts_.emplace_back();
            wordMatched_ = 0;
        }
    } else {
        wordMatched_ = byte == kWord[0] ? 1 : 0;
    }
}

EncodingDetector::Outcome EncodingDetector::Advance(Attempt& attempt, unsigned char byte) {
    switch (attempt.step) {
        case Attempt::Step::BeforeEquals:
            if (byte == '=') attempt.step = Attempt::Step::AfterEquals;
            return byte == '=' || IsXmlBlank(byte) ? Outcome::Open : Outcome::Failed;
        case Attempt::Step::AfterEquals:
            if (byte == '"' || byte == '\'') {
                attempt.quote = byte;
                attempt.step = Attempt::Step::InName;
                return Outcome::Open;
            }
            return IsXmlBlank(byte) ? Outcome::Open : Outcome::Failed;
        case Attempt::Step::InName:
            break;
    }
    if (byte == attempt.quote && attempt.length > 0) {
        const std::string_view name(attempt.name, attempt.length < 5 ? attempt.length : 5);
        const bool utf8 =
            (attempt.length == 5 && name == "utf-8") || (attempt.length == 4 && name == "utf8");
        return utf8 ? Outcome::Utf8Name : Outcome::OtherName;
    }
    if (attempt.length == 0 ? !IsAsciiLetter(byte) : !IsEncodingNameChar(byte)) {
        return Outcome::Failed;
    }
    if (attempt.length < sizeof attempt.name) {
        attempt.name[attempt.length] =
            static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
    }
    ++attempt.length;
    return Outcome::Open;
}

void EncodingDetector::Decide(Outcome outcome) {
    declaresOther_ = outcome == Outcome::OtherName;
    stage_ = Stage::Done;
    attempts_.clear();
}

TextEncoding DetectTextEncoding(std::string_view text) {
    EncodingDetector detector;
    detector.Feed(text.data(), text.size());
    return detector.Result();
}

}  // namespace quillot

namespace quillot {

void AppendUtf8(std::string& out, uint32_t codePoint) {
    char bytes[4];
    out.append(bytes, EncodeUtf8(codePoint, bytes));
}

void AppendWindows1252AsUtf8(std::string& out, char byte) {
    const auto c = static_cast<unsigned char>(byte);
    if (c < 0x80) {
        out += byte;
    } else {
        AppendUtf8(out, Windows1252CodePoint(c));
    }
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char byte : text)
        AppendWindows1252AsUtf8(out, byte);
    return out;
}

bool Utf8ToWindows1252(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += utf8[i++];
            continue;
        }
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceAt(utf8, i, codePoint);
        if (length == 0) return false;
        i += length;
        const int single = Windows1252ByteOf(codePoint);
        if (single < 0) return false;
        out += static_cast<char>(single);
    }
    return true;
}

}  // namespace quillot
