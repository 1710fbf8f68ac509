#include "app/start_lock.h"

namespace quillot {
namespace {

constexpr const char* kStartLockName = "Local\\Quillot.SingleInstance";
constexpr DWORD kStartLockTimeoutMs = 20000;

bool Taken(DWORD result) {
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

// Waits for the mutex while messages sent to this thread's windows are
// answered: a start that holds the lock restores the running window, which
// sends it messages.
bool WaitAnswering(HANDLE mutex) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD passed = GetTickCount() - start;
        if (passed >= kStartLockTimeoutMs) return false;
        const DWORD result = MsgWaitForMultipleObjects(
            1, &mutex, FALSE, kStartLockTimeoutMs - passed, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1) return Taken(result);
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

StartLock::StartLock(bool answering)
    : mutex_(CreateMutexA(nullptr, FALSE, kStartLockName)), answering_(answering) {
    Acquire();
}

StartLock::~StartLock() {
    if (untilExit_) return;
    Release();
    if (mutex_) CloseHandle(mutex_);
}

void StartLock::Acquire() {
    if (!mutex_ || held_) return;
    held_ = answering_ ? WaitAnswering(mutex_)
                       : Taken(WaitForSingleObject(mutex_, kStartLockTimeoutMs));
}

void StartLock::Release() {
    if (held_) ReleaseMutex(mutex_);
    held_ = false;
}

void StartLock::HoldUntilExit() {
    untilExit_ = true;
}

}  // namespace quillot
