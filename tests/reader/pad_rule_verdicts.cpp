// The PAD format's rules as the check decides them, for pad_rules_against_re.py
// to hold against the published expressions:
//   pad_rule_verdicts rules            each rule: version TAB element TAB expression
//   pad_rule_verdicts verdicts         for each line "version TAB element TAB
//                                      encoding TAB value in hex" on standard
//                                      input, 1 (accepted) or 0 on a line
//   pad_rule_verdicts records FILE...  each record of each file as the reader
//                                      gives it: encoding TAB element TAB
//                                      section in hex TAB value in hex
// The element of Press_Release/Keywords is written so; the encoding is UTF-8
// or Windows-1252.
#include <iostream>
#include <string>
#include <vector>

#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/pad_rule_match.h"
#include "reader/pad_rules.h"
#include "reader/vocabulary.h"

namespace quillot {
namespace {

constexpr std::string_view kPressReleaseKeywords = "Press_Release/Keywords";
constexpr PadVersion kVersions[] = {PadVersion::Pad311, PadVersion::Pad40};

std::string_view EncodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252";
}

std::string Hex(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

std::string FromHex(std::string_view hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return bytes;
}

const PadRule* FindRule(std::string_view version, std::string_view element) {
    const PadVersion v = version == "4.0" ? PadVersion::Pad40 : PadVersion::Pad311;
    if (element == kPressReleaseKeywords) {
        return v == PadVersion::Pad40 ? &PressReleaseKeywordsRule() : nullptr;
    }
    for (int32_t tag = 0; tag < PadRuleElementCount; ++tag) {
        if (PadRuleElementName(tag) == element) return PadElementRule(v, tag);
    }
    return nullptr;
}

int PrintRules() {
    for (const PadVersion version : kVersions) {
        for (int32_t tag = 0; tag < PadRuleElementCount; ++tag) {
            if (const PadRule* rule = PadElementRule(version, tag)) {
                std::cout << PadVersionName(version) << '\t' << PadRuleElementName(tag) << '\t'
                          << rule->regex << '\n';
            }
        }
    }
    std::cout << "4.0\t" << kPressReleaseKeywords << '\t' << PressReleaseKeywordsRule().regex
              << '\n';
    return 0;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1))
        fields.push_back(line.substr(0, tab));
    fields.push_back(line);
    return fields;
}

int PrintVerdicts() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string_view> fields = SplitTabs(line);
        const PadRule* rule = fields.size() == 4 ? FindRule(fields[0], fields[1]) : nullptr;
        if (rule == nullptr) {
            std::cerr << "pad_rule_verdicts: no rule for: " << line << '\n';
            return 2;
        }
        const TextEncoding encoding =
            fields[2] == "UTF-8" ? TextEncoding::Utf8 : TextEncoding::Windows1252;
        std::cout << (PadRuleAccepts(*rule, FromHex(fields[3]), encoding) ? "1\n" : "0\n");
    }
    return 0;
}

int PrintRecords(const std::vector<std::string>& files) {
    InitPadReader(ReaderSetup{});
    for (const std::string& file : files) {
        if (!ReadSourceLines(file)) {
            std::cerr << "pad_rule_verdicts: no such file " << file << '\n';
            return 2;
        }
        ExtractPadFields();
        for (const PadField& field : PadFieldList) {
            std::cout << EncodingName(SourceEncoding) << '\t'
                      << PadTagTable[static_cast<size_t>(field.TagNumber)] << '\t'
                      << Hex(field.Section) << '\t' << Hex(field.Value) << '\n';
        }
    }
    return 0;
}

}  // namespace
}  // namespace quillot

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "rules") return quillot::PrintRules();
    if (args.size() == 1 && args[0] == "verdicts") return quillot::PrintVerdicts();
    if (!args.empty() && args[0] == "records") {
        return quillot::PrintRecords(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::cerr << "usage: pad_rule_verdicts rules | verdicts | records FILE...\n";
    return 2;
}
