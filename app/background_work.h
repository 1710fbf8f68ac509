// Work that would keep the user-interface thread busy for long (reading and
// rendering a large document) runs on a worker thread, while the user-
// interface thread waits for it without stopping its windows: they repaint,
// their timers run and messages sent to them are answered. Every other
// message stays in the queue and is handled after the work, in its order, as
// if the thread had done the work itself; only a press of Escape is taken out
// at once, so that the window can go away without waiting.
#pragma once

#include <windows.h>

#include <functional>

namespace quillot {

class BackgroundWork {
  public:
    BackgroundWork() = default;
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Runs the work to its end on a worker thread; `onEscape` runs as soon as
    // Escape is pressed in `window` or a window in it (that key press is taken
    // from the queue). A failure of the work is thrown again here. The work
    // runs on this thread when no worker can be started.
    void Run(const std::function<void()>& work, HWND window, const std::function<void()>& onEscape);
    // True while Run waits for its work.
    bool Running() const { return worker_ != nullptr; }
    // Waits for the running work to end, handling no messages meanwhile.
    void Finish() const;

  private:
    HANDLE worker_ = nullptr;
};

// Waits this long as Sleep does, all messages staying in the queue, except
// that the windows go on repainting and running their timers.
void PauseWithoutStopping(DWORD milliseconds);

}  // namespace quillot
