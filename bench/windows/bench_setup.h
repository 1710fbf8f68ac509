// What the viewer benchmarks work with: the programs under test, the real
// corpus and a scratch folder of their own.
#pragma once

#include <string>

namespace quillot::bench {

struct BenchSetup {
    std::string folder;       // scratch folder, Windows path without trailing "\"
    std::string quillot;      // Quillot.exe of this tree
    std::string profile;      // startup_profile.exe of this tree
    std::string bareProfile;  // bare_profile.exe
    std::string bare;
    std::string floor;      // window_floor.exe         // bare_richedit.exe
    std::string render;     // quillot-render.exe
    std::string corpus;     // the real corpus, with trailing "\"
    std::string other;      // another build of Quillot.exe for the start-up rounds, or empty
    int repetitions = 21;   // start-up pairs
    int profileRuns = 11;   // runs of the profiling program
    int largeFileRuns = 3;  // runs of each large file
};

// "32-bit" or "64-bit": the width of this program and of the ones it measures.
const char* Width();

// Copies the file into the folder under its own name; returns the new path
// ("" on failure).
std::string CopyInto(const std::string& file, const std::string& folder);

// Runs a console program to its end with its output discarded; its exit code,
// or -1 when it could not start.
long RunToEnd(const std::string& program, const std::string& arguments);

std::string FileNameOf(const std::string& path);

}  // namespace quillot::bench
