// Programs measured as separate processes: quillot-render over the whole real
// corpus against `xmllint --noout` over the same files, the baseline, in the
// same iterations; quillot-render on a generated 100 MB file (time and the
// child's peak resident memory); and quillot-render over the corpus into a
// new folder. The two that load the file system most come last, so their
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

void BM_RenderGenerated100MB(benchmark::State& state) {
    const std::string& file = GeneratedFile(100);
    const std::vector<std::string> argv = {QuillotRenderPath(), "--out",
                                           NewScratchFolder("render-100MB"), file};
    double peakRssKb = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(argv);
        if (run.exitStatus != 0) {
            state.SkipWithError("quillot-render failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        peakRssKb = std::max(peakRssKb, static_cast<double>(run.peakRssKb));
    }
    const double fileBytes = static_cast<double>(FileSize(file));
    state.counters["file_MB"] = fileBytes / (1 << 20);
    state.counters["peak_rss_MB"] = peakRssKb / 1024.0;
    state.counters["rss_per_file_size"] = peakRssKb * 1024.0 / fileBytes;
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
BENCHMARK(BM_CorpusQuillotRenderNewFolder)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace quillot::bench
