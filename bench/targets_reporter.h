// The console report of Google Benchmark, plus a closing table that compares
// the medians of this run with the performance targets: the typical file's
// pipeline, quillot-render over the corpus against xmllint --noout (the
// baseline, measured in the same iterations), the 100 MB file's time, and the
// peak memory of quillot-render for the generated file and the memory shapes
// (above its footprint with an empty file, measured in the same iterations).
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

    std::map<std::string, Median> medians_;  // by benchmark function name
};

}  // namespace quillot::bench
