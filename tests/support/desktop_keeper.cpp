// Keeps the desktop of a Wine test session in use from its start to its end.
// Wine closes a desktop that no process uses any more, and the next program
// that needs one starts the desktop's process (explorer.exe) anew, which
// inherits that program's standard handles: under CTest that test then
// seems to run until the desktop's process ends, long after the test did
// (a pause of the window tests, such as the display scaling runs in a
// prefix of their own, is enough). The session starts this program right
// after its first one, with its output on /dev/null, and the wineserver's
// end stops it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    GetDesktopWindow();  // the process now uses the desktop
    // A message-only window, which no search for top-level windows meets,
    // gives the thread a message loop to wait in.
    CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
