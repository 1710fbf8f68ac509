#include "render/render_options.h"

#include <cerrno>
#include <cstdlib>

namespace quillot {

const char* const RenderUsage =
    "Usage: quillot-render [OPTIONS] FILE...\n"
    "Writes the three Quillot reports of each PAD file: ~PadXml.rtf (All), ~PadStd.rtf (Std)\n"
    "and ~Pad1.rtf (summary). With several files, each file's reports go into DIR/<file name>/.\n"
    "\n"
    "Options:\n"
    "  --out DIR             folder for the reports (default: the current folder, except\n"
    "                        with --fields or --check, which alone write no reports)\n"
    "  --label-color N       label colour, 0xBBGGRR as a decimal or 0x number (default 64)\n"
    "  --content-color N     content colour (default 8388608)\n"
    "  --font FACE           report font face (default Arial)\n"
    "  --pitch-family N      pitch-and-family byte of the font, 0 to 255 (default: what GDI\n"
    "                        reports on Windows, 39 elsewhere)\n"
    "  --fields              print each file's fields as JSON Lines on standard output;\n"
    "                        reports are written as well only when --out is given\n"
    "  --check               check each file against the PAD format's rules (PAD 4.0 when its\n"
    "                        MASTER_PAD_VERSION begins with \"4.\", else PAD 3.11) and print one\n"
    "                        JSON line for it: {\"file\":..,\"version\":..,\"encoding\":..,\n"
    "                        "
    "\"problems\":[{\"tag\":..,\"section\":..,\"value\":..,\"problem\":..,\n"
    "                        \"expected\":..},..]} with \"invalid\", \"missing\" or \"removed\"\n"
    "                        problems, or {\"file\":..,\"error\":\"cannot read\"}; with --out DIR\n"
    "                        it also writes the reports and the Check report ~PadChk.rtf\n"
    "  --jobs N              render N files at the same time, 1 to 256 (default: one for\n"
    "                        each processor); the output is the same for every N\n"
    "  --help                show this text\n"
    "\n"
    "Exit status: 0 when every file existed and rendered, 1 when one did not, 2 for a\n"
    "usage error or when standard output cannot be written; with --check 3 when every file\n"
    "could be read but one has an invalid or missing field.\n";

namespace {

constexpr int kMaxJobs = 256;

bool ParseNumber(const std::string& text, long long min, long long max, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    value = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    return errno == 0 && end != nullptr && *end == '\0' && value >= min && value <= max &&
           (hex || text[0] == '-' || (text[0] >= '0' && text[0] <= '9'));
}

}  // namespace

ParsedCommandLine ParseRenderCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    RenderOptions& options = parsed.options;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--fields") {
            options.printFields = true;
            continue;
        }
        if (arg == "--check") {
            options.check = true;
            continue;
        }
        const bool takesValue = arg == "--out" || arg == "--label-color" ||
                                arg == "--content-color" || arg == "--font" ||
                                arg == "--pitch-family" || arg == "--jobs";
        if (!takesValue) {
            parsed.error = "unknown option " + arg;
            return parsed;
        }
        if (i + 1 >= args.size()) {
            parsed.error = arg + " needs a value";
            return parsed;
        }
        const std::string& value = args[++i];
        long long number = 0;
        if (arg == "--out") {
            if (value.empty()) {
                parsed.error = "--out needs a folder";
                return parsed;
            }
            options.outDir = value;
        } else if (arg == "--font") {
            options.fontFace = value;
        } else if (arg == "--pitch-family") {
            if (!ParseNumber(value, 0, 255, number)) {
                parsed.error = "--pitch-family takes a number from 0 to 255, not " + value;
                return parsed;
            }
            options.pitchAndFamily = static_cast<int>(number);
        } else if (arg == "--jobs") {
            if (!ParseNumber(value, 1, kMaxJobs, number)) {
                parsed.error = "--jobs takes a number from 1 to " + std::to_string(kMaxJobs) +
                               ", not " + value;
                return parsed;
            }
            options.jobs = static_cast<int>(number);
        } else {
            if (!ParseNumber(value, INT32_MIN, UINT32_MAX, number)) {
                parsed.error = arg + " takes a 32-bit colour value, not " + value;
                return parsed;
            }
            const auto color = static_cast<int32_t>(static_cast<uint32_t>(number));
            (arg == "--label-color" ? options.labelColor : options.contentColor) = color;
        }
    }
    if (!options.help && options.files.empty()) parsed.error = "no FILE given";
    return parsed;
}

bool WritesReports(const RenderOptions& options) {
    return !(options.printFields || options.check) || !options.outDir.empty();
}

std::string ReportFolder(const RenderOptions& options) {
    return options.outDir.empty() ? "." : options.outDir;
}

}  // namespace quillot
