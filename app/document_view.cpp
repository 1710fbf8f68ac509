#include "app/document_view.h"

#include <cstring>

#include "shell/system_library.h"

namespace quillot {
namespace {

// Bytes read and decoded at a time for a UTF-8 view.
constexpr DWORD kUtf8ReadBlock = 64 * 1024;
// The code page number by which the rich-edit messages ask for UTF-16.
constexpr UINT kUnicodeCodePage = 1200;

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

// What is left of a UTF-16 text that EM_STREAMIN takes in.
struct WideTextSource {
    const char* next;
    size_t bytesLeft;
};

DWORD CALLBACK ReadFromWideText(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto* source = reinterpret_cast<WideTextSource*>(cookie);
    const size_t wanted = static_cast<size_t>(size > 0 ? size : 0) & ~size_t{1};  // whole units
    const size_t count = source->bytesLeft < wanted ? source->bytesLeft : wanted;
    std::memcpy(buffer, source->next, count);
    source->next += count;
    source->bytesLeft -= count;
    *read = static_cast<LONG>(count);
    return 0;
}

// How many bytes at the end of `bytes` begin a UTF-8 sequence that goes on
// beyond it.
size_t CutSequenceLength(const std::string& bytes) {
    size_t start = bytes.size();
    while (start > 0 && bytes.size() - start < 3 &&
           (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80) {
        --start;
    }
    if (start == 0) return 0;
    const auto lead = static_cast<unsigned char>(bytes[start - 1]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const size_t present = bytes.size() - (start - 1);
    return present < length ? present : 0;
}

// The file's text decoded from UTF-8 into UTF-16, without a byte-order mark.
// The file is read in blocks, each decoded up to its last whole sequence.
bool ReadUtf8File(HANDLE file, std::wstring& text) {
    std::string bytes;
    std::wstring decoded;
    for (;;) {
        const size_t kept = bytes.size();
        bytes.resize(kept + kUtf8ReadBlock);
        DWORD got = 0;
        if (!ReadFile(file, &bytes[kept], kUtf8ReadBlock, &got, nullptr)) return false;
        bytes.resize(kept + got);
        const size_t carry = got == 0 ? 0 : CutSequenceLength(bytes);
        const int length = static_cast<int>(bytes.size() - carry);
        if (length > 0) {
            decoded.resize(static_cast<size_t>(length));
            const int units =
                MultiByteToWideChar(CP_UTF8, 0, bytes.data(), length, decoded.data(), length);
            text.append(decoded.data(), static_cast<size_t>(units > 0 ? units : 0));
        }
        bytes.erase(0, bytes.size() - carry);
        if (got == 0) break;
    }
    if (!text.empty() && text.front() == 0xFEFF) text.erase(0, 1);
    return true;
}

// The control's text in a code page: one character per unit of Char, so
// CP_ACP (single-byte here) into char and UTF-16 into wchar_t.
template <typename Char>
std::basic_string<Char> TextInCodePage(HWND hwnd, UINT codePage) {
    GETTEXTLENGTHEX lengthRequest = {GTL_NUMCHARS | GTL_PRECISE, codePage};
    const LRESULT length =
        SendMessageA(hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthRequest), 0);
    std::basic_string<Char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, Char());
    GETTEXTEX request = {};
    request.cb = static_cast<DWORD>(text.size() * sizeof(Char));
    request.flags = GT_DEFAULT;
    request.codepage = codePage;
    const LRESULT got = SendMessageA(hwnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

}  // namespace

bool LoadRichEditLibrary() {
    static HMODULE library = LoadSystemLibrary("riched20.dll");
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

bool DocumentView::LoadFile(const std::string& path, ViewFormat format, TextEncoding textEncoding) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool rtf = format == ViewFormat::Rtf;
    if (!rtf && textEncoding == TextEncoding::Utf8) {
        // Decoded here and streamed in as UTF-16 text, which the control
        // never takes for RTF, whatever it holds.
        std::wstring text;
        const bool read = ReadUtf8File(file, text);
        CloseHandle(file);
        if (!read) return false;
        WideTextSource source = {reinterpret_cast<const char*>(text.data()),
                                 text.size() * sizeof(wchar_t)};
        return StreamIn(SF_TEXT | SF_UNICODE, ReadFromWideText,
                        reinterpret_cast<DWORD_PTR>(&source));
    }
    const bool loaded =
        StreamIn(rtf ? SF_RTF : SF_TEXT, ReadFromFile, reinterpret_cast<DWORD_PTR>(file));
    CloseHandle(file);
    return loaded;
}

void DocumentView::Clear() {
    SetWindowTextA(hwnd_, "");
}

bool DocumentView::StreamIn(WPARAM format, EDITSTREAMCALLBACK callback, DWORD_PTR cookie) {
    EDITSTREAM stream = {};
    stream.dwCookie = cookie;
    stream.pfnCallback = callback;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    if ((format & SF_RTF) == 0) ApplyFont();
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
    return TextInCodePage<char>(hwnd_, CP_ACP);
}

std::wstring DocumentView::UnicodeText() const {
    return TextInCodePage<wchar_t>(hwnd_, kUnicodeCodePage);
}

}  // namespace quillot
