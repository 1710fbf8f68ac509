#include "bench/windows/startup_bench.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/windows/bench_timing.h"
#include "bench/windows/viewer_process.h"

namespace quillot::bench {
namespace {

// The typical PAD file of the other benchmarks (15 KB, UTF-8).
constexpr const char* kTypicalFile = "floriwan_jogoverein_pad_file.xml";
constexpr double kTimeoutSeconds = 60;
constexpr double kTargetRatio = 1.2;
// Time for the previous process's windows and files to go before the next
// start.
constexpr DWORD kSettleMs = 100;

// One start: the seconds from process start to the painted window, or a
// negative value when the window did not appear.
double TimeStart(const std::string& program, const std::string& argument) {
    ViewerProcess process;
    if (!process.Start(program, "\"" + argument + "\"")) return -1;
    double seconds = 0;
    HWND window = process.WaitUntilPainted(kTimeoutSeconds, seconds);
    const bool closed = process.Close(window);
    Sleep(kSettleMs);
    return window && closed ? seconds : -1;
}

// The marks of one run of the profiling program, in their order: name and
// milliseconds from the creation of the process.
using Marks = std::vector<std::pair<std::string, double>>;

// The last entry is the time at which this process saw the window painted.
Marks ProfileOnce(const std::string& profile, const std::string& argument) {
    ViewerProcess process;
    Marks marks;
    double seconds = 0;
    HWND window = process.Start(profile, "\"" + argument + "\"")
                      ? process.WaitUntilPainted(kTimeoutSeconds, seconds)
                      : nullptr;
    if (!process.Close(window) || !window) return marks;
    std::ifstream in(profile + ".marks");
    std::string line;
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        marks.emplace_back(line.substr(tab + 1), std::stod(line.substr(0, tab)));
    }
    marks.emplace_back("seen painted from outside", seconds * 1e3);
    Sleep(kSettleMs);
    return marks;
}

// Where the start-up time goes: the median time of each mark from the
// creation of the process, and the median time since the mark before.
void PrintProfile(const std::string& profile, const std::string& argument, int runs) {
    std::vector<Marks> all;
    for (int i = 0; i < runs; ++i) {
        Marks marks = ProfileOnce(profile, argument);
        if (marks.empty() || (!all.empty() && marks.size() != all.front().size())) {
            std::printf("  start-up profile: run %d gave no complete marks\n", i + 1);
            return;
        }
        all.push_back(std::move(marks));
    }
    std::printf("  where the time goes (startup_profile.exe, medians of %d runs, ms):\n", runs);
    std::printf("    %8s %8s  %s\n", "at", "step", "mark (the step ends there)");
    for (size_t m = 0; m < all.front().size(); ++m) {
        std::vector<double> at, step;
        for (const Marks& marks : all) {
            at.push_back(marks[m].second);
            step.push_back(marks[m].second - (m > 0 ? marks[m - 1].second : 0));
        }
        std::printf("    %8.1f %8.1f  %s\n", Median(at), Median(step),
                    all.front()[m].first.c_str());
    }
}

}  // namespace

bool RunStartupBench(const BenchSetup& setup) {
    const std::string folder = setup.folder + "\\startup";
    CreateDirectoryA(folder.c_str(), nullptr);
    // A copy of its own, so that its INI file is the benchmark's.
    const std::string quillot = CopyInto(setup.quillot, folder);
    const std::string bare = CopyInto(setup.bare, folder);
    const std::string profile = CopyInto(setup.profile, folder);
    const std::string pad = CopyInto(setup.corpus + kTypicalFile, folder);
    const std::string reports = folder + "\\reports";
    CreateDirectoryA(reports.c_str(), nullptr);
    if (quillot.empty() || bare.empty() || profile.empty() || pad.empty() ||
        RunToEnd(setup.render, "--out \"" + reports + "\" \"" + pad + "\"") != 0) {
        std::printf("start-up: could not prepare %s\n", folder.c_str());
        return false;
    }
    // The baseline shows the Standard report that Quillot shows for the file.
    const std::string rtf = reports + "\\~PadStd.rtf";

    std::printf("Start-up, %s, %s (%s bytes), %d pairs in alternating order\n", Width(),
                kTypicalFile, WithThousands(GetCompressedFileSizeA(pad.c_str(), nullptr)).c_str(),
                setup.repetitions);
    // One start of each first: the INI file exists and the files are cached.
    if (TimeStart(quillot, pad) < 0 || TimeStart(bare, rtf) < 0) {
        std::printf("  a program did not show its window\n");
        return false;
    }
    std::vector<double> ours, baseline, ratios;
    for (int i = 0; i < setup.repetitions; ++i) {
        double q = 0, b = 0;
        if (i % 2 == 0) {
            q = TimeStart(quillot, pad);
            b = TimeStart(bare, rtf);
        } else {
            b = TimeStart(bare, rtf);
            q = TimeStart(quillot, pad);
        }
        if (q < 0 || b < 0) {
            std::printf("  a program did not show its window\n");
            return false;
        }
        ours.push_back(q);
        baseline.push_back(b);
        ratios.push_back(q / b);
    }
    const double ratio = Median(ratios);
    const bool met = ratio <= kTargetRatio;
    std::printf("  %-46s %8.1f ms\n", "bare RichEdit20A window, one RTF file (baseline)",
                Median(baseline) * 1e3);
    std::printf("  %-46s %8.1f ms\n", "Quillot.exe", Median(ours) * 1e3);
    std::printf("  %-46s %8.2f  (ratio of medians %.2f; target <= %.1f): %s\n",
                "Quillot / baseline, median of the pairs", ratio, Median(ours) / Median(baseline),
                kTargetRatio, met ? "met" : "MISSED");
    PrintProfile(profile, pad, setup.profileRuns);
    return met;
}

}  // namespace quillot::bench
