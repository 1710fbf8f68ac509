#include "bench/windows/startup_bench.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
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
    DeleteFileA((profile + ".marks").c_str());
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

// The median time of each mark from the creation of the process, and the
// median time since the mark before.
void PrintMarks(const char* title, const std::vector<Marks>& runs) {
    std::printf("  %s, medians of %zu runs (ms):\n", title, runs.size());
    std::printf("    %8s %8s  %s\n", "at", "step", "mark (the step ends there)");
    for (size_t m = 0; m < runs.front().size(); ++m) {
        std::vector<double> at, step;
        for (const Marks& marks : runs) {
            at.push_back(marks[m].second);
            step.push_back(marks[m].second - (m > 0 ? marks[m - 1].second : 0));
        }
        std::printf("    %8.1f %8.1f  %s\n", Median(at), Median(step),
                    runs.front()[m].first.c_str());
    }
}

// Where the start-up time goes: the profiling builds of both programs, run in
// alternating order.
void PrintProfiles(const std::string& quillotProfile, const std::string& pad,
                   const std::string& bareProfile, const std::string& rtf, int runs) {
    std::vector<Marks> quillot, bare;
    for (int i = 0; i < runs; ++i) {
        Marks ours = ProfileOnce(quillotProfile, pad);
        Marks baseline = ProfileOnce(bareProfile, rtf);
        if (ours.empty() || baseline.empty() ||
            (!quillot.empty() &&
             (ours.size() != quillot.front().size() || baseline.size() != bare.front().size()))) {
            std::printf("  start-up profiles: run %d gave no complete marks\n", i + 1);
            return;
        }
        quillot.push_back(std::move(ours));
        bare.push_back(std::move(baseline));
    }
    PrintMarks("where Quillot's start-up time goes (startup_profile.exe)", quillot);
    PrintMarks("the baseline's (bare_profile.exe)", bare);
}

}  // namespace

bool RunStartupBench(const BenchSetup& setup) {
    const std::string folder = setup.folder + "\\startup";
    CreateDirectoryA(folder.c_str(), nullptr);
    // A copy of its own, so that its INI file is the benchmark's.
    const std::string quillot = CopyInto(setup.quillot, folder);
    const std::string bare = CopyInto(setup.bare, folder);
    const std::string floor = CopyInto(setup.floor, folder);
    const std::string profile = CopyInto(setup.profile, folder);
    const std::string bareProfile = CopyInto(setup.bareProfile, folder);
    const std::string pad = CopyInto(setup.corpus + kTypicalFile, folder);
    const std::string reports = folder + "\\reports";
    CreateDirectoryA(reports.c_str(), nullptr);
    if (quillot.empty() || bare.empty() || floor.empty() || profile.empty() ||
        bareProfile.empty() || pad.empty() ||
        RunToEnd(setup.render, "--out \"" + reports + "\" \"" + pad + "\"") != 0) {
        std::printf("start-up: could not prepare %s\n", folder.c_str());
        return false;
    }
    // The baseline shows the Standard report that Quillot shows for the file.
    const std::string rtf = reports + "\\~PadStd.rtf";

    std::printf("Start-up, %s, %s (%s bytes), %d rounds, the programs in rotating order\n", Width(),
                kTypicalFile, WithThousands(GetCompressedFileSizeA(pad.c_str(), nullptr)).c_str(),
                setup.repetitions);
    // Quillot, the baseline, the window floor and the other Quillot, if any
    // (a copy in a folder of its own, with its own INI file): one start of
    // each first, so that the INI files exist and the files are cached.
    std::vector<std::pair<std::string, std::string>> programs = {
        {quillot, pad}, {bare, rtf}, {floor, rtf}};
    if (!setup.other.empty()) {
        const std::string otherFolder = folder + "\\other";
        CreateDirectoryA(otherFolder.c_str(), nullptr);
        programs.emplace_back(CopyInto(setup.other, otherFolder), pad);
    }
    const size_t count = programs.size();
    for (const auto& program : programs) {
        if (program.first.empty() || TimeStart(program.first, program.second) < 0) {
            std::printf("  %s did not show its window\n", program.first.c_str());
            return false;
        }
    }
    std::vector<std::vector<double>> times(count);
    std::vector<double> ratios, floorRatios, otherRatios;
    for (int i = 0; i < setup.repetitions; ++i) {
        std::vector<double> round(count);
        for (size_t k = 0; k < count; ++k) {
            const size_t which = (static_cast<size_t>(i) + k) % count;
            round[which] = TimeStart(programs[which].first, programs[which].second);
            if (round[which] < 0) {
                std::printf("  %s did not show its window\n", programs[which].first.c_str());
                return false;
            }
        }
        for (size_t k = 0; k < count; ++k)
            times[k].push_back(round[k]);
        ratios.push_back(round[0] / round[1]);
        floorRatios.push_back(round[2] / round[1]);
        if (count > 3) otherRatios.push_back(round[0] / round[3]);
    }
    const double ratio = Median(ratios);
    const bool met = ratio <= kTargetRatio;
    std::printf("  %-50s %8.1f ms\n", "bare RichEdit20A window, one RTF file (baseline)",
                Median(times[1]) * 1e3);
    std::printf("  %-50s %8.1f ms  (%.2f x baseline)\n",
                "Quillot's windows, nothing else (window_floor)", Median(times[2]) * 1e3,
                Median(floorRatios));
    std::printf("  %-50s %8.1f ms\n", "Quillot.exe", Median(times[0]) * 1e3);
    std::printf("  %-50s %8.2f  (ratio of medians %.2f; target <= %.1f): %s\n",
                "Quillot / baseline, median of the rounds", ratio,
                Median(times[0]) / Median(times[1]), kTargetRatio, met ? "met" : "MISSED");
    if (count > 3) {
        std::printf("  %-50s %8.1f ms\n", "the other Quillot.exe", Median(times[3]) * 1e3);
        std::printf("  %-50s %8.3f  (ratio of medians %.3f)\n",
                    "Quillot / the other, median of the rounds", Median(otherRatios),
                    Median(times[0]) / Median(times[3]));
    }
    PrintProfiles(profile, pad, bareProfile, rtf, setup.profileRuns);
    return met;
}

}  // namespace quillot::bench
