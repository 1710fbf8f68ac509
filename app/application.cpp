#include "app/application.h"

#include "app/startup_marks.h"
#include "app/window_thunk.h"

namespace quillot {

Application::~Application() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Application::Create(HINSTANCE instance, const std::string& title) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowThunk<Application>;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAIN");
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.lpszClassName = ApplicationClassName;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    // A visible window of no size: it gives the program its entry in the task
    // list without showing anything on screen.
    hwnd_ = CreateWindowExA(0, ApplicationClassName, title.c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    StartupMark("application window created");
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    return true;
}

void Application::SetTitle(const std::string& title) {
    SetWindowTextA(hwnd_, title.c_str());
}

std::string Application::Title() const {
    char text[512] = {};
    GetWindowTextA(hwnd_, text, sizeof text);
    return text;
}

void Application::SetMainWindow(HWND window, HACCEL accelerators) {
    mainWindow_ = window;
    accelerators_ = accelerators;
}

void Application::SetModelessDialog(HWND dialog, HACCEL accelerators) {
    dialog_ = dialog;
    dialogAccelerators_ = accelerators;
}

void Application::HandleOne(MSG& msg) {
    if (hook_) hook_(msg);
    if (dialog_ && (msg.hwnd == dialog_ || IsChild(dialog_, msg.hwnd))) {
        if (mainWindow_ && dialogAccelerators_ &&
            TranslateAcceleratorW(mainWindow_, dialogAccelerators_, &msg)) {
            return;
        }
        if (IsDialogMessageW(dialog_, &msg)) return;
    }
    const bool forMainWindow =
        mainWindow_ && (msg.hwnd == mainWindow_ || IsChild(mainWindow_, msg.hwnd));
    if (forMainWindow && keyPreview_ && keyPreview_(msg)) return;
    if (forMainWindow && accelerators_ && TranslateAcceleratorW(mainWindow_, accelerators_, &msg)) {
        return;
    }
    TranslateMessage(&msg);
    const MSG* outer = hooked_;
    hooked_ = &msg;
    DispatchMessageW(&msg);
    hooked_ = outer;
}

void Application::Minimize() {
    minimized_ = true;
    if (mainWindow_) ShowWindow(mainWindow_, SW_HIDE);
    ShowWindow(hwnd_, SW_MINIMIZE);
}

int Application::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        HandleOne(msg);
    return static_cast<int>(msg.wParam);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HandleOne(msg);
    }
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            // Restoring the application (from the task list, or by a second
            // instance) brings a minimised main window back.
            if (wParam == SIZE_RESTORED && mainWindow_) {
                if (minimized_) {
                    minimized_ = false;
                    ShowWindow(mainWindow_, SW_SHOW);
                } else if (IsIconic(mainWindow_)) {
                    ShowWindow(mainWindow_, SW_RESTORE);
                }
            }
            break;
        case WM_ACTIVATE:
            // The owner hands activation on to the main window.
            if (LOWORD(wParam) != WA_INACTIVE && mainWindow_ && IsWindowEnabled(mainWindow_) &&
                IsWindowVisible(mainWindow_)) {
                SetActiveWindow(mainWindow_);
                return 0;
            }
            break;
        case WM_CLOSE:
            // The task bar's "Close window" and Alt+F4 reach the owner: the main
            // window closes as by its own close box (saving its settings).
            // While a modal dialog disables it, the close waits for the user.
            if (mainWindow_) {
                if (IsWindowEnabled(mainWindow_)) SendMessageA(mainWindow_, WM_CLOSE, 0, 0);
                return 0;
            }
            break;
        case WM_ENDSESSION:
            // The session may end as soon as the owner has answered: the main
            // window must have closed by then.
            if (mainWindow_) SendMessageA(mainWindow_, WM_ENDSESSION, wParam, lParam);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
        default:
            // A message posted to this window that reached it without passing
            // the hook (a modal dialog's own loop dispatched it) gets its turn
            // with the hook here.
            if (message >= WM_USER && hook_) {
                MSG msg = {hwnd_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
                           {}};
                const bool alreadyHooked = hooked_ && hooked_->hwnd == hwnd_ &&
                                           hooked_->message == message &&
                                           hooked_->wParam == wParam && hooked_->lParam == lParam;
                if (!alreadyHooked && InSendMessage() == FALSE) hook_(msg);
            }
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace quillot
