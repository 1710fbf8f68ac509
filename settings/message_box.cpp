#include "settings/message_box.h"

namespace quillot {
namespace {

MessageBoxHook messageBoxHook = nullptr;

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (messageBoxHook != nullptr) return messageBoxHook(owner, text, caption, type);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = messageBoxHook;
    messageBoxHook = hook;
    return previous;
}

}  // namespace quillot
