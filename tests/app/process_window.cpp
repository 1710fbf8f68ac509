#include "tests/app/process_window.h"

#include <cstring>

namespace quillot::test {
namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId != search->processId || std::strcmp(className, "TFrm") != 0 ||
        !IsWindowVisible(window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND VisibleMainWindowOf(DWORD processId) {
    WindowSearch search = {processId, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace quillot::test
