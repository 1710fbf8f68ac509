#include "render/check_json.h"

#include <string>

#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "render/fields_json.h"

namespace quillot {
namespace {

const char* ProblemName(PadProblemKind kind) {
    switch (kind) {
        case PadProblemKind::Invalid:
            return "invalid";
        case PadProblemKind::Missing:
            return "missing";
        case PadProblemKind::Removed:
            return "removed";
    }
    return "";
}

}  // namespace

void WriteCheckAsJsonLine(std::ostream& out, std::string_view fileName, const PadCheck& check) {
    std::string line = "{\"file\":" + JsonString(FileNameToUtf8(fileName));
    line.append(",\"version\":\"").append(PadVersionName(check.version));
    line.append(SourceEncoding == TextEncoding::Utf8 ? "\",\"encoding\":\"UTF-8\""
                                                     : "\",\"encoding\":\"Windows-1252\"");
    line.append(",\"problems\":[");
    bool first = true;
    for (const PadProblem& problem : check.problems) {
        line.append(first ? "{\"tag\":\"" : ",{\"tag\":\"");
        first = false;
        line.append(PadTagTable[static_cast<size_t>(problem.field.TagNumber)]);
        line.append("\",\"section\":\"");
        AppendJsonText(line, problem.field.Section, SourceEncoding);
        line.append("\",\"value\":\"");
        AppendJsonText(line, problem.field.Value, SourceEncoding);
        line.append("\",\"problem\":\"").append(ProblemName(problem.kind));
        line.append("\",\"expected\":\"");
        if (problem.rule != nullptr) {
            AppendJsonText(line, problem.rule->description, TextEncoding::Windows1252);
        }
        line.append("\"}");
    }
    line.append("]}\n");
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

void WriteCheckErrorLine(std::ostream& out, std::string_view fileName, std::string_view error) {
    out << "{\"file\":" << JsonString(FileNameToUtf8(fileName))
        << ",\"error\":" << JsonString(error) << "}\n";
}

}  // namespace quillot
