// startup_profile.exe: Quillot.exe with a recorder for its start-up marks. It
// runs exactly as Quillot.exe does; when its window has closed, it writes the
// marks of the start-up, up to the window brought to the front (see
// mark_recorder.h).
#include <windows.h>

#include <string>

#include "app/command_line.h"
#include "app/startup.h"
#include "app/startup_marks.h"
#include "bench/windows/mark_recorder.h"

namespace {

// The last mark of the start-up.
constexpr const char* kLastMark = "window in front";

void Record(const char* point) {
    quillot::bench::RecordMark(point);
    if (std::string(point) == kLastMark) quillot::startupMarkRecorder = nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    quillot::bench::BeginMarks();
    quillot::startupMarkRecorder = Record;
    const int code = quillot::RunQuillot(instance, quillot::ProgramArguments());
    quillot::startupMarkRecorder = nullptr;
    return quillot::bench::WriteMarks() ? code : 1;
}
