// Timing of the folder navigation on large folders, under Wine: building the
// folder list (directory search, locale sort, duplicates) for 10,000 and
// 100,000 PAD files, and one F8 step of the main window in such a folder.
//
// Google Benchmark is not available for MinGW here, so this program times
// with QueryPerformanceCounter, repeats each case and reports medians, and
// compares with a baseline measured in the same run: the bare directory
// search that any listing needs (FindFirstFileA/FindNextFileA over *.xml and
// *.pad), and a sort that calls CompareStringA for each comparison.
//
//   cmake/wine-run.sh PREFIX folder_bench.exe [FOLDER]   (FOLDER: where the test folders go)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/folder_list.h"
#include "app/main_window.h"
#include "bench/windows/bench_timing.h"
#include "settings/settings_store.h"
#include "trace/trace_log.h"

namespace {

using quillot::bench::MedianTime;
using quillot::bench::Seconds;

const char* const kWords[] = {"editor", "Viewer", "tool",  "Backup", "zip",
                              "player", "_draft", "Media", "sync",   "clock"};

void MakeFolder(const std::string& folder, int files) {
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string marker = folder + "\\.complete";
    if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    const char pad[] = "<Program_Name>Bench</Program_Name><Program_Version>1</Program_Version>";
    for (int i = 0; i < files; ++i) {
        const std::string name = std::string(kWords[i % 10]) + "_" +
                                 std::to_string(i * 7919 % files) + (i % 3 == 0 ? ".pad" : ".xml");
        HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, pad, sizeof pad - 1, &written, nullptr);
        CloseHandle(file);
    }
    CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

std::vector<std::string> SearchOnly(const std::string& folder) {
    std::vector<std::string> names;
    for (const char* pattern : {"*.xml", "*.pad"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            names.emplace_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return names;
}

void SortWithCompareString(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
               CSTR_LESS_THAN;
    });
}

void BenchFolder(const std::string& root, int files) {
    const std::string folder = root + "\\pads" + std::to_string(files);
    const double made = Seconds();
    MakeFolder(folder, files);
    std::printf("folder of %d files ready (%.1f s)\n", files, Seconds() - made);
    const std::string withSlash = folder + "\\";
    const int repetitions = files > 50000 ? 5 : 9;

    const double search = MedianTime([&] { SearchOnly(withSlash); }, repetitions);
    const double compareSort = MedianTime(
        [&] {
            std::vector<std::string> names = SearchOnly(withSlash);
            SortWithCompareString(names);
        },
        files > 50000 ? 3 : 5);
    const double build =
        MedianTime([&] { quillot::BuildFolderFileList(withSlash + "editor_0.pad"); }, repetitions);
    std::printf("  %-44s %10.1f ms\n", "directory search only (baseline)", search * 1000);
    std::printf("  %-44s %10.1f ms  (%.2fx baseline)\n", "search + sort calling CompareStringA",
                compareSort * 1000, compareSort / search);
    std::printf("  %-44s %10.1f ms  (%.2fx baseline)\n", "BuildFolderFileList (sort keys)",
                build * 1000, build / search);
    std::printf("  list holds %d files\n", quillot::FolderFileCount());
}

void BenchStep(const std::string& root, int files) {
    const std::string folder = root + "\\pads" + std::to_string(files);
    quillot::Application application;
    application.Create(GetModuleHandleA(nullptr), "Quillot");
    quillot::FrmEnvironment environment;
    environment.programPath = root + "\\Quillot.exe";
    environment.systemTempPath = root;
    environment.arguments = {folder + "\\editor_0.pad"};
    environment.endsMessageLoop = false;
    quillot::TFrm* frm = quillot::TFrm::Create(application, environment);
    const double step = MedianTime([&] { frm->cmdNxtFile(); }, 21);
    std::printf("  %-44s %10.2f ms  (position %d of %d)\n", "F8 step (read, render, show)",
                step * 1000, quillot::FolderIndex, quillot::FolderFileCount());
    delete frm;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string root = argc > 1 ? argv[1] : std::string(temp) + "quillot-folder-bench";
    CreateDirectoryA(root.c_str(), nullptr);
    quillot::InitSettingsAndTrace(root + "\\Quillot.ini");
    for (int files : {10000, 100000}) {
        BenchFolder(root, files);
        BenchStep(root, files);
    }
    return 0;
}
