// Programs measured as separate processes, each against a baseline measured
// in the same iterations: quillot-render over the corpus copied 50 times
// (3,000 files) with --fields alone, with --check alone (also against
// --fields) and into the folder of its previous run, each against `xmllint
// --noout` over the same files; into a new folder,
// with the default jobs against --jobs 1 and against a plain loop that
// creates the same folders and empty files; and quillot-render on a
// generated 100 MB file and on the files of the shapes that cost the most
// memory for their size (time and the child's peak resident memory). The
// ones that create files come last, so their write-back does not fall into
// the other measurements.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <thread>

#include "bench/bench_files.h"
#include "bench/child_process.h"
#include "report/report_settings.h"

namespace quillot::bench {
namespace {

std::vector<std::string> WithCopiedCorpus(std::vector<std::string> argv) {
    argv.insert(argv.end(), CopiedCorpusFiles().begin(), CopiedCorpusFiles().end());
    return argv;
}

// Runs the programs of one iteration one right after the other, in an order
// that turns by one each iteration, so that each meets every state of the
// machine (and of the file system's write-back) as often as the others.
template <typename Run>
void InTurns(int iteration, std::vector<Run>& runs) {
    const size_t count = runs.size();
    for (size_t i = 0; i < count; ++i)
        runs[(i + static_cast<size_t>(iteration)) % count]();
}

// One program of a comparison: its command line, the counter prefix of its
// figures ("" for the one whose time is the iteration time) and the exit
// statuses that count as success (any status when empty).
struct ComparedRun {
    std::vector<std::string> argv;
    std::string name;
    std::vector<int> accepted;
    bool inWorkFolder = false;
    double seconds = 0;
    double processor = 0;
};

// The programs over the same 3,000 files in the same iterations, in turns.
// The first one's time is the iteration time; the counters give each other's
// time (NAME_ms, NAME_cpu_ms) and the first one's ratio to it (the first
// other one's as "ratio", the later ones' as NAME_ratio), and the first
// one's own processor time (cpu_ms). Several corpus files are not
// well-formed XML, so xmllint exits with 1 for them; it has parsed every
// file all the same. quillot-render runs in an empty folder of its own,
// which must stay empty.
void InTurnsOverTheCorpus(benchmark::State& state, std::vector<ComparedRun> programs,
                          const std::string& workName) {
    const std::string workFolder = NewScratchFolder(workName);
    int iteration = 0;
    for (auto _ : state) {
        std::vector<ChildRun> results(programs.size());
        std::vector<std::function<void()>> runs;
        for (size_t k = 0; k < programs.size(); ++k) {
            runs.push_back([&, k] {
                results[k] = programs[k].inWorkFolder ? RunChild(programs[k].argv, workFolder)
                                                      : RunChild(programs[k].argv);
            });
        }
        InTurns(iteration++, runs);
        for (size_t k = 0; k < programs.size(); ++k) {
            const std::vector<int>& accepted = programs[k].accepted;
            const bool ok = accepted.empty() ? results[k].exitStatus >= 0
                                             : std::find(accepted.begin(), accepted.end(),
                                                         results[k].exitStatus) != accepted.end();
            if (!ok) {
                state.SkipWithError("quillot-render or xmllint failed");
                return;
            }
            programs[k].seconds += results[k].seconds;
            programs[k].processor += results[k].processorSeconds;
        }
        state.SetIterationTime(results[0].seconds);
    }
    if (!std::filesystem::is_empty(workFolder)) {
        state.SkipWithError("quillot-render wrote into its working folder");
        return;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["cpu_ms"] = programs[0].processor / iterations * 1e3;
    for (size_t k = 1; k < programs.size(); ++k) {
        const ComparedRun& other = programs[k];
        state.counters[other.name + "_ms"] = other.seconds / iterations * 1e3;
        state.counters[other.name + "_cpu_ms"] = other.processor / iterations * 1e3;
        state.counters[k == 1 ? "ratio" : other.name + "_ratio"] =
            programs[0].seconds / other.seconds;
    }
    state.counters["files"] = static_cast<double>(CopiedCorpusFiles().size());
}

ComparedRun Render(const std::vector<std::string>& options, std::vector<int> accepted = {0}) {
    std::vector<std::string> argv = {QuillotRenderPath()};
    argv.insert(argv.end(), options.begin(), options.end());
    return ComparedRun{WithCopiedCorpus(argv), "", std::move(accepted), true};
}

ComparedRun Xmllint() {
    return ComparedRun{WithCopiedCorpus({"xmllint", "--noout"}), "xmllint", {}, false};
}

// quillot-render against xmllint --noout, in alternating order.
void AgainstXmllint(benchmark::State& state, const std::vector<std::string>& options) {
    InTurnsOverTheCorpus(state, {Render(options), Xmllint()},
                         "work-" + std::to_string(options.size()));
}

// --fields alone: the fields as JSON Lines on standard output, no reports.
void BM_CorpusFieldsAgainstXmllint(benchmark::State& state) {
    AgainstXmllint(state, {"--fields"});
}

// --check alone (one JSON line per file, no reports), against xmllint
// --noout and against --fields alone, all three over the same files in the
// same iterations, in turns. The iteration time is that of --check; the
// corpus has files with problems, so --check ends with 3.
void BM_CorpusCheckAgainstXmllint(benchmark::State& state) {
    ComparedRun fields = Render({"--fields"});
    fields.name = "fields";
    InTurnsOverTheCorpus(state, {Render({"--check"}, {0, 3}), Xmllint(), fields}, "work-check");
}

// The reports, rendered again into the folder of the previous iteration.
void BM_CorpusRenderAgainstXmllint(benchmark::State& state) {
    AgainstXmllint(state, {"--out", NewScratchFolder("render-again")});
}

// quillot-render on the file and, in the same iteration, on an empty file:
// the baseline, the program's own footprint. What the document costs is the
// difference of the two peaks (ru_maxrss), set against the file's size.
void RenderMemory(benchmark::State& state, const std::string& file, const std::string& folder) {
    const std::vector<std::string> render = {QuillotRenderPath(), "--out", NewScratchFolder(folder),
                                             file};
    const std::vector<std::string> empty = {QuillotRenderPath(), "--out",
                                            NewScratchFolder(folder + "-empty"), EmptyFile()};
    long peakKb = 0;
    long baselineKb = 0;
    for (auto _ : state) {
        const ChildRun baseline = RunChild(empty);
        const ChildRun run = RunChild(render);
        if (run.exitStatus != 0 || baseline.exitStatus != 0) {
            state.SkipWithError("quillot-render failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        peakKb = std::max(peakKb, run.peakRssKb);
        baselineKb = std::max(baselineKb, baseline.peakRssKb);
    }
    const double fileBytes = static_cast<double>(FileSize(file));
    state.counters["file_MB"] = fileBytes / (1 << 20);
    state.counters["peak_rss_MB"] = static_cast<double>(peakKb) / 1024.0;
    state.counters["baseline_rss_MB"] = static_cast<double>(baselineKb) / 1024.0;
    state.counters["rss_per_file_size"] =
        static_cast<double>(peakKb - baselineKb) * 1024.0 / fileBytes;
}

void BM_RenderGenerated100MB(benchmark::State& state) {
    RenderMemory(state, GeneratedFile(100), "render-100MB");
}

// The shapes that cost the most memory for their size (pad_generator.h).
void BM_RenderPeakMemory(benchmark::State& state, MemoryShape shape, size_t bytes) {
    RenderMemory(state, ShapeFile(shape, bytes),
                 "memory-" + std::to_string(static_cast<int>(shape)));
}

// What quillot-render creates for the copied corpus in a new folder DIR,
// done by a plain loop: DIR, a folder per file (named as quillot-render
// names it: the file name, "-2", "-3", ... for a name seen before) and the
// three report files in it, empty. Returns the seconds it took.
double CreateFoldersAndEmptyFiles(const std::string& dir) {
    const auto start = std::chrono::steady_clock::now();
    if (mkdir(dir.c_str(), 0777) != 0) throw std::runtime_error("mkdir failed: " + dir);
    std::map<std::string, int> seen;
    for (const std::string& file : CopiedCorpusFiles()) {
        const std::string name = std::filesystem::path(file).filename().string();
        const int copy = ++seen[name];
        const std::string folder = dir + "/" + name + (copy == 1 ? "" : "-" + std::to_string(copy));
        if (mkdir(folder.c_str(), 0777) != 0) throw std::runtime_error("mkdir failed: " + folder);
        for (const char* report : {AllFieldsReportName, StandardReportName, SummaryReportName}) {
            const std::string path = folder + "/" + report;
            const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
            if (fd < 0 || close(fd) != 0) throw std::runtime_error("cannot create " + path);
        }
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// quillot-render into a folder that does not exist yet, so that it creates
// a folder per file and every report file anew: with the default number of
// jobs (the time of the iteration), with --jobs 1, and the plain loop that
// creates the same folders and empty files, all three in the same
// iterations, in turns. The folders stay until the scratch folder goes at exit.
void BM_CorpusRenderNewFolder(benchmark::State& state) {
    static int folders = 0;
    std::vector<std::string> parallel = WithCopiedCorpus({QuillotRenderPath(), "--out", ""});
    std::vector<std::string> serial =
        WithCopiedCorpus({QuillotRenderPath(), "--jobs", "1", "--out", ""});
    double parallelSeconds = 0;
    double serialSeconds = 0;
    double creationSeconds = 0;
    double parallelProcessor = 0;
    double serialProcessor = 0;
    int iteration = 0;
    for (auto _ : state) {
        ChildRun ours;
        ChildRun oneJob;
        std::vector<std::function<void()>> runs = {
            [&] {
                parallel[2] = ScratchFolder() + "render-new-" + std::to_string(++folders);
                ours = RunChild(parallel);
            },
            [&] {
                serial[4] = ScratchFolder() + "render-new-" + std::to_string(++folders);
                oneJob = RunChild(serial);
            },
            [&] {
                creationSeconds += CreateFoldersAndEmptyFiles(ScratchFolder() + "create-new-" +
                                                              std::to_string(++folders));
            }};
        InTurns(iteration++, runs);
        if (ours.exitStatus != 0 || oneJob.exitStatus != 0) {
            state.SkipWithError("quillot-render failed");
            return;
        }
        state.SetIterationTime(ours.seconds);
        parallelSeconds += ours.seconds;
        serialSeconds += oneJob.seconds;
        parallelProcessor += ours.processorSeconds;
        serialProcessor += oneJob.processorSeconds;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["jobs"] = static_cast<double>(std::max(1u, std::thread::hardware_concurrency()));
    state.counters["one_job_ms"] = serialSeconds / iterations * 1e3;
    state.counters["speedup"] = serialSeconds / parallelSeconds;
    state.counters["creation_ms"] = creationSeconds / iterations * 1e3;
    state.counters["ratio"] = parallelSeconds / creationSeconds;
    state.counters["cpu_ms"] = parallelProcessor / iterations * 1e3;
    state.counters["one_job_cpu_ms"] = serialProcessor / iterations * 1e3;
    state.counters["files"] = static_cast<double>(CopiedCorpusFiles().size());
}

}  // namespace

BENCHMARK(BM_CorpusFieldsAgainstXmllint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CorpusCheckAgainstXmllint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CorpusRenderAgainstXmllint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RenderGenerated100MB)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
#define QUILLOT_MEMORY_BENCHMARK(name, shape, bytes)           \
    BENCHMARK_CAPTURE(BM_RenderPeakMemory, name, shape, bytes) \
        ->Unit(benchmark::kMillisecond)                        \
        ->UseManualTime()                                      \
        ->Iterations(1)                                        \
        ->Repetitions(3)                                       \
        ->ReportAggregatesOnly(true)
QUILLOT_MEMORY_BENCHMARK(long_section_name_7000_fields, MemoryShape::LongSectionName,
                         LongSectionNameBytes(7000));
QUILLOT_MEMORY_BENCHMARK(long_section_name_100MB, MemoryShape::LongSectionName, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(tiny_fields_100MB, MemoryShape::TinyFields, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(densest_fields_100MB, MemoryShape::DensestFields, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(densest_lines_100MB, MemoryShape::DensestLines, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(one_large_value_100MB, MemoryShape::OneLargeValue, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(rtf_specials_value_100MB, MemoryShape::RtfSpecialsValue, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(chinese_value_100MB, MemoryShape::ChineseValue, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(emoji_value_100MB, MemoryShape::EmojiValue, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(long_comment_100MB, MemoryShape::LongComment, 100 << 20);
QUILLOT_MEMORY_BENCHMARK(unclosed_comment_100MB, MemoryShape::UnclosedComment, 100 << 20);
BENCHMARK(BM_CorpusRenderNewFolder)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace quillot::bench
