#include "bench/windows/mark_recorder.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace quillot::bench {
namespace {

struct Mark {
    const char* point;
    LARGE_INTEGER counter;
};

std::vector<Mark> marks;
double entryMilliseconds = 0;

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

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

}  // namespace

void BeginMarks() {
    marks.reserve(64);
    entryMilliseconds = MillisecondsSinceCreation();
    RecordMark("program entry");
}

void RecordMark(const char* point) {
    Mark mark = {point, {}};
    QueryPerformanceCounter(&mark.counter);
    marks.push_back(mark);
}

bool WriteMarks() {
    FILE* out = std::fopen((ProgramPath() + ".marks").c_str(), "w");
    if (!out || marks.empty()) return false;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (const Mark& mark : marks) {
        const double ms = static_cast<double>(mark.counter.QuadPart - marks[0].counter.QuadPart) *
                          1e3 / static_cast<double>(frequency.QuadPart);
        std::fprintf(out, "%.2f\t%s\n", entryMilliseconds + ms, mark.point);
    }
    return std::fclose(out) == 0;
}

}  // namespace quillot::bench
