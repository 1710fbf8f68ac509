#include "tests/shell/dialog_driver.h"

#include <chrono>

namespace quillot::test {

namespace {

constexpr int FindTimeoutMs = 10000;
constexpr int CloseTimeoutMs = 5000;

struct Search {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window) &&
        TextOf(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770") PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

DialogDriver::DialogDriver(std::string caption, std::function<void(HWND)> action)
    : testThread_(GetCurrentThreadId()),
      thread_(&DialogDriver::Run, this, std::move(caption), std::move(action)) {}

DialogDriver::~DialogDriver() {
    Join();
}

void DialogDriver::Join() {
    if (thread_.joinable()) thread_.join();
}

void DialogDriver::Run(std::string caption, std::function<void(HWND)> action) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialogOfThread(testThread_, caption)) != nullptr; },
            FindTimeoutMs);
    if (dialog == nullptr) {
        // Some other dialog (or one with another caption) may be open: cancel
        // whatever dialog the thread shows, so the test goes on and fails.
        EnumThreadWindows(testThread_, CancelDialog, 0);
        return;
    }
    found_ = true;
    action(dialog);
    closedByAction_ = WaitUntilGone(dialog, CloseTimeoutMs);
    if (closedByAction_) return;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    if (!WaitUntilGone(dialog, CloseTimeoutMs)) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

HWND FindDialogOfThread(DWORD threadId, const std::string& caption) {
    Search search = {&caption, nullptr};
    EnumThreadWindows(threadId, MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitUntilGone(HWND window, int timeoutMs) {
    return WaitFor([&] { return !IsWindow(window); }, timeoutMs);
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(20);
    }
}

void PostKey(HWND window, WPARAM key) {
    UINT scan = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageA(window, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::string TextOf(HWND window) {
    char text[512] = {};
    // Through WM_GETTEXT, which also answers for windows of other threads.
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

RECT RectIn(HWND window, HWND reference) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

OwnerWindow::OwnerWindow(int left, int top, int width, int height) {
    static ATOM windowClass = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "QuillotTestOwner";
        return RegisterClassA(&wc);
    }();
    window_ = CreateWindowExA(0, MAKEINTATOM(windowClass), "Test owner",
                              WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, top, width, height, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    // The window manager may still move the window (onto the screen, for
    // instance): wait until its place has been the same for a while.
    RECT last = {};
    int stable = 0;
    WaitFor(
        [&] {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            RECT now;
            GetWindowRect(window_, &now);
            stable = EqualRect(&now, &last) ? stable + 1 : 0;
            last = now;
            return stable >= 10;
        },
        3000);
}

OwnerWindow::~OwnerWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace quillot::test
