// The viewer's document road in this process: ReadSourceLines, then
// ExtractPadFields, then the three reports written to disk, as LoadDocument
// runs it for every file it shows; and the same with the Check report.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "bench/bench_files.h"
#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "report/report_settings.h"
#include "report/rtf_text.h"

namespace quillot::bench {
namespace {

ReportSettings SettingsFor(const std::string& folder) {
    static const bool readerReady = [] {
        InitPadReader(ReaderSetup{});
        return true;
    }();
    (void)readerReady;
    ReportSettings settings;
    settings.folder = folder;
    settings.fontTableEntry = FontTableEntry(FontMetrics::Answered(ArialPitchAndFamily), "Arial");
    return settings;
}

void LoadAndRender(const std::string& file, ReportSettings& settings) {
    EnglishOnly = false;
    if (!ReadSourceLines(file)) throw std::runtime_error("missing " + file);
    ExtractPadFields();
    settings.currentFilePath = file;
    WriteAllReports(settings);
}

void PipelineOnFile(benchmark::State& state, const std::string& file, bool checkReport = false) {
    ReportSettings settings = SettingsFor(NewScratchFolder("pipeline"));
    settings.checkReport = checkReport;
    for (auto _ : state)
        LoadAndRender(file, settings);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize(file)));
    state.counters["file_KB"] = static_cast<double>(FileSize(file)) / 1024.0;
}

void BM_PipelineTypicalFile(benchmark::State& state) {
    PipelineOnFile(state, CorpusPath(TypicalCorpusFile));
}

// With the check of the document and its report, the fourth.
void BM_PipelineTypicalFileWithCheck(benchmark::State& state) {
    PipelineOnFile(state, CorpusPath(TypicalCorpusFile), true);
}

void BM_PipelineGenerated10MB(benchmark::State& state) {
    PipelineOnFile(state, GeneratedFile(10));
}

// Every corpus file once per iteration; the time per file is the figure.
void BM_PipelineEveryCorpusFile(benchmark::State& state) {
    ReportSettings settings = SettingsFor(NewScratchFolder("corpus-pipeline"));
    const std::vector<std::string>& files = CorpusFiles();
    for (auto _ : state) {
        for (const std::string& file : files)
            LoadAndRender(file, settings);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * files.size()));
}

}  // namespace

BENCHMARK(BM_PipelineTypicalFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PipelineTypicalFileWithCheck)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PipelineEveryCorpusFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PipelineGenerated10MB)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace quillot::bench
