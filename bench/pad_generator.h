// Large PAD files for the benchmarks: a complete, realistic document whose
// Program_Descriptions element holds as many language sections (keywords and
// the five descriptions, the long ones over several lines, with entities) as
// it takes to reach the requested size.
#pragma once

#include <cstddef>
#include <string>

namespace quillot::bench {

// The document text, at least `minBytes` long, with CR LF line ends.
std::string GeneratePadText(size_t minBytes);

// Writes GeneratePadText(minBytes) to the path; returns the size written.
size_t WritePadFile(const std::string& path, size_t minBytes);

}  // namespace quillot::bench
