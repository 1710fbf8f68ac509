// viewer_bench.exe: the viewer's speed under Wine, each figure against a
// baseline measured in the same run.
//   - Start-up: Quillot.exe from process start to its window visible with the
//     document painted, against a bare program that shows one RTF file in one
//     RichEdit20A window.
//
//   - Large files: 10 and 100 MB PAD files, each tab clicked; how long the
//     tabs take and the longest time the window does not answer or repaint.
//
//   cmake/wine-run.sh PREFIX viewer_bench.exe [FOLDER [startup|large|all [ROUNDS]]]
//   (FOLDER: scratch files, kept for later runs; the word after it runs one
//   part or both; ROUNDS: start-up rounds, 21 by default)
//   cmake/wine-run.sh PREFIX viewer_bench.exe FOLDER against OTHER.exe [ROUNDS]
//   (this tree's Quillot.exe and another build of it, side by side)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/windows/bench_setup.h"
#include "bench/windows/large_file_bench.h"
#include "bench/windows/startup_bench.h"

int main(int argc, char** argv) {
    quillot::bench::BenchSetup setup;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    setup.folder = argc > 1 ? argv[1] : std::string(temp) + "quillot-viewer-bench";
    CreateDirectoryA(setup.folder.c_str(), nullptr);
    setup.quillot = QUILLOT_EXE;
    setup.bare = BARE_RICHEDIT_EXE;
    setup.floor = WINDOW_FLOOR_EXE;
    setup.profile = STARTUP_PROFILE_EXE;
    setup.bareProfile = BARE_PROFILE_EXE;
    setup.render = QUILLOT_RENDER_EXE;
    setup.corpus = QUILLOT_CORPUS_DIR "\\";
    for (char& c : setup.corpus) {
        if (c == '/') c = '\\';
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string only = argc > 2 ? argv[2] : "";
    if (only == "against" && argc > 3) {
        if (argc > 4 && std::atoi(argv[4]) > 0) setup.repetitions = std::atoi(argv[4]);
        return quillot::bench::RunStartupAgainst(setup, argv[3]) ? 0 : 1;
    }
    if (argc > 3 && std::atoi(argv[3]) > 0) setup.repetitions = std::atoi(argv[3]);
    bool met = true;
    if (only != "large") met = quillot::bench::RunStartupBench(setup) && met;
    if (only != "startup") met = quillot::bench::RunLargeFileBench(setup) && met;
    return met ? 0 : 1;
}
