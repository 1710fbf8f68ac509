#include "shell/find_dialog.h"

namespace quillot {

FindDialog::FindDialog() {
    record_.lStructSize = sizeof record_;
    record_.lpstrFindWhat = text_;
    record_.wFindWhatLen = static_cast<WORD>(sizeof text_ / sizeof text_[0]);
    record_.Flags = FR_DOWN;
}

FindDialog::~FindDialog() {
    if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
}

bool FindDialog::Show(HWND owner) {
    if (dialog_) {
        SetActiveWindow(dialog_);
        return true;
    }
    record_.hwndOwner = owner;
    record_.Flags &= FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD;
    dialog_ = FindTextW(&record_);
    return dialog_ != nullptr;
}

UINT FindDialog::Message() {
    static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
    return message;
}

bool FindDialog::TakeMessage(LPARAM lParam, Search& search) {
    const auto* record = reinterpret_cast<const FINDREPLACEW*>(lParam);
    if (record != &record_) return false;
    if (record_.Flags & FR_DIALOGTERM) {
        dialog_ = nullptr;
        return false;
    }
    if ((record_.Flags & FR_FINDNEXT) == 0) return false;
    search = Last();
    return true;
}

FindDialog::Search FindDialog::Last() const {
    Search search;
    search.text = text_;
    search.down = (record_.Flags & FR_DOWN) != 0;
    search.matchCase = (record_.Flags & FR_MATCHCASE) != 0;
    search.wholeWord = (record_.Flags & FR_WHOLEWORD) != 0;
    return search;
}

}  // namespace quillot
