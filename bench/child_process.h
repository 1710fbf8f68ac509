// Runs another program as a child process and measures it from outside:
// wall-clock time and the peak resident memory that the kernel reports for
// the child (wait4's ru_maxrss). The child is started by the small
// quillot-bench-launcher, so the figures are those of the program alone: a
// child forked straight from the benchmark process would count the
// benchmark's own resident pages into its peak.
#pragma once

#include <string>
#include <vector>

namespace quillot::bench {

struct ChildRun {
    double seconds = 0;           // from the launcher's fork to the child's end
    double processorSeconds = 0;  // the child's user and system time
    long peakRssKb = 0;           // ru_maxrss of the child
    int exitStatus = -1;          // the child's exit status, -1 when it did not exit normally
};

// Runs argv[0] (looked up in PATH when it has no "/") with its standard
// output and error sent to /dev/null, in the working folder `folder` (the
// benchmark's own when empty).
ChildRun RunChild(const std::vector<std::string>& argv, const std::string& folder = "");

}  // namespace quillot::bench
