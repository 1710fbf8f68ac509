// quillot-bench: Google Benchmark's command line, with the repetitions of the
// benchmarks interleaved at random by default (so a load on the machine hits
// the measured program and its baseline alike), and the targets table at the
// end. Exits with 1 when a measured target is missed.
#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "bench/targets_reporter.h"

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    bool chosen = false;
    for (char* arg : args)
        chosen = chosen || std::strncmp(arg, "--benchmark_enable_random_interleaving", 38) == 0;
    if (!chosen) args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

    quillot::bench::TargetsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.PrintTargets(std::cout) ? 0 : 1;
}
