#include "tests/settings/message_box_recorder.h"

namespace quillot::test {
namespace {

std::vector<ShownMessageBox> shown;

int Record(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    shown.push_back({owner, text, caption, type});
    return IDOK;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder() : previous_(SetMessageBoxHook(Record)) {
    shown.clear();
}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHook(previous_);
    shown.clear();
}

const std::vector<ShownMessageBox>& MessageBoxRecorder::Shown() const {
    return shown;
}

}  // namespace quillot::test
