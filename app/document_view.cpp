#include "app/document_view.h"

#include <cstring>

namespace quillot {
namespace {

DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &got,
                  nullptr)) {
        *read = 0;
        return 1;
    }
    *read = static_cast<LONG>(got);
    return 0;
}

bool StartsWithRtf(HANDLE file) {
    char head[5] = {};
    DWORD got = 0;
    const bool rtf = ReadFile(file, head, sizeof head, &got, nullptr) && got == sizeof head &&
                     std::memcmp(head, "{\\rtf", sizeof head) == 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    return rtf;
}

}  // namespace

bool LoadRichEditLibrary() {
    static HMODULE library = LoadLibraryA("riched20.dll");
    return library != nullptr;
}

bool DocumentView::Create(HWND parent, int id) {
    if (!LoadRichEditLibrary()) return false;
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
                            WS_CHILD | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
                                ES_READONLY | ES_NOHIDESEL | ES_SAVESEL,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return false;
    // No limit but memory: the Source view shows files of any size.
    SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    // Lines wrap at the window's width; the horizontal bar stays for text
    // that cannot wrap.
    SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, 0);
    return true;
}

bool DocumentView::LoadFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const WPARAM format = StartsWithRtf(file) ? SF_RTF : SF_TEXT;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
    stream.pfnCallback = ReadFromFile;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    CloseHandle(file);
    if (format == SF_TEXT) ApplyFont();
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    return stream.dwError == 0;
}

void DocumentView::SetBackground(COLORREF color) {
    SendMessageA(hwnd_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color & 0x00FFFFFF));
}

void DocumentView::SetFont(const CHARFORMAT2A& format) {
    font_ = format;
    hasFont_ = true;
    ApplyFont();
}

void DocumentView::SetTextColor(COLORREF color) {
    if (!hasFont_) return;
    font_.crTextColor = color & 0x00FFFFFF;
    ApplyFont();
}

void DocumentView::ApplyFont() {
    if (!hasFont_) return;
    CHARFORMAT2A format = font_;
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

std::string DocumentView::Text() const {
    GETTEXTLENGTHEX lengthRequest = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    const LRESULT length =
        SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthRequest), 0);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GETTEXTEX request = {};
    request.cb = static_cast<DWORD>(text.size());
    request.flags = GT_DEFAULT;
    request.codepage = CP_ACP;
    const LRESULT got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

}  // namespace quillot
