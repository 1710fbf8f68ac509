// Command line of quillot-render.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/report_settings.h"

namespace quillot {

struct RenderOptions {
    std::string outDir = ".";
    int32_t labelColor = DefaultLabelColor;
    int32_t contentColor = DefaultContentColor;
    std::string fontFace = "Arial";
    std::optional<int> pitchAndFamily;  // unset: ask the platform (39 without GDI)
    bool printFields = false;
    bool help = false;
    std::vector<std::string> files;
};

struct ParsedCommandLine {
    RenderOptions options;
    std::string error;  // not empty: a usage error
};

ParsedCommandLine ParseRenderCommandLine(const std::vector<std::string>& args);

extern const char* const RenderUsage;

}  // namespace quillot
