#include "shell/display_scale.h"

#include <commctrl.h>

#include "shell/system_library.h"

namespace quillot {
namespace {

// An entry point of user32, which every program of ours has loaded; nullptr
// where this system lacks it.
template <typename Function>
Function UserFunction(const char* name) {
    // Through void (*)(), the one function pointer type any other converts to
    // without a warning.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

using GetThreadContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)();
using GetAwarenessFunction = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);
using SetProcessContextFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
using SetProcessAwarenessFunction = HRESULT(WINAPI*)(int);  // shcore, Windows 8.1
using SetProcessAwareFunction = BOOL(WINAPI*)();            // Windows Vista
using DpiForWindowFunction = UINT(WINAPI*)(HWND);
using DpiForSystemFunction = UINT(WINAPI*)();
using MetricForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

constexpr int kProcessPerMonitorDpiAware = 2;  // PROCESS_PER_MONITOR_DPI_AWARE
constexpr int kTabPaddingX = 6;
constexpr int kTabPaddingY = 3;

}  // namespace

bool IsPerMonitorDpiAware() {
    static const auto threadContext =
        UserFunction<GetThreadContextFunction>("GetThreadDpiAwarenessContext");
    static const auto awarenessOf =
        UserFunction<GetAwarenessFunction>("GetAwarenessFromDpiAwarenessContext");
    if (threadContext == nullptr || awarenessOf == nullptr) return false;
    return awarenessOf(threadContext()) == DPI_AWARENESS_PER_MONITOR_AWARE;
}

// Windows 10 takes the manifest's "PerMonitorV2, PerMonitor". Wine 8 knows
// only version 1: with the manifest honoured it stops at the version 2 token,
// which it cannot set, and leaves the process unaware; the call for version 1
// after version 2 failed makes it per-monitor aware.
void RequestPerMonitorDpiAwareness() {
    if (IsPerMonitorDpiAware()) return;
    const auto setContext =
        UserFunction<SetProcessContextFunction>("SetProcessDpiAwarenessContext");
    if (setContext != nullptr) {
        if (!setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
            setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
        }
        return;
    }
    const auto setAwareness =
        SystemFunction<SetProcessAwarenessFunction>("shcore.dll", "SetProcessDpiAwareness");
    if (setAwareness != nullptr) {
        setAwareness(kProcessPerMonitorDpiAware);
        return;
    }
    const auto setAware = UserFunction<SetProcessAwareFunction>("SetProcessDPIAware");
    if (setAware != nullptr) setAware();
}

UINT SystemDpi() {
    static const auto dpiForSystem = UserFunction<DpiForSystemFunction>("GetDpiForSystem");
    if (dpiForSystem != nullptr) return dpiForSystem();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : DesignDpi;
}

UINT DpiOfWindow(HWND window) {
    static const auto dpiForWindow = UserFunction<DpiForWindowFunction>("GetDpiForWindow");
    if (dpiForWindow != nullptr) {
        const UINT dpi = dpiForWindow(window);
        if (dpi != 0) return dpi;  // 0: no window
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
    static const auto metricForDpi = UserFunction<MetricForDpiFunction>("GetSystemMetricsForDpi");
    return metricForDpi != nullptr ? metricForDpi(index, dpi) : GetSystemMetrics(index);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool hasMenu, DWORD exStyle, UINT dpi) {
    static const auto adjustForDpi = UserFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr && adjustForDpi(&rect, style, hasMenu, exStyle, dpi)) return;
    AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
}

void ScaleTabPadding(HWND tabs, UINT dpi) {
    SendMessageA(tabs, TCM_SETPADDING, 0,
                 MAKELPARAM(ScaleToDpi(kTabPaddingX, dpi), ScaleToDpi(kTabPaddingY, dpi)));
}

}  // namespace quillot
