// viewer_bench.exe: the viewer's speed under Wine, each figure against a
// baseline measured in the same run.
//   - Start-up: Quillot.exe from process start to its window visible with the
//     document painted, against a bare program that shows one RTF file in one
//     RichEdit20A window.
//
//   cmake/wine-run.sh PREFIX viewer_bench.exe [FOLDER]   (FOLDER: scratch files)
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/windows/bench_setup.h"
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
    bool met = quillot::bench::RunStartupBench(setup);
    return met ? 0 : 1;
}
