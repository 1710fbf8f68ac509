#include "fuzz/document_checks.h"

#include <string>
#include <vector>

#include "fuzz/byte_finder.h"
#include "fuzz/fuzz_check.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"
#include "reader/vocabulary.h"

namespace quillot::fuzz {
namespace {

bool IsTrimmed(std::string_view text) {
    return TrimView(text).size() == text.size();
}

// The tag names in lower case, grouped by length: a scan of PadTagTable
// ignoring ASCII case need only look at the names of the same length, in
// table order, so the first that matches is the first of the table. Compared
// byte by byte rather than through a map of strings, whose memcmp calls the
// fuzzer hooks and which cost more than the lookups under test.
struct TagReference {
    std::vector<std::string> lowerNames;                // by tag number
    std::vector<std::vector<int32_t>> numbersByLength;  // in table order
    std::vector<bool> seen;                             // by tag number
};

TagReference& Tags() {
    static TagReference tags;
    if (tags.lowerNames.size() != PadTagTable.size()) {
        tags = TagReference();
        for (size_t i = 0; i < PadTagTable.size(); ++i) {
            tags.lowerNames.push_back(AsciiLower(PadTagTable[i]));
            const size_t length = PadTagTable[i].size();
            if (tags.numbersByLength.size() <= length) tags.numbersByLength.resize(length + 1);
            tags.numbersByLength[length].push_back(static_cast<int32_t>(i));
        }
    }
    return tags;
}

bool EqualsLowerName(std::string_view name, const std::string& lowerName) {
    for (size_t i = 0; i < name.size(); ++i) {
        if (ToAsciiLower(name[i]) != lowerName[i]) return false;
    }
    return true;
}

int32_t ScanForPadTag(std::string_view name) {
    const TagReference& tags = Tags();
    if (name.size() >= tags.numbersByLength.size()) return -1;
    for (const int32_t tag : tags.numbersByLength[name.size()]) {
        if (EqualsLowerName(name, tags.lowerNames[static_cast<size_t>(tag)])) return tag;
    }
    return -1;
}

const EntityEntry* ScanForEntity(std::string_view name) {
    for (const EntityEntry& entry : EntityTable) {
        if (entry.Name == name) return &entry;
    }
    return nullptr;
}

// The name of a line's tag, "/" marks removed, or the line after "<" when no
// ">" follows; empty for a line without "<".
std::string_view TagNameOf(std::string_view line) {
    if (line.empty() || line.front() != '<') return {};
    std::string_view name = line.substr(1, line.find('>') - 1);
    name = TrimView(name);
    if (!name.empty() && name.back() == '/') name.remove_suffix(1);
    if (!name.empty() && name.front() == '/') name.remove_prefix(1);
    return TrimView(name);
}

}  // namespace

void SnapshotSourceLines(LinesSnapshot& snapshot) {
    snapshot.count = SourceLines.Count();
    snapshot.text.clear();
    for (const std::string_view line : SourceLines) {
        snapshot.text.append(line);
        snapshot.text.push_back('\n');
    }
}

void CheckSourceLines(const LinesSnapshot& other) {
    const std::string& otherText = other.text;
    size_t count = 0;
    size_t at = 0;  // where the line stands in otherText
    for (const std::string_view line : SourceLines) {
        ++count;
        FUZZ_CHECK(!line.empty(), "an empty line was stored");
        FUZZ_CHECK(IsTrimmed(line), "a stored line is not trimmed");
        FUZZ_CHECK(otherText.size() - at > line.size() && otherText[at + line.size()] == '\n' &&
                       SameBytes(line.data(), otherText.data() + at, line.size()),
                   "the block size changed the lines");
        at += line.size() + 1;
        // The bytes that a walk over the lines looks at.
        const auto next = [&](size_t from) {
            return NextByte<false, '\r', '\n', '<', '&'>(line, from);
        };
        for (size_t i = next(0); i < line.size(); i = next(i + 1)) {
            const char c = line[i];
            FUZZ_CHECK(c != '\r' && c != '\n', "a stored line holds a line end");
            FUZZ_CHECK(c != '<' || i == 0, "a '<' stands inside a line");
            if (c == '&') {
                const std::string_view name = line.substr(i + 1, line.find(';', i + 1) - i - 1);
                FUZZ_CHECK(name.size() > 8 || FindEntity(name) == ScanForEntity(name),
                           "FindEntity differs from a scan");
            }
        }
        const std::string_view tag = TagNameOf(line);
        FUZZ_CHECK(FindPadTag(tag) == ScanForPadTag(tag), "FindPadTag differs from a scan");
    }
    FUZZ_CHECK(count == SourceLines.Count(), "the lines counted are not the lines stored");
    FUZZ_CHECK(count == other.count && at == otherText.size(), "the block size changed the lines");
}

void CheckFieldShape() {
    FUZZ_CHECK(PadFieldList.Count() <= SourceLines.Count(), "more records than lines");
    for (const PadField& field : PadFieldList) {
        FUZZ_CHECK(!field.Value.empty(), "a record with an empty value");
        FUZZ_CHECK(IsTrimmed(field.Value), "a record value is not trimmed");
        FUZZ_CHECK(field.Value.find('\n') == std::string::npos, "a record value holds LF");
        FUZZ_CHECK(
            field.TagNumber >= 0 && static_cast<size_t>(field.TagNumber) < PadTagTable.size(),
            "a record with an unknown tag number");
        FUZZ_CHECK(field.IsShort == 0 || field.IsShort == 1, "IsShort is neither 0 nor 1");
        FUZZ_CHECK(field.Value.size() >= 80 || field.IsShort == 1,
                   "a value shorter than 80 characters is not marked short");
    }
    // Every tag that has a record, once, with both settings of EnglishOnly;
    // a tag without one answers empty text. (That the lookup of every tag
    // name finds its tag whatever the letter case, CheckTagNameLookups says.)
    TagReference& tags = Tags();
    tags.seen.assign(PadTagTable.size(), false);
    for (const PadField& field : PadFieldList) {
        const auto tag = static_cast<size_t>(field.TagNumber);
        if (tags.seen[tag]) continue;
        tags.seen[tag] = true;
        for (const bool englishOnly : {false, true}) {
            EnglishOnly = englishOnly;
            const std::string_view value = FieldValueView(PadTagTable[tag]);
            FUZZ_CHECK(IsTrimmed(value), "FieldValueView answered untrimmed text");
            FUZZ_CHECK(value == FieldValueView(tags.lowerNames[tag]),
                       "FieldValueView depends on the letter case of the tag name");
        }
    }
    EnglishOnly = false;
    for (size_t tag = 0; tag < PadTagTable.size(); ++tag) {
        FUZZ_CHECK(tags.seen[tag] || FieldValueView(PadTagTable[tag]).empty(),
                   "a tag without records answers a value");
    }
}

void CheckTagNameLookups() {
    const TagReference& tags = Tags();
    for (size_t tag = 0; tag < PadTagTable.size(); ++tag) {
        const int32_t scanned = ScanForPadTag(PadTagTable[tag]);
        FUZZ_CHECK(FindPadTag(PadTagTable[tag]) == scanned, "FindPadTag differs from a scan");
        FUZZ_CHECK(FindPadTag(tags.lowerNames[tag]) == scanned,
                   "FindPadTag depends on the letter case of the tag name");
    }
}

}  // namespace quillot::fuzz
