// startup_profile.exe: Quillot.exe with a recorder for the start-up marks. It
// runs exactly as Quillot.exe does; when its window has closed, it writes
// into PROGRAM.marks beside itself one line per mark of the start-up (up to
// the window brought to the front): the milliseconds from the creation of
// the process, a tab, and the mark's name.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/startup.h"
#include "app/startup_marks.h"
#include "settings/program_location.h"

namespace {

struct Mark {
    const char* point;
    LARGE_INTEGER counter;
};

std::vector<Mark> marks;
// The last mark of the start-up.
constexpr const char* kLastMark = "window in front";

void Record(const char* point) {
    Mark mark = {point, {}};
    QueryPerformanceCounter(&mark.counter);
    marks.push_back(mark);
    if (std::string(point) == kLastMark) quillot::startupMarkRecorder = nullptr;
}

// Milliseconds from the creation of this process to now.
double MillisecondsSinceCreation() {
    FILETIME now, created, exited, kernel, user;
    GetSystemTimePreciseAsFileTime(&now);
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 1e4;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const double atEntry = MillisecondsSinceCreation();
    LARGE_INTEGER frequency, entry;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&entry);
    marks.reserve(64);
    quillot::startupMarkRecorder = Record;
    const int code = quillot::RunQuillot(instance, quillot::ProgramArguments());
    quillot::startupMarkRecorder = nullptr;

    FILE* out = std::fopen((quillot::ProgramFilePath() + ".marks").c_str(), "w");
    if (!out) return 1;
    std::fprintf(out, "%.2f\tprogram entry\n", atEntry);
    for (const Mark& mark : marks) {
        const double ms = static_cast<double>(mark.counter.QuadPart - entry.QuadPart) * 1e3 /
                          static_cast<double>(frequency.QuadPart);
        std::fprintf(out, "%.2f\t%s\n", atEntry + ms, mark.point);
    }
    std::fclose(out);
    return code;
}
