// Large files in Quillot.exe: PAD files of 10 and 100 MB (real ones
// repeated), started from the command line and watched from outside while
// their tabs are clicked: how long each tab takes to show its content, the
// longest time the window does not answer or repaint while the Xml tab fills,
// and how fast Escape closes it during the fill.
#pragma once

#include "bench/windows/bench_setup.h"

namespace quillot::bench {

// Prints the figures and the verdicts; false when a target is missed or a
// step failed.
bool RunLargeFileBench(const BenchSetup& setup);

}  // namespace quillot::bench
