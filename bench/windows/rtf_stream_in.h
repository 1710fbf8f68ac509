// The one way the start-up baselines load their document: the RTF file named
// on the command line (quotes around it allowed), streamed into a rich-edit
// window as Quillot streams its reports in.
#pragma once

#include <windows.h>

namespace quillot::bench {

// False when the file cannot be opened.
bool StreamInRtfFile(HWND view, const char* commandLine);

}  // namespace quillot::bench
