#include "settings/message_box.h"

#include "reader/wide_text.h"

namespace quillot {
namespace {

MessageBoxHook messageBoxHook = nullptr;

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (messageBoxHook != nullptr) return messageBoxHook(owner, text, caption, type);
    return MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = messageBoxHook;
    messageBoxHook = hook;
    return previous;
}

}  // namespace quillot
