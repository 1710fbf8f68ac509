// What the report writers need from their caller: where to write (a
// folder, or memory), the font-table entry of the report font, the two
// colours, the document path and whether the Check report is wanted.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace quillot {

// The report file names, in the folder of ReportSettings::folder.
constexpr const char* SummaryReportName = "~Pad1.rtf";
constexpr const char* StandardReportName = "~PadStd.rtf";
constexpr const char* AllFieldsReportName = "~PadXml.rtf";
constexpr const char* CheckReportName = "~PadChk.rtf";

constexpr int32_t DefaultLabelColor = 0x40;        // dark red
constexpr int32_t DefaultContentColor = 0x800000;  // navy

// Reports written into memory: each report's text under its file name, byte
// for byte what the file would hold. A report written again replaces its text
// (keeping the storage, so a reused map stops allocating).
using ReportTexts = std::map<std::string, std::string, std::less<>>;

struct ReportSettings {
    std::string folder;             // ends with its separator ("\" in the viewer)
    ReportTexts* memory = nullptr;  // set: the reports go there, and no file is written
    std::string fontTableEntry;     // what follows "{\fonttbl{\f0\" (see FontTableEntry)
    int32_t labelColor = DefaultLabelColor;
    int32_t contentColor = DefaultContentColor;
    std::string currentFilePath;  // the document being shown, or empty
    bool checkReport = false;     // also write the Check report, "~PadChk.rtf"
};

// Writes "~PadXml.rtf", "~PadStd.rtf" and "~Pad1.rtf" in this order, and
// "~PadChk.rtf" after them when settings.checkReport is set; a failure
// (IoError) stops the writers that follow.
void WriteAllReports(const ReportSettings& settings);

}  // namespace quillot
