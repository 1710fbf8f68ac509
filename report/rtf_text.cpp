#include "report/rtf_text.h"

#include "reader/byte_scan.h"

namespace quillot {

void AppendEscapedRtf(std::string& out, std::string_view text) {
    const char* const end = text.data() + text.size();
    const char* done = text.data();
    for (const char* special = FindFirstOfThree(done, end, '\\', '{', '}'); special != end;
         special = FindFirstOfThree(done, end, '\\', '{', '}')) {
        out.append(done, special);
        out += '\\';
        out += *special;
        done = special + 1;
    }
    out.append(done, end);
}

std::string EscapeRtf(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 8);
    AppendEscapedRtf(result, text);
    return result;
}

std::string LabelRun(std::string_view text) {
    std::string run = "\\cf1 ";
    run.append(text).append(": ");
    return run;
}

std::string HeadingRun(std::string_view text) {
    std::string run = "{\\cf1\\b ";
    run.append(text).append(": }");
    return run;
}

std::string StrongValueRun(std::string_view text) {
    std::string run = "{\\cf2\\b ";
    run.append(text).append("}");
    return run;
}

std::string ValueRun(std::string_view text) {
    std::string run = "{\\cf2 ";
    run.append(text).append("}");
    return run;
}

static const char* FamilyKeyword(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case 16:
            return "froman";
        case 32:
            return "fswiss";
        case 48:
            return "fmodern";
        case 64:
            return "fscript";
        case 80:
            return "fdecorative";
        default:
            return "fdontcare";
    }
}

std::string FontTableEntry(const FontMetrics& metrics, std::string_view face) {
    // A failed query leaves no pitch-and-family byte; 0 stands in for it.
    std::string entry = metrics.ok ? FamilyKeyword(metrics.pitchAndFamily)
                                   : "ERR" + std::to_string(metrics.errorCode);
    entry += ' ';
    entry += std::to_string(metrics.ok ? metrics.pitchAndFamily : 0);
    entry += ':';
    entry.append(face);
    return entry;
}

std::string RtfHeaderLine() {
    return "{\\rtf1\\ansi\\deff0\\deflang1031";
}

std::string FontTableLine(std::string_view fontTableEntry) {
    std::string line = "{\\fonttbl{\\f0\\";
    line.append(fontTableEntry).append(";}}");
    return line;
}

static std::string ColorEntry(int32_t color) {
    const uint32_t c = static_cast<uint32_t>(color);
    return "\\red" + std::to_string(c & 255) + "\\green" + std::to_string((c >> 8) & 255) +
           "\\blue" + std::to_string((c >> 16) & 255) + ";";
}

std::string ColorTableLine(int32_t labelColor, int32_t contentColor) {
    return "{\\colortbl\\red0\\green0\\blue0;" + ColorEntry(labelColor) + ColorEntry(contentColor) +
           "}";
}

std::string ParagraphFormatLine() {
    return "\\plain \\nowidctlpar\\tx3500\\tx5700\\tx6900 \\f0\\fs16";
}

}  // namespace quillot
