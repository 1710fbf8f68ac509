// Named points of the start-up, from the entry to the first paint of the
// window, for finding where the start-up time goes. A profiling program
// installs a recorder; Quillot.exe installs none, and then a mark costs one
// test of a pointer.
#pragma once

namespace quillot {

using StartupMarkRecorder = void (*)(const char* point);

extern StartupMarkRecorder startupMarkRecorder;

inline void StartupMark(const char* point) {
    if (startupMarkRecorder) startupMarkRecorder(point);
}

}  // namespace quillot
