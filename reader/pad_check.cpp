#include "reader/pad_check.h"

#include "reader/pad_rule_match.h"
#include "reader/vocabulary.h"

namespace quillot {
size_t PadCheck::ProblemCount() const {
    size_t count = 0;
    for (const PadProblem& problem : problems)
        count += problem.kind != PadProblemKind::Removed;
    return count;
}

PadVersion DocumentPadVersion() {
    const bool englishOnly = EnglishOnly;
    EnglishOnly = false;
    const std::string_view version = FieldValueView("MASTER_PAD_VERSION");
    EnglishOnly = englishOnly;
    return version.substr(0, 2) == "4." ? PadVersion::Pad40 : PadVersion::Pad311;
}

const PadRule* RuleForRecord(PadVersion version, const PadField& field) {
    if (version == PadVersion::Pad40 && field.Section.empty() &&
        PadRuleElementName(field.TagNumber) == "Keywords") {
        return &PressReleaseKeywordsRule();
    }
    return PadElementRule(version, field.TagNumber);
}

PadCheck CheckPadDocument() {
    PadCheck check;
    check.version = DocumentPadVersion();
    const FieldTable& fields = CurrentPadFieldList();
    const TextEncoding encoding = SourceEncoding;
    for (const PadField& field : fields) {
        if (IsRemovedPadElement(field.TagNumber)) {
            check.problems.push_back(PadProblem{PadProblemKind::Removed, field, nullptr});
            continue;
        }
        const PadRule* rule = RuleForRecord(check.version, field);
        if (rule != nullptr && !PadRuleAccepts(*rule, field.Value, encoding)) {
            check.problems.push_back(PadProblem{PadProblemKind::Invalid, field, rule});
        }
    }
    const auto tags = static_cast<int32_t>(PadTagTable.size());
    for (int32_t tag = 0; tag < tags; ++tag) {
        const PadRule* rule = PadElementRule(check.version, tag);
        if (rule == nullptr || !fields.PositionsOfTag(tag).empty() ||
            PadRuleAccepts(*rule, std::string_view(), encoding)) {
            continue;
        }
        PadField missing;
        missing.TagNumber = tag;
        check.problems.push_back(PadProblem{PadProblemKind::Missing, missing, rule});
    }
    return check;
}

}  // namespace quillot
