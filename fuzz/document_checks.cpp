#include "fuzz/document_checks.h"

#include <algorithm>
#include <map>

#include "fuzz/fuzz_check.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"
#include "reader/vocabulary.h"

namespace quillot::fuzz {
namespace {

bool IsTrimmed(std::string_view text) {
    return TrimView(text).size() == text.size();
}

// The tag names in lower case, and for each the first tag number that has
// it: what a scan of PadTagTable ignoring ASCII case finds, kept in a plain
// ordered map rather than asked of the table for every line.
struct TagReference {
    std::map<std::string, int32_t, std::less<>> numbers;
    std::vector<std::string> lowerNames;  // by tag number
    size_t longest = 0;
    std::string scratch;
    std::vector<bool> seen;  // by tag number
};

TagReference& Tags() {
    static TagReference tags;
    if (tags.lowerNames.size() != PadTagTable.size()) {
        tags = TagReference();
        for (size_t i = 0; i < PadTagTable.size(); ++i) {
            tags.lowerNames.push_back(AsciiLower(PadTagTable[i]));
            tags.numbers.emplace(tags.lowerNames.back(), static_cast<int32_t>(i));
            tags.longest = std::max(tags.longest, PadTagTable[i].size());
        }
    }
    return tags;
}

int32_t ScanForPadTag(std::string_view name) {
    TagReference& tags = Tags();
    if (name.size() > tags.longest) return -1;
    tags.scratch.assign(name);
    for (char& c : tags.scratch)
        c = ToAsciiLower(c);
    const auto found = tags.numbers.find(tags.scratch);
    return found == tags.numbers.end() ? -1 : found->second;
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

void CheckLookups() {
    for (const std::string_view line : SourceLines) {
        const std::string_view tag = TagNameOf(line);
        FUZZ_CHECK(FindPadTag(tag) == ScanForPadTag(tag), "FindPadTag differs from a scan");
        for (size_t amp = line.find('&'); amp != std::string_view::npos;
             amp = line.find('&', amp + 1)) {
            const std::string_view name = line.substr(amp + 1, line.find(';', amp + 1) - amp - 1);
            if (name.size() > 8) continue;
            FUZZ_CHECK(FindEntity(name) == ScanForEntity(name), "FindEntity differs from a scan");
        }
    }
}

void SnapshotSourceLines(LinesSnapshot& snapshot) {
    snapshot.count = SourceLines.Count();
    snapshot.text.clear();
    for (const std::string_view line : SourceLines) {
        snapshot.text.append(line);
        snapshot.text.push_back('\n');
    }
}

void CheckSourceLineShape() {
    size_t count = 0;
    for (const std::string_view line : SourceLines) {
        ++count;
        FUZZ_CHECK(!line.empty(), "an empty line was stored");
        FUZZ_CHECK(IsTrimmed(line), "a stored line is not trimmed");
        for (size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            FUZZ_CHECK(c != '\r' && c != '\n', "a stored line holds a line end");
            FUZZ_CHECK(c != '<' || i == 0, "a '<' stands inside a line");
        }
    }
    FUZZ_CHECK(count == SourceLines.Count(), "the lines counted are not the lines stored");
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
