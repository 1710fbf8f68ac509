// quillot-bench: Google Benchmark's command line and console report, with a
// table of the targets at the end. Exits with 1 when a measured target is
// missed. The benchmarks run in the order they are registered, the in-process
// pipelines first and the child processes that load the file system last.
#include <benchmark/benchmark.h>

#include <iostream>

#include "bench/targets_reporter.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

    quillot::bench::TargetsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.PrintTargets(std::cout) ? 0 : 1;
}
