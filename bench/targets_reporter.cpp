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

bool TargetsReporter::PrintAgainstXmllint(std::ostream& out, const char* what, const Median& median,
                                          double target) {
    const double ratio = Counter(median, "ratio");
    const bool met = ratio > 0 && ratio <= target;
    out << "  corpus x50 " << what << std::string(27 - std::string(what).size(), ' ')
        << Format("%.1f ms", median.seconds * 1e3) << "\n"
        << "    xmllint --noout, same files:    "
        << Format("%.1f ms", Counter(median, "xmllint_ms")) << " (baseline, same iterations)\n"
        << "    quillot-render / xmllint:       " << Format("%.3f", ratio)
        << Format(" (target <= %.3f): ", target) << Verdict(met) << "\n"
        << "    processor time (user + system): " << Format("%.1f ms", Counter(median, "cpu_ms"))
        << Format(", xmllint %.1f ms", Counter(median, "xmllint_cpu_ms")) << "\n";
    return met;
}

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
    if (const Median* checked = Find("BM_PipelineTypicalFileWithCheck")) {
        const bool met = checked->seconds < 200e-6;
        allMet = allMet && met;
        out << "  typical file pipeline, check:  " << Format("%.1f us", checked->seconds * 1e6)
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
    if (const Median* fields = Find("BM_CorpusFieldsAgainstXmllint")) {
        allMet = PrintAgainstXmllint(out, "--fields, no reports:", *fields, 0.5) && allMet;
    }
    if (const Median* check = Find("BM_CorpusCheckAgainstXmllint")) {
        allMet = PrintAgainstXmllint(out, "--check, no reports:", *check, 1 / 3.0) && allMet;
        const double ratio = Counter(*check, "fields_ratio");
        const bool met = ratio > 0 && ratio <= 1.5;
        allMet = allMet && met;
        out << "    --fields, same files:           "
            << Format("%.1f ms", Counter(*check, "fields_ms")) << " (baseline, same iterations)\n"
            << "    --check / --fields:             " << Format("%.3f", ratio)
            << " (target <= 1.5): " << Verdict(met) << "\n"
            << "    processor time of --fields:     "
            << Format("%.1f ms", Counter(*check, "fields_cpu_ms")) << "\n";
    }
    if (const Median* again = Find("BM_CorpusRenderAgainstXmllint")) {
        allMet = PrintAgainstXmllint(out, "into the existing folder:", *again, 1 / 1.5) && allMet;
    }
    if (const Median* fresh = Find("BM_CorpusRenderNewFolder")) {
        const double speedup = Counter(*fresh, "speedup");
        const double ratio = Counter(*fresh, "ratio");
        const bool speedupMet = speedup >= 1.6;
        const bool ratioMet = ratio > 0 && ratio <= 1.5;
        allMet = allMet && speedupMet && ratioMet;
        out << "  corpus x50 into a new folder, quillot-render (default, "
            << Format("%.0f jobs", Counter(*fresh, "jobs"))
            << "): " << Format("%.1f ms", fresh->seconds * 1e3) << "\n"
            << "    with --jobs 1:                  "
            << Format("%.1f ms", Counter(*fresh, "one_job_ms")) << " (baseline, same iterations)\n"
            << "    --jobs 1 / default:             " << Format("%.3f", speedup)
            << " (target >= 1.6 with 2 cores): " << Verdict(speedupMet) << "\n"
            << "    creating the folders and empty files: "
            << Format("%.1f ms", Counter(*fresh, "creation_ms")) << " (baseline, same iterations)\n"
            << "    quillot-render / creation:      " << Format("%.3f", ratio)
            << " (target <= 1.5): " << Verdict(ratioMet) << "\n"
            << "    processor time (user + system): "
            << Format("%.1f ms", Counter(*fresh, "cpu_ms"))
            << Format(", with --jobs 1 %.1f ms", Counter(*fresh, "one_job_cpu_ms")) << "\n";
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
