#include "fuzz/pad_check_checks.h"

#include <map>
#include <string>
#include <vector>

// GCC warns of a std::function member of libstdc++'s regex automaton that
// it cannot see initialised; the code is the library's.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include "fuzz/fuzz_check.h"
#include "reader/pad_document.h"
#include "reader/pad_rule_match.h"
#include "reader/pad_rules.h"
#include "reader/vocabulary.h"

namespace quillot::fuzz {
namespace {

// std::regex takes a value of at most this many bytes: it recurses per
// character and some expressions (the categories) branch widely.
constexpr size_t kRegexValueLimit = 64;

// An expression with a repetition count above this (the 1,000 to 20,000
// characters of the long texts) makes a std::regex automaton of as many
// states, which each match sets up anew: slow enough to slow the fuzzer
// down three times. Those rules are of the plain shape of several others,
// and the Python test holds them against their expression.
constexpr size_t kRegexRepetitionLimit = 500;

bool RegexCanJudge(const PadRule& rule, std::string_view value) {
    if (value.size() > kRegexValueLimit) return false;
    if (rule.shape == RuleShape::Characters && rule.max > kRegexRepetitionLimit) return false;
    for (char c : value) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\r') return false;
    }
    return true;
}

// The rule's expression for std::regex (ECMAScript), compiled once.
const std::regex& RegexOf(const PadRule& rule) {
    static std::map<const PadRule*, std::regex> compiled;
    auto it = compiled.find(&rule);
    if (it == compiled.end()) {
        std::string pattern(rule.regex);
        FUZZ_CHECK(pattern.size() > 2 && pattern.compare(pattern.size() - 2, 2, "\\Z") == 0,
                   "an expression that does not end in \\Z");
        pattern.replace(pattern.size() - 2, 2, "$");
        it = compiled.emplace(&rule, std::regex(pattern, std::regex::ECMAScript)).first;
    }
    return it->second;
}

// The rule's verdict, checked against std::regex's where it can judge.
bool Verdict(const PadRule& rule, std::string_view value, TextEncoding encoding) {
    const bool accepted = PadRuleAccepts(rule, value, encoding);
    if (RegexCanJudge(rule, value)) {
        const bool matched = std::regex_match(value.begin(), value.end(), RegexOf(rule));
        FUZZ_CHECK(accepted == matched, std::string(rule.regex).c_str());
    }
    return accepted;
}

bool SameRecord(const PadField& a, const PadField& b) {
    return a.Value.data() == b.Value.data() && a.Value.size() == b.Value.size() &&
           a.TagNumber == b.TagNumber && a.Section == b.Section;
}

}  // namespace

void CheckPadCheck(const PadCheck& check) {
    FUZZ_CHECK(check.version == DocumentPadVersion(), "the version");
    const FieldTable& fields = CurrentPadFieldList();
    const TextEncoding encoding = SourceEncoding;
    size_t next = 0;
    size_t counted = 0;
    for (const PadField& field : fields) {
        PadProblemKind kind = PadProblemKind::Removed;
        const PadRule* rule = nullptr;
        if (!IsRemovedPadElement(field.TagNumber)) {
            rule = RuleForRecord(check.version, field);
            FUZZ_CHECK(rule != nullptr, "a record without a rule");
            if (Verdict(*rule, field.Value, encoding)) continue;
            kind = PadProblemKind::Invalid;
            ++counted;
        }
        FUZZ_CHECK(next < check.problems.size(), "a record's problem is not listed");
        const PadProblem& problem = check.problems[next++];
        FUZZ_CHECK(problem.kind == kind && problem.rule == rule && SameRecord(problem.field, field),
                   "a record's problem is not the next one listed");
    }
    for (int32_t tag = 0; tag < static_cast<int32_t>(PadTagTable.size()); ++tag) {
        const PadRule* rule = PadElementRule(check.version, tag);
        if (rule == nullptr || !fields.PositionsOfTag(tag).empty() ||
            Verdict(*rule, "", encoding)) {
            continue;
        }
        FUZZ_CHECK(next < check.problems.size(), "a missing element is not listed");
        const PadProblem& problem = check.problems[next++];
        FUZZ_CHECK(problem.kind == PadProblemKind::Missing && problem.rule == rule &&
                       problem.field.TagNumber == tag && problem.field.Value.empty() &&
                       problem.field.Section.empty(),
                   "a missing element is not the next one listed");
        ++counted;
    }
    FUZZ_CHECK(next == check.problems.size(), "more problems than the document has");
    FUZZ_CHECK(check.ProblemCount() == counted, "the count of problems");
}

void CheckRuleOnValue(size_t choice, std::string_view value) {
    std::vector<const PadRule*> rules;
    for (const PadVersion version : {PadVersion::Pad311, PadVersion::Pad40}) {
        for (int32_t tag = 0; tag < PadRuleElementCount; ++tag) {
            if (const PadRule* rule = PadElementRule(version, tag)) rules.push_back(rule);
        }
    }
    rules.push_back(&PressReleaseKeywordsRule());
    Verdict(*rules[choice % rules.size()], value, TextEncoding::Utf8);
}

}  // namespace quillot::fuzz
