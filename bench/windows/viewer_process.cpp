#include "bench/windows/viewer_process.h"

#include <vector>

#include "bench/windows/bench_timing.h"

namespace quillot::bench {
namespace {

constexpr double kCloseTimeoutSeconds = 20;

bool IsRichEdit(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "RichEdit20A") == 0 || lstrcmpiA(name, "RichEdit20W") == 0;
}

struct TreeCheck {
    bool painted = true;
    HWND view = nullptr;
};

BOOL CALLBACK CheckDescendant(HWND window, LPARAM context) {
    auto* check = reinterpret_cast<TreeCheck*>(context);
    if (!IsWindowVisible(window)) return TRUE;
    if (GetUpdateRect(window, nullptr, FALSE)) check->painted = false;
    if (!check->view && IsRichEdit(window)) check->view = window;
    return TRUE;
}

TreeCheck CheckTree(HWND window) {
    TreeCheck check;
    if (GetUpdateRect(window, nullptr, FALSE)) check.painted = false;
    if (IsRichEdit(window)) check.view = window;
    EnumChildWindows(window, CheckDescendant, reinterpret_cast<LPARAM>(&check));
    return check;
}

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ProcessWindows*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && IsWindowVisible(window)) {
        search->windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

HWND PaintedViewWindow(DWORD processId) {
    ProcessWindows search{processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.windows) {
        const TreeCheck check = CheckTree(window);
        if (check.view && check.painted) return window;
    }
    return nullptr;
}

bool IsPainted(HWND window) {
    return CheckTree(window).painted;
}

HWND VisibleView(HWND window) {
    return CheckTree(window).view;
}

ViewerProcess::~ViewerProcess() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool ViewerProcess::Start(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startedAt_ = Seconds();
    return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info_) != FALSE;
}

HWND ViewerProcess::WaitUntilPainted(double timeoutSeconds, double& seconds) const {
    for (;;) {
        HWND window = PaintedViewWindow(info_.dwProcessId);
        seconds = Seconds() - startedAt_;
        if (window) return window;
        if (seconds > timeoutSeconds || WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT) {
            return nullptr;
        }
        Sleep(1);
    }
}

bool ViewerProcess::Close(HWND window) {
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForExit(kCloseTimeoutSeconds)) return true;
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
    return false;
}

bool ViewerProcess::WaitForExit(double timeoutSeconds) const {
    return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutSeconds * 1000)) ==
           WAIT_OBJECT_0;
}

}  // namespace quillot::bench
