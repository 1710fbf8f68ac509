#include "tests/trace/trace_test_support.h"

#include <algorithm>
#include <utility>

#include "settings/settings_store.h"
#include "trace/trace_log.h"
#include "trace/trace_viewer.h"

namespace quillot::test {
namespace {

// How long a double may take to show its window or to end.
constexpr DWORD DoubleTimeoutMs = 20000;

BOOL CALLBACK CollectViewerWindow(HWND hwnd, LPARAM found) {
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpA(className, ViewerWindowClass) == 0) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    }
    return TRUE;
}

HWND WaitForViewerWindow(DWORD processId) {
    for (DWORD waited = 0; waited < DoubleTimeoutMs; waited += 50) {
        for (HWND hwnd : ViewerWindows()) {
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (processId == 0 || owner == processId) return hwnd;
        }
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

void ResetTraceAndStore() {
    if (LogOpen) {
        TraceToFile = true;
        CloseLog();
    }
    TraceInitialised = false;
    DevMode = false;
    TraceActive = false;
    TraceToFile = false;
    TraceToViewer = false;
    TraceLogPath.clear();
    LogOpen = false;
    DefaultIniFile.clear();
    CurrentIniFile.clear();
    CurrentSection.clear();
    CurrentMode = 0;
    WriteErrorShown = false;
}

void TraceTest::SetUp() {
    ResetTraceAndStore();
    ini_ = folder_.File("quillot.ini");
}

void TraceTest::TearDown() {
    ResetTraceAndStore();
}

std::vector<std::string> TraceTest::Section(const std::string& name) const {
    std::vector<char> buffer(32767);
    const DWORD length = GetPrivateProfileSectionA(name.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), ini_.c_str());
    std::vector<std::string> keys;
    for (DWORD start = 0; start < length;) {
        const std::string key(buffer.data() + start);
        keys.push_back(key);
        start += static_cast<DWORD>(key.size()) + 1;
    }
    return keys;
}

CurrentFolder::CurrentFolder(const std::string& folder) {
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    previous_ = previous;
    SetCurrentDirectoryA(folder.c_str());
}

CurrentFolder::~CurrentFolder() {
    SetCurrentDirectoryA(previous_.c_str());
}

std::string ViewerDoublePath() {
    std::string path = QUILLOT_VIEWER_DOUBLE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::vector<HWND> ViewerWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectViewerWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

ViewerDouble ViewerDouble::Start(const std::string& recordPath) {
    std::string commandLine = "\"" + ViewerDoublePath() + "\" \"" + recordPath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return ViewerDouble(nullptr, 0, recordPath);
    }
    CloseHandle(info.hThread);
    return ViewerDouble(info.hProcess, info.dwProcessId, recordPath);
}

ViewerDouble ViewerDouble::Find(const std::string& recordPath) {
    const HWND window = WaitForViewerWindow(0);
    DWORD processId = 0;
    if (window != nullptr) GetWindowThreadProcessId(window, &processId);
    HANDLE process =
        processId == 0 ? nullptr : OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
    return ViewerDouble(process, processId, recordPath);
}

ViewerDouble::ViewerDouble(HANDLE process, DWORD processId, const std::string& recordPath)
    : process_(process), processId_(processId), record_(recordPath) {
    if (process_ != nullptr) window_ = WaitForViewerWindow(processId_);
}

ViewerDouble::ViewerDouble(ViewerDouble&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      processId_(other.processId_),
      window_(std::exchange(other.window_, nullptr)),
      record_(other.record_) {}

ViewerDouble::~ViewerDouble() {
    Stop();
}

std::vector<std::string> ViewerDouble::Stop() {
    if (process_ != nullptr) {
        if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, DoubleTimeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, DoubleTimeoutMs);
        }
        CloseHandle(process_);
        process_ = nullptr;
        window_ = nullptr;
    }
    if (!FileExistsForTest(record_)) return {};
    std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(record_));
    return lines;
}

}  // namespace quillot::test
