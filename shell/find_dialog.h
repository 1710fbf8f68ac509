// The system's Find dialog (FindTextW), modeless: it stays open beside its
// owner and tells the owner of every search it asks for, and of its closing,
// with the registered message FindDialog::Message(). The text and the choices
// stay for the next search, also after the dialog has closed. The owner's
// message loop must give the dialog its keys (IsDialogMessage).
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace quillot {

class FindDialog {
  public:
    // What is searched for, and how.
    struct Search {
        std::wstring text;
        bool down = true;
        bool matchCase = false;
        bool wholeWord = false;
    };

    FindDialog();
    ~FindDialog();
    FindDialog(const FindDialog&) = delete;
    FindDialog& operator=(const FindDialog&) = delete;

    // Opens the dialog, or activates it when it is open already; false when
    // it cannot be opened.
    bool Show(HWND owner);
    // The open dialog, or nullptr.
    HWND Handle() const { return dialog_; }

    // The message number the dialog sends its owner; its long parameter is
    // the dialog's record, which TakeMessage reads.
    static UINT Message();
    // The owner's part of that message: true with `search` filled in when
    // the dialog asks for a search; false otherwise (the dialog has closed
    // when Handle() is then nullptr).
    bool TakeMessage(LPARAM lParam, Search& search);

    // The text and the choices of the last search (an empty text: none yet).
    Search Last() const;

  private:
    FINDREPLACEW record_ = {};
    wchar_t text_[256] = {};
    HWND dialog_ = nullptr;
};

}  // namespace quillot
