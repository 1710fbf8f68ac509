// The lock that Quillot processes take in turn: a start holds it while it
// searches for a running instance and, finding one, hands its file name over
// through the INI file; the running instance holds it while it reads that
// name. So no process reads the INI file while another rewrites it.
#pragma once

#include <windows.h>

namespace quillot {

class StartLock {
  public:
    // Takes the lock (a holder that takes longer than a timeout does not keep
    // the others waiting for ever); with `answering`, the windows of this
    // thread go on answering messages sent to them meanwhile.
    explicit StartLock(bool answering = false);
    ~StartLock();
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

    void Acquire();
    void Release();
    // Keeps the lock to the end of the process, whose exit routines may still
    // write the INI file; the system lets the next process have it then.
    void HoldUntilExit();

  private:
    HANDLE mutex_;
    bool answering_;
    bool held_ = false;
    bool untilExit_ = false;
};

}  // namespace quillot
