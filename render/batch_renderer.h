// quillot-render's work: each file read, extracted and rendered exactly as
// the viewer does it, the reports written to the output folder.
#pragma once

#include <ostream>

#include "render/render_options.h"

namespace quillot {

// Renders every file of the options; problems go to `err`, one line each,
// JSON Lines (with --fields and --check) to `out`. A file that fails in any
// way (a file error, not enough memory) is reported and the next one renders.
// Returns the exit status: 0 when every file existed and rendered, 1
// otherwise, 3 instead of 0 with --check when a file has an invalid or
// missing field, and 2 as soon as writing to `out` fails.
int RenderFiles(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace quillot
