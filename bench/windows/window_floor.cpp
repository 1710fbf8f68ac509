// window_floor.exe: the windows that Quillot.exe must show, and nothing else:
// the hidden-owner arrangement of a running instance (a visible owner window
// of no size with the application title), the main window with Quillot's
// menu and resources (icon, manifest), a status bar with one simple panel, a
// tab control with the three tabs and one rich-edit view with the RTF file
// named on the command line. No settings, no reading or rendering, no other
// library. It shows what the platform costs for these windows, for
// comparison with Quillot.exe and with the bare RichEdit20A window.
//
//   window_floor.exe FILE.rtf
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "bench/windows/rtf_stream_in.h"
#include "resources/resource.h"

namespace {

HWND statusBar = nullptr;
HWND tabs = nullptr;
HWND view = nullptr;

void Layout(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    SendMessageA(statusBar, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(statusBar, &status);
    client.bottom -= status.bottom - status.top;
    MoveWindow(tabs, 0, 0, client.right, client.bottom, TRUE);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&client));
    MoveWindow(view, client.left, client.top, client.right - client.left,
               client.bottom - client.top, TRUE);
}

LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (view) Layout(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAIN");
    windowClass.lpszClassName = "FloorOwner";
    RegisterClassExA(&windowClass);
    HWND owner = CreateWindowExA(
        0, "FloorOwner", "Floor ", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
        nullptr, instance, nullptr);
    ShowWindow(owner, SW_SHOWNOACTIVATE);

    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainProcedure;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "FloorMain";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(
        0, "FloorMain", "Floor - file", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 197, 123, 435, 300,
        owner, LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU)), instance, nullptr);
    statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
                                0, 0, 0, window, nullptr, instance, nullptr);
    SendMessageA(statusBar, SB_SIMPLE, TRUE, 0);
    tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0,
                           0, window, nullptr, instance, nullptr);
    const char* captions[] = {"Std", "All", "Xml"};
    for (int i = 0; i < 3; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    if (!LoadLibraryA((std::string(system) + "\\riched20.dll").c_str())) return 1;
    view = CreateWindowExA(
        WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0,
        window, nullptr, instance, nullptr);
    if (!window || !view) return 1;
    Layout(window);

    if (!quillot::bench::StreamInRtfFile(view, commandLine)) return 1;

    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
