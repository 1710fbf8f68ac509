// Records the message boxes the code under test would show, instead of
// showing them, for as long as the recorder lives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/message_box.h"

namespace quillot::test {

struct ShownMessageBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class MessageBoxRecorder {
  public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<ShownMessageBox>& Shown() const;

  private:
    MessageBoxHook previous_;
};

}  // namespace quillot::test
