#include "trace/trace_viewer.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>

namespace quillot {
namespace {

HWND FindViewerWindow() {
    return FindWindowA(ViewerWindowClass, nullptr);
}

ViewerDelivery StartViewer() {
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", ViewerProgram, nullptr, nullptr, SW_SHOWNORMAL);
    const intptr_t code = reinterpret_cast<intptr_t>(result);
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
        return ViewerDelivery::ProgramNotFound;
    }
    return ViewerDelivery::Starting;
}

}  // namespace

bool ViewerWindowExists() {
    return FindViewerWindow() != nullptr;
}

ViewerDelivery SendLineToViewer(const std::string& line) {
    const HWND viewer = FindViewerWindow();
    if (viewer == nullptr) return StartViewer();
    const ATOM atom = GlobalAddAtomA(line.c_str());
    // An integer atom ("#18") would arrive as a system message such as
    // WM_QUIT, and an empty line gives no atom at all: neither is posted.
    if (atom < MAXINTATOM) return ViewerDelivery::NotPosted;
    if (!PostThreadMessageA(GetWindowThreadProcessId(viewer, nullptr), atom, 0, 0)) {
        GlobalDeleteAtom(atom);  // nobody else will
        return ViewerDelivery::NotPosted;
    }
    return ViewerDelivery::Posted;
}

}  // namespace quillot
