#include "bench/targets_reporter.h"

#include <cstdio>

namespace quillot::bench {
namespace {

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

}  // namespace

void TargetsReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median" ||
            run.error_occurred) {
            continue;
        }
        Median& median = medians_[run.run_name.function_name];
        median.seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        for (const auto& [name, counter] : run.counters)
            median.counters[name] = counter.value;
    }
}

const TargetsReporter::Median* TargetsReporter::Find(const std::string& benchmark) const {
    const auto it = medians_.find(benchmark);
    return it == medians_.end() ? nullptr : &it->second;
}

bool TargetsReporter::PrintTargets(std::ostream& out) const {
    bool allMet = true;
    out << "\nTargets (medians of this run)\n";

    if (const Median* typical = Find("BM_PipelineTypicalFile")) {
        const bool met = typical->seconds < 200e-6;
        allMet = allMet && met;
        out << "  typical file pipeline:         " << Format("%.1f us", typical->seconds * 1e6)
            << " (target < 200 us): " << Verdict(met) << "\n";
    }
    if (const Median* each = Find("BM_PipelineEveryCorpusFile")) {
        const auto rate = each->counters.find("items_per_second");
        if (rate != each->counters.end() && rate->second > 0) {
            out << "  corpus pipeline, per file:     " << Format("%.1f us", 1e6 / rate->second)
                << "\n";
        }
    }
    if (const Median* ten = Find("BM_PipelineGenerated10MB")) {
        out << "  generated 10 MB pipeline:      " << Format("%.1f ms", ten->seconds * 1e3) << "\n";
    }
    if (const Median* big = Find("BM_RenderGenerated100MB")) {
        const double ratio =
            big->counters.count("rss_per_file_size") ? big->counters.at("rss_per_file_size") : 0;
        const bool timeMet = big->seconds < 2.0;
        const bool memoryMet = ratio > 0 && ratio < 4.0;
        allMet = allMet && timeMet && memoryMet;
        out << "  100 MB file, quillot-render:   " << Format("%.3f s", big->seconds)
            << " (target < 2 s): " << Verdict(timeMet) << "\n"
            << "  100 MB file, peak memory:      "
            << Format("%.0f MB",
                      big->counters.count("peak_rss_MB") ? big->counters.at("peak_rss_MB") : 0)
            << Format(" = %.2f x the file", ratio) << " (target < 4 x): " << Verdict(memoryMet)
            << "\n";
    }
    const Median* render = Find("BM_CorpusQuillotRender");
    const Median* xmllint = Find("BM_CorpusXmllintNoout");
    if (render != nullptr && xmllint != nullptr) {
        const double ratio = render->seconds / xmllint->seconds;
        const bool met = ratio < 1.0;
        allMet = allMet && met;
        out << "  corpus, quillot-render:        " << Format("%.2f ms", render->seconds * 1e3)
            << "\n"
            << "  corpus, xmllint --noout:       " << Format("%.2f ms", xmllint->seconds * 1e3)
            << " (baseline)\n"
            << "  quillot-render / xmllint:      " << Format("%.3f", ratio)
            << " (target < 1): " << Verdict(met) << "\n";
        if (const Median* fresh = Find("BM_CorpusQuillotRenderNewFolder")) {
            out << "  corpus, into a new folder:     " << Format("%.2f ms", fresh->seconds * 1e3)
                << Format(" (%.3f x xmllint; folders and files created anew)",
                          fresh->seconds / xmllint->seconds)
                << "\n";
        }
    }
    return allMet;
}

}  // namespace quillot::bench
