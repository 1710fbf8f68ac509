#include "fuzz/document_checks.h"

#include "fuzz/fuzz_check.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"
#include "reader/vocabulary.h"

namespace quillot::fuzz {
namespace {

bool IsTrimmed(std::string_view text) {
    return TrimView(text).size() == text.size();
}

int32_t ScanForPadTag(std::string_view name) {
    for (size_t i = 0; i < PadTagTable.size(); ++i) {
        if (EqualsIgnoreAsciiCase(PadTagTable[i], name)) return static_cast<int32_t>(i);
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

void CheckLookups() {
    for (size_t i = 0; i < SourceLines.Count(); ++i) {
        const std::string_view line = SourceLines[i];
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

std::vector<std::string> SnapshotSourceLines() {
    std::vector<std::string> lines;
    lines.reserve(SourceLines.Count());
    for (size_t i = 0; i < SourceLines.Count(); ++i)
        lines.emplace_back(SourceLines[i]);
    return lines;
}

void CheckSourceLineShape() {
    for (size_t i = 0; i < SourceLines.Count(); ++i) {
        const std::string_view line = SourceLines[i];
        FUZZ_CHECK(!line.empty(), "an empty line was stored");
        FUZZ_CHECK(IsTrimmed(line), "a stored line is not trimmed");
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos,
                   "a stored line holds a line end");
        const size_t lt = line.find('<');
        FUZZ_CHECK(lt == std::string_view::npos || lt == 0, "a '<' stands inside a line");
        FUZZ_CHECK(lt == std::string_view::npos || line.find('<', 1) == std::string_view::npos,
                   "a line holds two '<'");
    }
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
    for (const bool englishOnly : {false, true}) {
        EnglishOnly = englishOnly;
        for (const std::string& tag : PadTagTable) {
            const std::string value = GetFieldValue(tag);
            FUZZ_CHECK(IsTrimmed(value), "GetFieldValue answered untrimmed text");
            FUZZ_CHECK(value == GetFieldValue(AsciiLower(tag)),
                       "GetFieldValue depends on the letter case of the tag name");
        }
    }
    EnglishOnly = false;
}

}  // namespace quillot::fuzz
