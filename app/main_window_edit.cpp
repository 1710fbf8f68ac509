// The Edit menu and the views' context menu of the main window: Copy, Select
// All and the Find dialog; and the links of the report views.
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <string>

#include "app/link_address.h"
#include "app/main_window.h"
#include "reader/wide_text.h"
#include "resources/resource.h"
#include "shell/open_address.h"

namespace quillot {
namespace {

// Puts the text on the clipboard as Unicode text; the system offers it in
// the other text formats as well.
void PutTextOnClipboard(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

}  // namespace

void TFrm::EditCopy() {
    const std::wstring text = views_[activePage_].SelectedText();
    if (!text.empty()) PutTextOnClipboard(hwnd_, text);
}

void TFrm::EditSelectAll() {
    views_[activePage_].SelectAll();
}

void TFrm::EditFind() {
    if (find_.Show(hwnd_)) application_.SetModelessDialog(find_.Handle(), findAccelerators_);
}

// F3 and Shift+F3 search with the dialog's text and choices but in their
// own direction; with nothing searched for yet they open the dialog.
void TFrm::EditFindNext() {
    FindDialog::Search search = find_.Last();
    if (search.text.empty()) {
        EditFind();
        return;
    }
    search.down = true;
    FindInActiveView(search);
}

void TFrm::EditFindPrevious() {
    FindDialog::Search search = find_.Last();
    if (search.text.empty()) {
        EditFind();
        return;
    }
    search.down = false;
    FindInActiveView(search);
}

void TFrm::FindInActiveView(const FindDialog::Search& search) {
    if (views_[activePage_].Find(search.text, search.down, search.matchCase, search.wholeWord)) {
        ShowFolderPosition();
    } else {
        SetStatusText("\"" + WideToUtf8(search.text) + "\" not found");
    }
}

void TFrm::OnFindMessage(LPARAM lParam) {
    FindDialog::Search search;
    if (find_.TakeMessage(lParam, search)) {
        FindInActiveView(search);
    } else if (!find_.Handle()) {
        application_.SetModelessDialog(nullptr, nullptr);
    }
}

// A click is the left button going down and coming up on the same link; a
// selection dragged over a link opens nothing. Only the addresses that
// OpenableAddress lets through reach the shell.
void TFrm::OnLink(const ENLINK& link) {
    if (link.msg == WM_LBUTTONDOWN) {
        pressedLink_ = link.chrg;
        return;
    }
    if (link.msg != WM_LBUTTONUP) return;
    const CHARRANGE pressed = pressedLink_;
    pressedLink_ = {-1, -1};
    if (pressed.cpMin != link.chrg.cpMin || pressed.cpMax != link.chrg.cpMax) return;
    const std::wstring address = OpenableAddress(views_[activePage_].TextOf(link.chrg));
    if (address.empty()) return;
    if (environment_.openAddress) {
        environment_.openAddress(hwnd_, WideToUtf8(address));
    } else {
        OpenAddressWithShell(hwnd_, WideToUtf8(address));
    }
}

// The context menu opens where the mouse was clicked, or at the caret when
// it comes from the keyboard (Shift+F10, the menu key).
bool TFrm::OnContextMenu(HWND source, LPARAM position) {
    const HWND view = views_[activePage_].Handle();
    if (!view || source != view) return false;
    POINT at = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (position == -1) {
        CHARRANGE selection = {};
        SendMessageA(view, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        POINTL caret = {};
        SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), selection.cpMin);
        RECT client;
        GetClientRect(view, &client);
        at.x = caret.x < client.left || caret.x > client.right ? 0 : caret.x;
        at.y = caret.y < client.top || caret.y > client.bottom ? 0 : caret.y;
        ClientToScreen(view, &at);
    }
    TrackPopupMenu(ViewMenu(), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    return true;
}

// Copy is there only for a selection, in the Edit menu as in the context
// menu; the accelerator table asks here too before it copies.
void TFrm::OnInitMenuPopup(HMENU menu) {
    const bool selection = views_[activePage_].HasSelection();
    EnableMenuItem(menu, IDM_COPY, MF_BYCOMMAND | (selection ? MF_ENABLED : MF_GRAYED));
}

}  // namespace quillot
