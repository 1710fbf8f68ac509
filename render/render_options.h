// Command line of quillot-render.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/report_settings.h"

namespace quillot {

struct RenderOptions {
    // The folder for the reports; empty when --out was not given, which
    // means the current folder, or no reports at all with --fields or
    // --check.
    std::string outDir;
    int32_t labelColor = DefaultLabelColor;
    int32_t contentColor = DefaultContentColor;
    std::string fontFace = "Arial";
    std::optional<int> pitchAndFamily;  // unset: ask the platform (39 without GDI)
    bool printFields = false;
    bool check = false;  // --check: the check of each file as a JSON line, and the Check report
    int jobs = 0;        // files rendered at the same time; 0: one per processor
    bool help = false;
    std::vector<std::string> files;
};

struct ParsedCommandLine {
    RenderOptions options;
    std::string error;  // not empty: a usage error
};

ParsedCommandLine ParseRenderCommandLine(const std::vector<std::string>& args);

// Whether the run writes reports: always, except for --fields or --check
// without --out.
bool WritesReports(const RenderOptions& options);
// The folder that receives the reports: --out, or the current folder.
std::string ReportFolder(const RenderOptions& options);

extern const char* const RenderUsage;

}  // namespace quillot
