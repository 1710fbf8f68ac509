// quillot-render's work: each file read, extracted and rendered exactly as
// the viewer does it, the reports written to the output folder.
#pragma once

#include <ostream>

#include "render/render_options.h"

namespace quillot {

// Renders every file of the options; problems go to `err`, one line each,
// JSON Lines (with --fields) to `out`. Returns the exit status: 0 when every
// file existed and rendered, 1 otherwise.
int RenderFiles(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace quillot
