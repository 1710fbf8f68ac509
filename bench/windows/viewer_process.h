// A viewer program (Quillot.exe or the baseline) started as a process of its
// own and watched from outside, as a user would see it: when its window is on
// the screen with the document painted, which view it shows, and whether it
// still answers.
#pragma once

#include <windows.h>

#include <string>

namespace quillot::bench {

class ViewerProcess {
  public:
    ViewerProcess() = default;
    ~ViewerProcess();
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    // Starts the program with the arguments; the clock starts right before.
    bool Start(const std::string& program, const std::string& arguments);
    double StartedAt() const { return startedAt_; }
    HANDLE Handle() const { return info_.hProcess; }

    // Waits until the program shows its document (see PaintedViewWindow);
    // returns the window, or nullptr after the timeout. `seconds` receives
    // the time from the start.
    HWND WaitUntilPainted(double timeoutSeconds, double& seconds) const;

    // Closes the window as its close box would and waits for the process to
    // end; a process that does not end in time is terminated (false).
    bool Close(HWND window);
    // Waits for the process to end; false after the timeout.
    bool WaitForExit(double timeoutSeconds) const;

  private:
    PROCESS_INFORMATION info_ = {};
    double startedAt_ = 0;
};

// "The window visible with the document painted", the same for every
// program: a visible top-level window of the process that is a rich-edit
// view or holds a visible one, where neither the window nor any visible
// window inside it waits for a paint (its update region is empty). Both
// programs load the document into the view before they show the window.
HWND PaintedViewWindow(DWORD processId);

// Whether the window and every visible window inside it have been painted.
bool IsPainted(HWND window);

// The visible rich-edit view inside the window, or the window itself when it
// is one; nullptr when there is none.
HWND VisibleView(HWND window);

}  // namespace quillot::bench
