// A stand-in for the external trace viewer, for the trace tests only. It owns
// a hidden top-level window of class "ViRever" and records every atom posted
// to its thread, one line each: "<wParam> <lParam> <atom name>", then deletes
// the atom as the real viewer does; any other message posted to the thread
// is recorded as "stray <message number>". The record goes to the file named on the
// command line, or, without one, beside the program with the extension
// ".log". WM_CLOSE to the window ends it.
#include <windows.h>

#include <string>

namespace {

constexpr char WindowClass[] = "ViRever";

std::string RecordPath(const char* commandLine) {
    std::string path = commandLine;
    while (!path.empty() && (path.front() == ' ' || path.front() == '"'))
        path.erase(0, 1);
    while (!path.empty() && (path.back() == ' ' || path.back() == '"'))
        path.pop_back();
    if (!path.empty()) return path;
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    path = self;
    const size_t dot = path.rfind('.');
    const size_t slash = path.find_last_of("\\/");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.erase(dot);
    return path + ".log";
}

void Append(const std::string& path, const std::string& line) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string record = line + "\r\n";
    DWORD written = 0;
    SetFilePointer(file, 0, nullptr, FILE_END);
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const std::string record = RecordPath(commandLine);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = WindowClass;
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, WindowClass, "Trace viewer double", WS_OVERLAPPEDWINDOW, 0, 0,
                                  200, 100, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message >= MAXINTATOM && msg.message <= 0xFFFF) {
            char name[256] = "";
            const ATOM atom = static_cast<ATOM>(msg.message);
            if (GlobalGetAtomNameA(atom, name, sizeof name) == 0) lstrcpyA(name, "<no atom>");
            GlobalDeleteAtom(atom);
            Append(record,
                   std::to_string(msg.wParam) + " " + std::to_string(msg.lParam) + " " + name);
            continue;
        }
        if (msg.hwnd == nullptr) {
            Append(record, "stray " + std::to_string(msg.message));
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
