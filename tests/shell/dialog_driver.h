// Drives modal dialogs from a second thread. The test thread opens a dialog
// and stays in its modal loop; a DialogDriver waits for the dialog window of
// that thread, acts on it (posting keys and clicks as the user would) and
// notes whether the window went away. Should the action leave the dialog
// open, the driver cancels it, so a failing test never hangs.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace quillot::test {

class DialogDriver {
  public:
    // Waits up to 10 seconds for a visible "#32770" window of the calling
    // thread with this caption, then runs the action on it.
    DialogDriver(std::string caption, std::function<void(HWND dialog)> action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Waits for the driver thread; call after the modal function returned.
    void Join();
    bool Found() const { return found_; }
    // The dialog was gone within 5 seconds of the action, without help.
    bool ClosedByAction() const { return closedByAction_; }

  private:
    void Run(std::string caption, std::function<void(HWND)> action);

    DWORD testThread_;
    std::atomic<bool> found_{false};
    std::atomic<bool> closedByAction_{false};
    std::thread thread_;
};

// The first visible dialog window of the thread with exactly this caption.
HWND FindDialogOfThread(DWORD threadId, const std::string& caption);
// Waits until the window no longer exists.
bool WaitUntilGone(HWND window, int timeoutMs);
// Waits until the condition holds, polling.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

// A key press as the keyboard would queue it for the window.
void PostKey(HWND window, WPARAM key);
// The window that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
// The window's caption or text.
std::string TextOf(HWND window);
// The window's rectangle in the client coordinates of `reference`.
RECT RectIn(HWND window, HWND reference);

// A plain visible top-level window that owns the dialogs of a test.
class OwnerWindow {
  public:
    OwnerWindow(int left, int top, int width, int height);
    ~OwnerWindow();
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND Handle() const { return window_; }

  private:
    HWND window_;
};

}  // namespace quillot::test
