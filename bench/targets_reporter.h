// The console report of Google Benchmark, plus a closing table that compares
// the medians of this run with the performance targets, each with the
// baseline measured in the same iterations: the typical file's pipeline,
// without and with the check; quillot-render over the corpus copied 50 times
// with --fields alone, with --check alone (also against --fields) and into
// the folder of its previous run, against xmllint --noout; into a new folder,
// against --jobs 1 and against creating the same folders and empty files;
// the 100 MB file's time; and the peak memory of quillot-render for the
// generated file and the memory shapes (above its footprint with an empty
// file).
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>

namespace quillot::bench {

class TargetsReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Prints the table; returns false when a target that was measured is missed.
    bool PrintTargets(std::ostream& out) const;

  private:
    struct Median {
        double seconds = 0;
        std::map<std::string, double> counters;
    };
    const Median* Find(const std::string& benchmark) const;
    static double Counter(const Median& median, const char* name);  // 0 when absent
    // A run against xmllint: its time, xmllint's and their ratio, which must
    // not exceed the target; false when it does.
    static bool PrintAgainstXmllint(std::ostream& out, const char* what, const Median& median,
                                    double target);

    std::map<std::string, Median> medians_;  // by benchmark function name
};

}  // namespace quillot::bench
