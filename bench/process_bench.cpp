// Programs measured as separate processes: quillot-render on a generated
// 100 MB file (time and the child's peak resident memory), and quillot-render
// over the whole real corpus, rendering again into its folder and rendering
// into a new one, against `xmllint --noout` over the same files, the
// baseline, in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench/bench_files.h"
#include "bench/child_process.h"

namespace quillot::bench {
namespace {

void RunMeasured(benchmark::State& state, const std::vector<std::string>& argv, bool mustSucceed,
                 double fileBytes) {
    double peakRssKb = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(argv);
        if (run.exitStatus < 0 || (mustSucceed && run.exitStatus != 0)) {
            state.SkipWithError((argv[0] + " failed").c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        peakRssKb = std::max(peakRssKb, static_cast<double>(run.peakRssKb));
    }
    state.counters["peak_rss_MB"] = peakRssKb / 1024.0;
    if (fileBytes > 0) state.counters["rss_per_file_size"] = peakRssKb * 1024.0 / fileBytes;
}

void BM_RenderGenerated100MB(benchmark::State& state) {
    const std::string& file = GeneratedFile(100);
    RunMeasured(state, {QuillotRenderPath(), "--out", NewScratchFolder("render-100MB"), file}, true,
                static_cast<double>(FileSize(file)));
    state.counters["file_MB"] = static_cast<double>(FileSize(file)) / (1 << 20);
}

void BM_CorpusQuillotRender(benchmark::State& state) {
    std::vector<std::string> argv = {QuillotRenderPath(), "--out",
                                     NewScratchFolder("render-corpus")};
    argv.insert(argv.end(), CorpusFiles().begin(), CorpusFiles().end());
    RunMeasured(state, argv, true, 0);
    state.counters["files"] = static_cast<double>(CorpusFiles().size());
}

// The same into a folder that does not exist yet, so quillot-render creates
// the folder, a sub-folder per file and every report file anew. The folders
// stay until the scratch folder goes at exit: deleting them here would load
// the file system while the other benchmarks run.
void BM_CorpusQuillotRenderNewFolder(benchmark::State& state) {
    static int folders = 0;
    std::vector<std::string> argv = {QuillotRenderPath(), "--out", ""};
    argv.insert(argv.end(), CorpusFiles().begin(), CorpusFiles().end());
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

// Several corpus files are not well-formed XML, so xmllint exits with 1 for
// them; it has parsed every file all the same.
void BM_CorpusXmllintNoout(benchmark::State& state) {
    std::vector<std::string> argv = {"xmllint", "--noout"};
    argv.insert(argv.end(), CorpusFiles().begin(), CorpusFiles().end());
    RunMeasured(state, argv, false, 0);
    state.counters["files"] = static_cast<double>(CorpusFiles().size());
}

}  // namespace

BENCHMARK(BM_RenderGenerated100MB)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CorpusQuillotRender)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CorpusQuillotRenderNewFolder)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CorpusXmllintNoout)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace quillot::bench
