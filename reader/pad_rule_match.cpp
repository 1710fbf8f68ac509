#include "reader/pad_rule_match.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "reader/byte_scan.h"

namespace quillot {
namespace {

constexpr uint32_t kLf = 0x0A;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The number of characters of the text when it has at most `limit` (and,
// with `noLf`, none of them is LF); otherwise more than `limit` (limit + 1).
size_t CountUpTo(std::string_view text, TextEncoding encoding, size_t limit, bool noLf = true) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        if (count == limit) return limit + 1;
        uint32_t c = 0;
        i += DocumentCharacterAt(text, i, encoding, c);
        if (noLf && c == kLf) return limit + 1;
    }
    return count;
}

// ^[^...]{min,max}\Z, the class of the text rules: the characters it leaves
// out are a few ASCII ones, each one byte, so they are looked for in the
// bytes; and a value of ASCII alone has as many characters as bytes.
bool AcceptsAllBut(const PadRule& rule, std::string_view value, TextEncoding encoding) {
    if (value.size() < rule.min) return false;  // never more characters than bytes
    for (const char c : rule.characters->Excluded()) {
        if (value.find(c) != std::string_view::npos) return false;
    }
    const char* const end = value.data() + value.size();
    if (value.size() <= rule.max && (rule.min == 0 || FindFirstHigh(value.data(), end) == end)) {
        return true;
    }
    const size_t count = CountUpTo(value, encoding, rule.max, false);
    return count >= rule.min && count <= rule.max;
}

// ^[class]{min,max}\Z
bool AcceptsCharacters(const PadRule& rule, std::string_view value, TextEncoding encoding) {
    const CharacterSet& allowed = *rule.characters;
    if (allowed.IsAllBut()) return AcceptsAllBut(rule, value, encoding);
    size_t count = 0;
    for (size_t i = 0; i < value.size(); ++count) {
        if (count == rule.max) return false;
        uint32_t c = 0;
        i += DocumentCharacterAt(value, i, encoding, c);
        if (!allowed.Contains(c)) return false;
    }
    return count >= rule.min;
}

// ^\d.\d+\Z: the second character may be a digit as well, so "311" passes.
bool AcceptsVersionNumber(std::string_view value, TextEncoding encoding) {
    if (value.empty() || !IsDigit(value[0]) || value.size() < 3) return false;
    uint32_t second = 0;
    const size_t rest = 1 + DocumentCharacterAt(value, 1, encoding, second);
    if (second == kLf || rest >= value.size()) return false;
    for (size_t i = rest; i < value.size(); ++i) {
        if (!IsDigit(value[i])) return false;
    }
    return true;
}

// Words are ASCII, so a value of another character never equals one, and
// bytes compare as characters.
bool AcceptsChoice(const PadRule& rule, std::string_view value) {
    if (value.empty()) return rule.emptyAllowed;
    for (std::string_view word : rule.words) {
        if (value == word) return true;
    }
    return false;
}

bool AcceptsNumber(const PadRule& rule, std::string_view value) {
    if (value.empty()) return rule.emptyAllowed;
    if (value.size() != rule.width) return false;
    uint32_t number = 0;
    for (char c : value) {
        if (!IsDigit(c)) return false;
        number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    return number >= rule.min && number <= rule.max;
}

// The words of a token rule's list by their first byte, so that each
// position of a value tries only the words that can start there.
class WordsByFirstByte {
  public:
    explicit WordsByFirstByte(WordList words) {
        for (std::string_view word : words)
            words_[static_cast<unsigned char>(word[0])].push_back(word);
    }
    const std::vector<std::string_view>& StartingWith(char c) const {
        return words_[static_cast<unsigned char>(c)];
    }

  private:
    std::vector<std::string_view> words_[256];
};

// The indexes of the token rules of the PAD format, made once, on first
// use; nullptr for another rule.
const WordsByFirstByte* IndexOf(const PadRule& rule) {
    static const std::map<const std::string_view*, WordsByFirstByte> indexes = [] {
        std::map<const std::string_view*, WordsByFirstByte> made;
        for (const PadVersion version : {PadVersion::Pad311, PadVersion::Pad40}) {
            for (int32_t tag = 0; tag < PadRuleElementCount; ++tag) {
                const PadRule* each = PadElementRule(version, tag);
                if (each != nullptr && each->shape == RuleShape::TokenList) {
                    made.emplace(each->words.first, WordsByFirstByte(each->words));
                }
            }
        }
        return made;
    }();
    const auto it = indexes.find(rule.words.first);
    return it == indexes.end() ? nullptr : &it->second;
}

// Which prefixes of the value are complete lists, found position by
// position: a list that ends at position i may go on with any item that
// starts there. The items are ASCII, so bytes serve as characters. Only the
// ends within the longest item ahead are kept, in a ring.
bool AcceptsTokenList(const PadRule& rule, std::string_view value) {
    std::optional<WordsByFirstByte> own;
    const WordsByFirstByte* indexed = IndexOf(rule);
    const WordsByFirstByte& words = indexed != nullptr ? *indexed : own.emplace(rule.words);
    constexpr size_t kRing = 64;  // longer than every item
    bool endsHere[kRing] = {};
    const size_t size = value.size();
    for (size_t i = 0; i < size; ++i) {
        bool& slot = endsHere[i % kRing];
        const bool listEnds = slot;
        slot = false;
        if (i > 0 && !listEnds) continue;
        const char c = value[i];
        if (rule.separators.find(c) != std::string_view::npos && (i > 0 || !rule.tokenFirst)) {
            endsHere[(i + 1) % kRing] = true;
        }
        const std::string_view rest = value.substr(i);
        for (std::string_view token : words.StartingWith(c)) {
            if (StartsWith(rest, token)) endsHere[(i + token.size()) % kRing] = true;
        }
    }
    return size > 0 && endsHere[size % kRing];
}

bool MiddleFits(const PadRule& rule, std::string_view middle, TextEncoding encoding) {
    const size_t count = CountUpTo(middle, encoding, rule.max);
    return count >= rule.min && count <= rule.max;
}

// The scheme and the ending are ASCII, so they never cut a character of
// the middle in two.
bool AcceptsUrl(const PadRule& rule, std::string_view value, TextEncoding encoding) {
    if (value.empty()) return rule.emptyAllowed;
    for (std::string_view scheme : rule.schemes) {
        if (!StartsWith(value, scheme) || !StartsWith(value.substr(scheme.size()), "://")) continue;
        const std::string_view rest = value.substr(scheme.size() + 3);
        if (rule.words.count == 0) {
            if (MiddleFits(rule, rest, encoding)) return true;
            continue;
        }
        for (std::string_view ending : rule.words) {
            if (!EndsWith(rest, ending) || rest.size() < ending.size() + 1) continue;
            const size_t dot = rest.size() - ending.size() - 1;
            if (rest[dot] == '.' && MiddleFits(rule, rest.substr(0, dot), encoding)) return true;
        }
    }
    return false;
}

// ^.{2,30}\@.{2,63}\..{2,20}\Z: some "@" at character p and some "." at
// character q must cut the value into parts of those lengths. Such a value
// has at most 115 characters, so all the pairs are tried.
bool AcceptsEmail(std::string_view value, TextEncoding encoding) {
    constexpr size_t kLongest = 30 + 1 + 63 + 1 + 20;
    uint32_t chars[kLongest];
    size_t n = 0;
    for (size_t i = 0; i < value.size(); ++n) {
        if (n == kLongest) return false;
        i += DocumentCharacterAt(value, i, encoding, chars[n]);
        if (chars[n] == kLf) return false;
    }
    for (size_t p = 2; p <= 30 && p + 1 + 2 + 1 + 2 <= n; ++p) {
        if (chars[p] != '@') continue;
        // The domain takes 2 to 63 characters, the last part 2 to 20.
        const size_t first = std::max(p + 3, n >= 21 ? n - 21 : 0);
        const size_t last = std::min(p + 64, n - 3);
        for (size_t q = first; q <= last; ++q) {
            if (chars[q] == '.') return true;
        }
    }
    return false;
}

// [0-9#*()-\/_]: the digits, "#", "(", the range 0x29 to 0x2F ( ) * + , - . /
// and "_".
bool IsPhoneCharacter(char c) {
    return IsDigit(c) || c == '#' || c == '(' || (c >= 0x29 && c <= 0x2F) || c == '_';
}

// ^\+{0,2}(([0-9#*()-\/_] *){7,40})?\Z. "+" belongs to the class as well, so
// each way of taking none, one or two leading "+" as the prefix is tried.
bool AcceptsPhone(std::string_view value) {
    for (size_t plus = 0; plus <= 2 && plus <= value.size(); ++plus) {
        if (plus > 0 && value[plus - 1] != '+') break;
        const std::string_view rest = value.substr(plus);
        if (rest.empty()) return true;
        if (!IsPhoneCharacter(rest[0])) continue;
        size_t count = 0;
        bool fits = true;
        for (char c : rest) {
            if (IsPhoneCharacter(c)) {
                ++count;
            } else if (c != ' ') {
                fits = false;
                break;
            }
        }
        if (fits && count >= 7 && count <= 40) return true;
    }
    return false;
}

// ^([0-9]+(\.[0-9]{2})?)?\Z
bool AcceptsAmount(std::string_view value) {
    size_t i = 0;
    while (i < value.size() && IsDigit(value[i]))
        ++i;
    if (i == value.size()) return true;  // digits, or empty
    return i > 0 && value.size() == i + 3 && value[i] == '.' && IsDigit(value[i + 1]) &&
           IsDigit(value[i + 2]);
}

}  // namespace

bool PadRuleAccepts(const PadRule& rule, std::string_view value, TextEncoding encoding) {
    switch (rule.shape) {
        case RuleShape::Characters:
            return AcceptsCharacters(rule, value, encoding);
        case RuleShape::VersionNumber:
            return AcceptsVersionNumber(value, encoding);
        case RuleShape::Choice:
            return AcceptsChoice(rule, value);
        case RuleShape::Number:
            return AcceptsNumber(rule, value);
        case RuleShape::TokenList:
            return AcceptsTokenList(rule, value);
        case RuleShape::Url:
            return AcceptsUrl(rule, value, encoding);
        case RuleShape::Email:
            return AcceptsEmail(value, encoding);
        case RuleShape::Phone:
            return AcceptsPhone(value);
        case RuleShape::Amount:
            return AcceptsAmount(value);
    }
    return false;
}

}  // namespace quillot
