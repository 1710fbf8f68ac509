// Start-up of Quillot.exe against the baseline, a bare program that shows one
// RTF file in one RichEdit20A window: from process start to the window
// visible with the document painted (PaintedViewWindow), measured in
// alternating order in one run.
#pragma once

#include "bench/windows/bench_setup.h"

namespace quillot::bench {

// Prints the medians, the ratio and the verdict; false when the target
// (ratio at most 1.2) is missed or a program failed.
bool RunStartupBench(const BenchSetup& setup);

}  // namespace quillot::bench
