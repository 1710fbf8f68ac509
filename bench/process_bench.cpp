// Programs measured as separate processes: quillot-render over the whole real
// corpus against `xmllint --noout` over the same files, the baseline, in the
// same iterations; quillot-render on a generated 100 MB file (time and the
// child's peak resident memory) and on the files of the shapes that cost the
// most memory for their size; and quillot-render over the corpus into a new
// folder. The two that load the file system most come last, so their
// write-back does not fall into the other measurements.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench/bench_files.h"
#include "bench/child_process.h"

namespace quillot::bench {
namespace {

std::vector<std::string> WithCorpus(std::vector<std::string> argv) {
    argv.insert(argv.end(), CorpusFiles().begin(), CorpusFiles().end());
    return argv;
}

// Every iteration runs both programs, one right after the other and in
// alternating order, so both meet the same state of the machine. The
// iteration time is quillot-render's; the counters give xmllint's time and
// the ratio of the two. quillot-render renders again into the folder of the
// previous iteration. Several corpus files are not well-formed XML, so
// xmllint exits with 1 for them; it has parsed every file all the same.
void BM_CorpusQuillotRenderAgainstXmllint(benchmark::State& state) {
    const std::vector<std::string> render =
        WithCorpus({QuillotRenderPath(), "--out", NewScratchFolder("render-corpus")});
    const std::vector<std::string> xmllint = WithCorpus({"xmllint", "--noout"});
    double renderSeconds = 0;
    double xmllintSeconds = 0;
    bool renderFirst = true;
    for (auto _ : state) {
        ChildRun ours;
        ChildRun baseline;
        if (renderFirst) {
            ours = RunChild(render);
            baseline = RunChild(xmllint);
        } else {
            baseline = RunChild(xmllint);
            ours = RunChild(render);
        }
        renderFirst = !renderFirst;
        if (ours.exitStatus != 0 || baseline.exitStatus < 0) {
            state.SkipWithError("quillot-render or xmllint failed");
            return;
        }
        state.SetIterationTime(ours.seconds);
        renderSeconds += ours.seconds;
        xmllintSeconds += baseline.seconds;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["xmllint_ms"] = xmllintSeconds / iterations * 1e3;
    state.counters["ratio"] = renderSeconds / xmllintSeconds;
    state.counters["files"] = static_cast<double>(CorpusFiles().size());
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

// quillot-render over the corpus into a folder that does not exist yet, so
// it creates the folder, a sub-folder per file and every report file anew.
// The folders stay until the scratch folder goes at exit.
void BM_CorpusQuillotRenderNewFolder(benchmark::State& state) {
    static int folders = 0;
    std::vector<std::string> argv = WithCorpus({QuillotRenderPath(), "--out", ""});
    for (auto _ : state) {
        argv[2] = ScratchFolder() + "render-new-" + std::to_string(++folders);
        const ChildRun run = RunChild(argv);
        if (run.exitStatus != 0) {
            state.SkipWithError("quillot-render failed");
            return;
        }
        state.SetIterationTime(run.seconds);
    }
    state.counters["files"] = static_cast<double>(CorpusFiles().size());
}

}  // namespace

BENCHMARK(BM_CorpusQuillotRenderAgainstXmllint)
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
BENCHMARK(BM_CorpusQuillotRenderNewFolder)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace quillot::bench
