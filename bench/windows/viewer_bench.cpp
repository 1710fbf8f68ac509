// viewer_bench.exe: the viewer's speed under Wine, each figure against a
// baseline measured in the same run.
//   - Start-up: Quillot.exe from process start to its window visible with the
//     document painted, against a bare program that shows one RTF file in one
//     RichEdit20A window.
//
//   - Large files: 10 and 100 MB PAD files, each tab clicked; how long the
//     tabs take and the longest time the window does not answer or repaint.
//
//   cmake/wine-run.sh PREFIX viewer_bench.exe [FOLDER [startup|large|all [ROUNDS [OTHER]]]]
//   (FOLDER: scratch files, kept for later runs; the word after it runs one
//   part or both; ROUNDS: start-up rounds, 21 by default; OTHER: another
//   build of Quillot.exe, such as the one before a change, whose start-up is
//   measured in the same rounds)
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
    if (argc > 3 && std::atoi(argv[3]) > 0) setup.repetitions = std::atoi(argv[3]);
    if (argc > 4) setup.other = argv[4];
    bool met = true;
    if (only != "large") met = quillot::bench::RunStartupBench(setup) && met;
    if (only != "startup") met = quillot::bench::RunLargeFileBench(setup) && met;
    return met ? 0 : 1;
}
