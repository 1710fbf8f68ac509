// bare_richedit.exe: the start-up baseline. A Win32 program that does no more
// than any program showing an RTF file must: it loads the system's rich-edit
// library, creates one RichEdit20A window as its top-level window, streams the
// RTF file named on the command line into it, shows it and runs the message
// loop until the window closes.
//
//   bare_richedit.exe FILE.rtf
//
// Built with BARE_PROFILE it records marks on the way (bare_profile.exe, see
// mark_recorder.h), for comparison with Quillot's.
#include <windows.h>
#include <richedit.h>

#include "bench/windows/rtf_stream_in.h"

#ifdef BARE_PROFILE
#include "bench/windows/mark_recorder.h"
#define MARK(point) quillot::bench::RecordMark(point)
#else
#define MARK(point)
#endif

namespace {

WNDPROC richEditProcedure = nullptr;

// The rich-edit window is the top-level window: closing it ends the loop.
LRESULT CALLBACK TopLevelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return CallWindowProcA(richEditProcedure, window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
#ifdef BARE_PROFILE
    quillot::bench::BeginMarks();
#endif
    if (!LoadLibraryA("riched20.dll")) return 1;
    MARK("rich-edit library");
    HWND window =
        CreateWindowExA(0, RICHEDIT_CLASSA, "bare_richedit",
                        WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY,
                        197, 123, 435, 300, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    richEditProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TopLevelProcedure)));
    MARK("window created");

    if (!quillot::bench::StreamInRtfFile(window, commandLine)) return 1;
    MARK("document streamed in");

    ShowWindow(window, SW_SHOWNORMAL);
    MARK("window shown");
    UpdateWindow(window);
    MARK("window painted");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
#ifdef BARE_PROFILE
    if (!quillot::bench::WriteMarks()) return 1;
#endif
    return 0;
}
