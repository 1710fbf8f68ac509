// The application: a hidden top-level window that owns the main window and
// carries the application title (the text in the task list), and the message
// loop, which hands every message to the message hook before dispatching it.
// The loop takes messages as UTF-16 ("W"), so that a character typed into a
// Unicode window (the Find dialog's text) arrives as itself.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quillot {

// The window class of the owner window.
constexpr const char* ApplicationClassName = "QuillotApplication";

template <typename T>
LRESULT CALLBACK WindowThunk(HWND, UINT, WPARAM, LPARAM);

class Application {
  public:
    Application() = default;
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the hidden owner window; false on failure.
    bool Create(HINSTANCE instance, const std::string& title);
    HWND Handle() const { return hwnd_; }

    void SetTitle(const std::string& title);
    std::string Title() const;

    // Sees every message the loop takes from the queue, before dispatch.
    void SetMessageHook(std::function<void(const MSG&)> hook) { hook_ = std::move(hook); }
    // Called with a message for the main window before its accelerators and
    // controls see it; returns true when it used the message up.
    void SetKeyPreview(std::function<bool(const MSG&)> preview) {
        keyPreview_ = std::move(preview);
    }
    // The window whose accelerators the loop translates, and the table.
    void SetMainWindow(HWND window, HACCEL accelerators);
    // A modeless dialog of the main window (none: nullptr). Keys typed in it
    // are its own, but for those of `accelerators`, which go to the main
    // window as its commands.
    void SetModelessDialog(HWND dialog, HACCEL accelerators);

    // Minimises the application: the main window hides and the owner, which
    // stands for the program in the task list, is minimised. Restoring the
    // owner shows the main window again.
    void Minimize();

    // Runs the loop until WM_QUIT; returns its exit code.
    int Run();
    // Handles the messages that are waiting, then returns (for tests).
    void ProcessMessages();

  private:
    friend LRESULT CALLBACK WindowThunk<Application>(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void HandleOne(MSG& msg);

    HWND hwnd_ = nullptr;
    HWND mainWindow_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HWND dialog_ = nullptr;
    HACCEL dialogAccelerators_ = nullptr;
    std::function<void(const MSG&)> hook_;
    std::function<bool(const MSG&)> keyPreview_;
    // The message being dispatched by this loop already passed the hook.
    const MSG* hooked_ = nullptr;
    bool minimized_ = false;
};

}  // namespace quillot
