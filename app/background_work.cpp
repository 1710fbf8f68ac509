#include "app/background_work.h"

#include <exception>

namespace quillot {
namespace {

// At most this many paint and timer messages in a row before the wait looks
// at the worker again.
constexpr int kMessagesPerTurn = 64;

struct Job {
    const std::function<void()>* work;
    std::exception_ptr failure;
};

DWORD WINAPI RunJob(LPVOID parameter) {
    auto* job = static_cast<Job*>(parameter);
    try {
        (*job->work)();
    } catch (...) {
        job->failure = std::current_exception();
    }
    return 0;
}

bool IsInWindow(HWND target, HWND window) {
    return target == window || IsChild(window, target);
}

// What waits in the queue after a look at it.
struct Waiting {
    bool escape = false;    // a key press of Escape for the window, now taken out
    bool otherKey = false;  // another key press, left in the queue
};

// Handles the waiting paint and timer messages (sent messages are handled by
// every look at the queue) and, with a window given, takes out a key press of
// Escape for it that comes before any other key press.
Waiting HandleWaitingMessages(HWND window) {
    MSG msg;
    for (int i = 0;
         i < kMessagesPerTurn && PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i) {
        DispatchMessageA(&msg);
    }
    for (int i = 0;
         i < kMessagesPerTurn && PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE); ++i) {
        DispatchMessageA(&msg);
    }
    Waiting waiting;
    if (!window || !PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) {
        return waiting;
    }
    if (msg.wParam == VK_ESCAPE && IsInWindow(msg.hwnd, window)) {
        waiting.escape = PeekMessageA(&msg, msg.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE) != FALSE;
    } else {
        waiting.otherKey = true;
    }
    return waiting;
}

// Waits for the handle (none: only for the time) or a message that the wait
// handles, present in the queue or arriving; keys count only while none waits.
DWORD WaitForMessageOr(HANDLE handle, DWORD milliseconds, bool keys) {
    const DWORD wanted = QS_PAINT | QS_TIMER | QS_SENDMESSAGE | (keys ? QS_KEY : 0);
    return MsgWaitForMultipleObjectsEx(handle ? 1 : 0, handle ? &handle : nullptr, milliseconds,
                                       wanted, MWMO_INPUTAVAILABLE);
}

}  // namespace

void BackgroundWork::Run(const std::function<void()>& work, HWND window,
                         const std::function<void()>& onEscape) {
    Job job = {&work, nullptr};
    HANDLE worker = CreateThread(nullptr, 0, RunJob, &job, CREATE_SUSPENDED, nullptr);
    if (!worker) {
        work();
        return;
    }
    // The windows come first: the worker gives way to this thread.
    SetThreadPriority(worker, THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(worker);
    worker_ = worker;
    bool keyWaits = false;
    do {
        const Waiting waiting = HandleWaitingMessages(window);
        if (waiting.escape && onEscape) onEscape();
        // A key press left in the queue would end every wait at once.
        keyWaits = keyWaits || waiting.otherKey;
    } while (WaitForMessageOr(worker, INFINITE, !keyWaits) == WAIT_OBJECT_0 + 1);
    WaitForSingleObject(worker, INFINITE);
    worker_ = nullptr;
    CloseHandle(worker);
    if (job.failure) std::rethrow_exception(job.failure);
}

void PauseWithoutStopping(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        HandleWaitingMessages(nullptr);
        const DWORD passed = GetTickCount() - start;
        if (passed >= milliseconds ||
            WaitForMessageOr(nullptr, milliseconds - passed, false) == WAIT_TIMEOUT) {
            return;
        }
    }
}

void BackgroundWork::Finish() const {
    if (worker_) WaitForSingleObject(worker_, INFINITE);
}

}  // namespace quillot
