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

double TargetsReporter::Counter(const Median& median, const char* name) {
    const auto it = median.counters.find(name);
    return it == median.counters.end() ? 0 : it->second;
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
        const double rate = Counter(*each, "items_per_second");
        if (rate > 0) {
            out << "  corpus pipeline, per file:     " << Format("%.1f us", 1e6 / rate) << "\n";
        }
    }
    if (const Median* ten = Find("BM_PipelineGenerated10MB")) {
        out << "  generated 10 MB pipeline:      " << Format("%.1f ms", ten->seconds * 1e3) << "\n";
    }
    if (const Median* pair = Find("BM_CorpusQuillotRenderAgainstXmllint")) {
        const double xmllint = Counter(*pair, "xmllint_ms") * 1e-3;
        const double ratio = Counter(*pair, "ratio");
        const bool met = ratio > 0 && ratio < 1.0;
        allMet = allMet && met;
        out << "  corpus, quillot-render:        " << Format("%.2f ms", pair->seconds * 1e3) << "\n"
            << "  corpus, xmllint --noout:       " << Format("%.2f ms", xmllint * 1e3)
            << " (baseline, same iterations)\n"
            << "  quillot-render / xmllint:      " << Format("%.3f", ratio)
            << " (target < 1): " << Verdict(met) << "\n";
        if (const Median* fresh = Find("BM_CorpusQuillotRenderNewFolder")) {
            out << "  corpus, into a new folder:     " << Format("%.2f ms", fresh->seconds * 1e3);
            if (xmllint > 0) out << Format(" (%.3f x xmllint", fresh->seconds / xmllint);
            out << "; every folder and file created anew)\n";
        }
    }
    if (const Median* big = Find("BM_RenderGenerated100MB")) {
        const bool timeMet = big->seconds < 2.0;
        allMet = allMet && timeMet;
        out << "  100 MB file, quillot-render:   " << Format("%.3f s", big->seconds)
            << " (target < 2 s): " << Verdict(timeMet) << "\n";
    }
    bool memoryHeading = false;
    for (const auto& [name, median] : medians_) {
        const bool generated = name == "BM_RenderGenerated100MB";
        const std::string prefix = "BM_RenderPeakMemory/";
        if (!generated && name.compare(0, prefix.size(), prefix) != 0) continue;
        if (!memoryHeading) {
            out << "  peak memory of quillot-render above its footprint with an empty file ("
                << Format("%.1f MB", Counter(median, "baseline_rss_MB")) << "):\n";
            memoryHeading = true;
        }
        const double ratio = Counter(median, "rss_per_file_size");
        const bool met = ratio > 0 && ratio <= 4.0;
        allMet = allMet && met;
        const std::string shape = generated ? "generated_100MB" : name.substr(prefix.size());
        out << "    " << shape << std::string(shape.size() < 31 ? 31 - shape.size() : 1, ' ')
            << Format("%7.1f MB",
                      Counter(median, "peak_rss_MB") - Counter(median, "baseline_rss_MB"))
            << Format(" = %.2f x", ratio)
            << Format(" the file of %.2f MB", Counter(median, "file_MB"))
            << " (target <= 4 x): " << Verdict(met) << "\n";
    }
    return allMet;
}

}  // namespace quillot::bench
