#include "fuzz/json_check.h"

#include <cstdint>

namespace quillot::fuzz {
namespace {

// The length of the UTF-8 sequence at text[at] and its code point, or 0.
size_t StrictSequenceAt(std::string_view text, size_t at, uint32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = 0;
    uint32_t min = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < min || codePoint > 0x10FFFF) return 0;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
    return length;
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Reader {
  public:
    // Decoded strings are never longer than their JSON text, so storage with
    // room for the whole text never moves while it is read.
    Reader(std::string_view text, std::string& storage) : text_(text), storage_(storage) {
        storage_.clear();
        storage_.reserve(text.size());
    }

    bool ReadTopObject(std::vector<JsonMember>& members) {
        SkipBlanks();
        if (!ReadObject(0, &members)) return false;
        SkipBlanks();
        return at_ == text_.size() || Fail("text after the object");
    }

    std::string error;

  private:
    static constexpr int kMaxDepth = 64;

    bool Fail(const char* what) {
        error = std::string(what) + " at byte " + std::to_string(at_);
        return false;
    }

    void SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool Take(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    // members: where the top level's members go; nullptr below it.
    bool ReadObject(int depth, std::vector<JsonMember>* members) {
        if (!Take('{')) return Fail("no object");
        if (depth >= kMaxDepth) return Fail("nesting too deep");
        std::vector<std::string_view> names;  // below the top level, which has members
        SkipBlanks();
        if (Take('}')) return true;
        for (;;) {
            SkipBlanks();
            std::string_view name;
            if (!ReadString(name)) return false;
            if (members != nullptr) {
                for (const JsonMember& seen : *members) {
                    if (seen.name == name) return Fail("a member name given twice");
                }
            } else {
                for (const std::string_view seen : names) {
                    if (seen == name) return Fail("a member name given twice");
                }
                names.push_back(name);
            }
            SkipBlanks();
            if (!Take(':')) return Fail("no ':' after a member name");
            SkipBlanks();
            JsonMember member;
            member.name = name;
            if (!ReadValue(depth, member)) return false;
            if (members != nullptr) members->push_back(std::move(member));
            SkipBlanks();
            if (Take('}')) return true;
            if (!Take(',')) return Fail("no ',' or '}' after a member");
        }
    }

    bool ReadArray(int depth) {
        if (!Take('[')) return Fail("no array");
        if (depth >= kMaxDepth) return Fail("nesting too deep");
        SkipBlanks();
        if (Take(']')) return true;
        for (;;) {
            SkipBlanks();
            JsonMember element;
            if (!ReadValue(depth, element)) return false;
            SkipBlanks();
            if (Take(']')) return true;
            if (!Take(',')) return Fail("no ',' or ']' after an element");
        }
    }

    bool ReadValue(int depth, JsonMember& value) {
        if (at_ >= text_.size()) return Fail("no value");
        const size_t start = at_;
        const char c = text_[at_];
        bool ok = false;
        if (c == '"') {
            value.kind = JsonKind::String;
            return ReadString(value.text);
        } else if (c == '{') {
            value.kind = JsonKind::Object;
            ok = ReadObject(depth + 1, nullptr);
        } else if (c == '[') {
            value.kind = JsonKind::Array;
            ok = ReadArray(depth + 1);
        } else if (c == '-' || IsDigit(c)) {
            value.kind = JsonKind::Number;
            ok = ReadNumber();
        } else if (ReadWord("true")) {
            value.kind = JsonKind::True;
            ok = true;
        } else if (ReadWord("false")) {
            value.kind = JsonKind::False;
            ok = true;
        } else if (ReadWord("null")) {
            value.kind = JsonKind::Null;
            ok = true;
        } else {
            return Fail("no value");
        }
        if (ok) value.text = text_.substr(start, at_ - start);
        return ok;
    }

    bool ReadWord(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    bool ReadDigits() {
        const size_t start = at_;
        while (at_ < text_.size() && IsDigit(text_[at_]))
            ++at_;
        return at_ > start;
    }

    bool ReadNumber() {
        Take('-');
        if (Take('0')) {
            if (at_ < text_.size() && IsDigit(text_[at_])) return Fail("a number with a leading 0");
        } else if (!ReadDigits()) {
            return Fail("a number without digits");
        }
        if (Take('.') && !ReadDigits()) return Fail("no digits after a decimal point");
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            if (!ReadDigits()) return Fail("no digits in an exponent");
        }
        return true;
    }

    bool ReadHex4(uint32_t& unit) {
        if (text_.size() - at_ < 4) return Fail("a \\u escape cut short");
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = HexValue(text_[at_++]);
            if (digit < 0) return Fail("a \\u escape with a non-hex digit");
            unit = unit * 16 + static_cast<uint32_t>(digit);
        }
        return true;
    }

    // The decoded string, kept in the storage.
    bool ReadString(std::string_view& decoded) {
        const size_t start = storage_.size();
        std::string& out = storage_;
        if (!Take('"')) return Fail("no string");
        for (;;) {
            if (at_ >= text_.size()) return Fail("a string without its closing quote");
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                decoded = std::string_view(storage_).substr(start);
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return Fail("a control character in a string");
            if (c != '\\') {
                uint32_t codePoint = 0;
                const size_t length = StrictSequenceAt(text_, at_, codePoint);
                if (length == 0) return Fail("invalid UTF-8 in a string");
                out.append(text_, at_, length);
                at_ += length;
                continue;
            }
            ++at_;
            if (at_ >= text_.size()) return Fail("a string ends in a backslash");
            const char escape = text_[at_++];
            switch (escape) {
                case '"':
                case '\\':
                case '/':
                    out += escape;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    uint32_t unit = 0;
                    if (!ReadHex4(unit)) return false;
                    if (unit >= 0xDC00 && unit <= 0xDFFF) return Fail("a lone low surrogate");
                    if (unit >= 0xD800 && unit <= 0xDBFF) {
                        uint32_t low = 0;
                        if (!Take('\\') || !Take('u') || !ReadHex4(low) || low < 0xDC00 ||
                            low > 0xDFFF) {
                            return Fail("a high surrogate without its low one");
                        }
                        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    }
                    AppendUtf8(out, unit);
                    break;
                }
                default:
                    --at_;
                    return Fail("an unknown escape");
            }
        }
    }

    std::string_view text_;
    std::string& storage_;
    size_t at_ = 0;
};

}  // namespace

bool IsStrictUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        uint32_t codePoint = 0;
        const size_t length = StrictSequenceAt(text, at, codePoint);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

bool ReadJsonObject(std::string_view text, JsonObject& object, std::string& error) {
    object.members.clear();
    Reader reader(text, object.storage);
    if (reader.ReadTopObject(object.members)) return true;
    error = reader.error;
    return false;
}

}  // namespace quillot::fuzz
