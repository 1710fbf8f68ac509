// The PAD format's rules: for every field a regular expression and a one-line
// description of it, as the format's maintainers published them for PAD 3.11
// (the ASP, June 2010) and PAD 4.0 (AppVisor, December 2012). 68 of the
// reader's 76 element names have a rule in both; the other 8 were dropped
// from the format in 2006.
//
// The published expression is kept as text, for the tests that hold each
// rule against it. What the check evaluates is the rule's shape: a small
// typed form of the same expression that PadRuleAccepts (pad_rule_match.h)
// decides in time linear in the value, with no regular expression engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillot {

enum class PadVersion { Pad311, Pad40 };

// "3.11" or "4.0".
std::string_view PadVersionName(PadVersion version);

// The characters of a bracket expression: the code points below U+0100 each
// on its own, all those above as a whole (a negated class takes them all, the
// others none).
class CharacterSet {
  public:
    constexpr CharacterSet() = default;
    // Every character but these (at most eight, ASCII).
    static constexpr CharacterSet AllBut(std::string_view excluded) {
        CharacterSet set;
        for (uint32_t c = 0; c < 256; ++c)
            set = set.With(c, c);
        set.beyondLatin1_ = true;
        set.allBut_ = true;
        for (char c : excluded) {
            set.bits_[Word(c)] &= ~Bit(c);
            if (set.excludedCount_ < sizeof set.excluded_) set.excluded_[set.excludedCount_++] = c;
        }
        return set;
    }
    // This set and the code points from `first` to `last` (below U+0100).
    constexpr CharacterSet With(uint32_t first, uint32_t last) const {
        CharacterSet set = *this;
        for (uint32_t c = first; c <= last; ++c)
            set.bits_[c >> 6] |= uint64_t{1} << (c & 63);
        return set;
    }
    // This set and these characters (ASCII).
    constexpr CharacterSet With(std::string_view chars) const {
        CharacterSet set = *this;
        for (char c : chars)
            set.bits_[Word(c)] |= Bit(c);
        return set;
    }
    constexpr bool Contains(uint32_t c) const {
        return c < 256 ? (bits_[c >> 6] >> (c & 63)) & 1 : beyondLatin1_;
    }
    // Whether the set was made by AllBut, and the characters it leaves out.
    constexpr bool IsAllBut() const { return allBut_; }
    constexpr std::string_view Excluded() const {
        return std::string_view(excluded_, excludedCount_);
    }

  private:
    static constexpr size_t Word(char c) { return static_cast<unsigned char>(c) >> 6; }
    static constexpr uint64_t Bit(char c) {
        return uint64_t{1} << (static_cast<unsigned char>(c) & 63);
    }

    uint64_t bits_[4] = {};
    bool beyondLatin1_ = false;
    bool allBut_ = false;
    char excluded_[8] = {};
    size_t excludedCount_ = 0;
};

// A list of fixed texts (ASCII).
struct WordList {
    const std::string_view* first = nullptr;
    size_t count = 0;

    const std::string_view* begin() const { return first; }
    const std::string_view* end() const { return first + count; }
};

// The shapes that the rules' expressions take. Characters are counted as
// PadRuleAccepts describes; "any character" is any but LF.
enum class RuleShape {
    // ^[class]{min,max}\Z: `min` to `max` characters of `characters`.
    Characters,
    // ^\d.\d+\Z: a digit, any character, then one or more digits.
    VersionNumber,
    // ^(w1|w2|...)\Z: one of `words`; with `emptyAllowed` ^(...)?\Z.
    Choice,
    // Month, day and year: `width` digits whose number lies from `min` to
    // `max`, as ^(0[1-9]|1[0-2])\Z is 01 to 12; with `emptyAllowed` or empty.
    Number,
    // ^((t1|t2|...)[, ]*)+\Z and ^(t1|t2|...|,)+\Z: one or more items, each
    // one of `words` or one of the characters of `separators`; with
    // `tokenFirst` the first item is a word.
    TokenList,
    // ^(s1|s2):\/\/.{min,max}\.(e1|e2|...)\Z: one of `schemes`, "://", `min`
    // to `max` characters, then "." and one of `words`, or without the ending
    // when `words` is empty; with `emptyAllowed` ^(...)?\Z.
    Url,
    // ^.{2,30}\@.{2,63}\..{2,20}\Z: 2 to 30 characters, "@", 2 to 63
    // characters, ".", 2 to 20 characters (each part may hold "@" and ".").
    Email,
    // ^\+{0,2}(([0-9#*()-\/_] *){7,40})?\Z: up to two "+", then nothing or 7
    // to 40 characters of the class, each followed by any number of blanks
    // (")-\/" is the range 0x29 to 0x2F, so the class holds "+" too).
    Phone,
    // ^([0-9]+(\.[0-9]{2})?)?\Z: empty, or digits with "." and two digits
    // after them or not.
    Amount,
};

struct PadRule {
    std::string_view regex;        // the expression as published
    std::string_view description;  // the published description of what it asks for
    RuleShape shape = RuleShape::Characters;
    uint32_t min = 0;
    uint32_t max = 0;
    uint32_t width = 0;
    bool emptyAllowed = false;
    bool tokenFirst = false;
    const CharacterSet* characters = nullptr;
    WordList words;
    WordList schemes;
    std::string_view separators;
};

// The elements the rules are given for: the reader's 76 names, in the order
// of PadTagTable, so that a tag number is an index here.
constexpr int32_t PadRuleElementCount = 76;
// The element name of the tag number (empty beyond the 76).
std::string_view PadRuleElementName(int32_t tagNumber);

// The rule of the element in that version (the rule of
// Program_Descriptions/English/... for the description elements); nullptr
// for the eight elements the format dropped and for numbers beyond the 76.
const PadRule* PadElementRule(PadVersion version, int32_t tagNumber);
// True for the eight elements the format dropped in 2006: Program_Categories,
// Includes_JAVA_VM, Includes_VB_Runtime, Includes_DirectX, Filename_Versioned,
// Filename_Previous, Filename_Generic, Filename_Long.
bool IsRemovedPadElement(int32_t tagNumber);
// PAD 4.0's rule of Press_Release/Keywords.
const PadRule& PressReleaseKeywordsRule();

}  // namespace quillot
