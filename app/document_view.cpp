#include "app/document_view.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/link_address.h"
#include "reader/wide_text.h"
#include "shell/system_library.h"

namespace quillot {
namespace {

// The code page number by which the rich-edit messages ask for UTF-16.
constexpr UINT kUnicodeCodePage = 1200;
// UTF-16 units of a plain text that go in at once when it is loaded; the
// rest follows between messages.
constexpr size_t kFirstPieceUnits = 32 * 1024;
// Bounds of the pieces that follow, and the time that the pieces of one turn
// may take together; the piece size follows the time the last piece took.
constexpr size_t kMinPieceUnits = 2 * 1024;
constexpr size_t kMaxPieceUnits = 128 * 1024;
constexpr double kTurnSeconds = 0.1;
constexpr UINT_PTR kFillTimerId = 1;
// A view holding up to this many characters is emptied in place; one with
// more is replaced by a new control (see DocumentView::Empty).
constexpr size_t kEmptyInPlaceUnits = 4096;
// The window property by which the fill timer finds its view.
constexpr const char* kViewProperty = "Quillot.DocumentView";

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
    const wchar_t* next;
    size_t unitsLeft;
};

// The control takes in what each call gives as a piece of its own, and a CR
// at the end of one piece followed by an LF at the start of the next makes
// two line ends of one: a piece never ends inside a run of CRs.
DWORD CALLBACK ReadFromWideText(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto* source = reinterpret_cast<WideTextSource*>(cookie);
    const size_t left = source->unitsLeft;
    const size_t wanted = static_cast<size_t>(size > 0 ? size : 0) / sizeof(wchar_t);
    size_t count = left < wanted ? left : wanted;
    if (count < left) {
        size_t whole = count;
        while (whole > 0 && source->next[whole - 1] == L'\r')
            --whole;
        if (whole > 0) count = whole;
    }
    std::memcpy(buffer, source->next, count * sizeof(wchar_t));
    source->next += count;
    source->unitsLeft -= count;
    *read = static_cast<LONG>(count * sizeof(wchar_t));
    return 0;
}

double Seconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
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

// The file's first `limit` bytes (all of a shorter file), and its size.
bool ReadFileStart(HANDLE file, uint64_t limit, std::string& bytes, uint64_t& fileSize) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return false;
    fileSize = static_cast<uint64_t>(size.QuadPart);
    bytes.resize(static_cast<size_t>(fileSize < limit ? fileSize : limit));
    size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(bytes.size() - filled);
        if (!ReadFile(file, &bytes[filled], wanted, &got, nullptr)) return false;
        if (got == 0) break;
        filled += got;
    }
    bytes.resize(filled);
    return true;
}

// Cuts the start of a longer file back to the end of its last whole line;
// a start without a line end keeps its last whole UTF-8 sequence.
void CutToWholeLines(std::string& bytes) {
    const size_t lineEnd = bytes.rfind('\n');
    if (lineEnd != std::string::npos) {
        bytes.resize(lineEnd + 1);
    } else {
        bytes.resize(bytes.size() - CutSequenceLength(bytes));
    }
}

std::wstring Decode(const char* bytes, size_t size, UINT codePage) {
    std::wstring text(size, L'\0');
    const int units = size == 0 ? 0
                                : MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(size),
                                                      text.data(), static_cast<int>(size));
    text.resize(static_cast<size_t>(units > 0 ? units : 0));
    return text;
}

// The text of the bytes as the view shows it. UTF-8 goes without its byte-
// order mark. Single-byte text is read in the ANSI code page as the control
// reads a plain-text stream, which takes text that starts with a UTF-8 byte-
// order mark for UTF-8.
std::wstring DecodeText(const std::string& bytes, TextEncoding encoding) {
    static const char kUtf8Mark[] = "\xEF\xBB\xBF";
    if (encoding == TextEncoding::Utf8) {
        std::wstring text = Decode(bytes.data(), bytes.size(), CP_UTF8);
        if (!text.empty() && text.front() == 0xFEFF) text.erase(0, 1);
        return text;
    }
    if (bytes.compare(0, 3, kUtf8Mark) == 0) {
        return Decode(bytes.data() + 3, bytes.size() - 3, CP_UTF8);
    }
    return Decode(bytes.data(), bytes.size(), CP_ACP);
}

// Where the piece of the text that starts at `begin` ends: after the last
// line end within `units` units, so that no CR LF pair is split; a piece
// without a line end stops short of a CR and of a split surrogate pair.
size_t PieceEnd(const std::wstring& text, size_t begin, size_t units) {
    if (text.size() - begin <= units) return text.size();
    size_t end = begin + units;
    const size_t lineEnd = text.find_last_of(L'\n', end - 1);
    if (lineEnd != std::wstring::npos && lineEnd >= begin) return lineEnd + 1;
    while (end > begin + 1 &&
           (text[end - 1] == L'\r' || (text[end - 1] >= 0xD800 && text[end - 1] <= 0xDBFF))) {
        --end;
    }
    return end;
}

std::wstring WithThousands(uint64_t n) {
    const std::wstring digits = std::to_wstring(n);
    std::wstring result;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) result += L',';
        result += digits[i];
    }
    return result;
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

// The control detects addresses that begin with a scheme or "www." and
// tells its parent of clicks on links.
void DetectLinks(HWND control) {
    SendMessageA(control, EM_AUTOURLDETECT, TRUE, 0);
    const LRESULT events = SendMessageA(control, EM_GETEVENTMASK, 0, 0);
    SendMessageA(control, EM_SETEVENTMASK, 0, events | ENM_LINK);
}

CHARRANGE Selection(HWND control) {
    CHARRANGE selection = {};
    SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    return selection;
}

void Select(HWND control, CHARRANGE range) {
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

}  // namespace

bool LoadRichEditLibrary() {
    static HMODULE library = LoadSystemLibrary("riched20.dll");
    return library != nullptr;
}

bool DocumentView::Create(HWND parent, int id) {
    if (!LoadRichEditLibrary()) return false;
    hwnd_ = NewControl(parent, id);
    return hwnd_ != nullptr;
}

HWND DocumentView::NewControl(HWND parent, int id) {
    HWND control =
        CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
                        WS_CHILD | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
                            ES_READONLY | ES_NOHIDESEL | ES_SAVESEL,
                        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleA(nullptr), nullptr);
    if (!control) return nullptr;
    // No limit but memory: the Source view shows files of any size.
    SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    // Lines wrap at the window's width; the horizontal bar stays for text
    // that cannot wrap.
    SendMessageA(control, EM_SETTARGETDEVICE, 0, 0);
    // The view is read-only: nothing it is given can be undone.
    SendMessageA(control, EM_SETUNDOLIMIT, 0, 0);
    if (links_) DetectLinks(control);
    SetPropA(control, kViewProperty, this);
    return control;
}

// The control takes time that grows much faster than the text to delete a
// long text, and next to none to be destroyed with it: a view that holds more
// than a little text is replaced by a new, empty control in the same place,
// with the same background, font and focus.
void DocumentView::Empty() {
    StopFill();
    plainText_.clear();
    GETTEXTLENGTHEX lengthRequest = {GTL_NUMCHARS | GTL_PRECISE, kUnicodeCodePage};
    const LRESULT length =
        SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthRequest), 0);
    HWND parent = GetParent(hwnd_);
    HWND fresh = length > static_cast<LRESULT>(kEmptyInPlaceUnits)
                     ? NewControl(parent, GetDlgCtrlID(hwnd_))
                     : nullptr;
    if (!fresh) {
        SetWindowTextA(hwnd_, "");
        return;
    }
    HWND old = hwnd_;
    RECT place;
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    const bool visible = (GetWindowLongA(old, GWL_STYLE) & WS_VISIBLE) != 0;
    const bool focused = GetFocus() == old;
    hwnd_ = fresh;
    if (hasBackground_) SetBackground(background_);
    if (hasFont_) {
        CHARFORMAT2A format = font_;
        SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    }
    SetWindowPos(hwnd_, old, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : 0));
    if (focused) SetFocus(hwnd_);
    RemovePropA(old, kViewProperty);
    DestroyWindow(old);
}

DocumentView::~DocumentView() {
    StopFill();
    if (hwnd_ && IsWindow(hwnd_)) RemovePropA(hwnd_, kViewProperty);
}

bool DocumentView::LoadFile(const std::string& path, ViewFormat format, TextEncoding textEncoding) {
    HANDLE file =
        CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    if (format == ViewFormat::Rtf) {
        Empty();
        const bool loaded = StreamIn(SF_RTF, ReadFromFile, reinterpret_cast<DWORD_PTR>(file));
        CloseHandle(file);
        return loaded;
    }
    // Decoded here and streamed in as UTF-16 text, which the control never
    // takes for RTF, whatever it holds.
    std::string bytes;
    uint64_t fileSize = 0;
    const bool read = ReadFileStart(file, SourceViewByteLimit, bytes, fileSize);
    CloseHandle(file);
    if (!read) return false;
    const bool cut = bytes.size() < fileSize;
    if (cut) CutToWholeLines(bytes);
    std::wstring text = DecodeText(bytes, textEncoding);
    if (cut) {
        if (!text.empty() && text.back() != L'\n') text += L"\r\n";
        text += L"\r\n" + CutFileNote(bytes.size(), fileSize);
    }
    return ShowPlainText(std::move(text));
}

std::wstring CutFileNote(uint64_t shownBytes, uint64_t fileBytes) {
    return L"[This tab shows the first " + WithThousands(shownBytes) + L" of the " +
           WithThousands(fileBytes) +
           L" bytes of this file. Open the file in a text editor to see all of it.]";
}

bool DocumentView::ShowPlainText(std::wstring text) {
    Empty();
    plainText_ = std::move(text);
    const size_t first = PieceEnd(plainText_, 0, kFirstPieceUnits);
    WideTextSource source = {plainText_.data(), first};
    const bool loaded =
        StreamIn(SF_TEXT | SF_UNICODE, ReadFromWideText, reinterpret_cast<DWORD_PTR>(&source));
    if (loaded && first < plainText_.size()) {
        fill_ = std::make_unique<Fill>();
        fill_->next = first;
        fill_->pieceUnits = kFirstPieceUnits;
        SetTimer(hwnd_, kFillTimerId, USER_TIMER_MINIMUM, FillTimer);
    }
    return loaded;
}

bool DocumentView::AppendPiece() {
    Fill& fill = *fill_;
    const std::wstring& text = plainText_;
    if (fill.next >= text.size()) return false;
    const size_t end = PieceEnd(text, fill.next, fill.pieceUnits);
    // The piece goes in at the end; the user's selection and scroll position stay.
    CHARRANGE selection = {};
    SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    POINT scroll = {};
    SendMessageA(hwnd_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    GETTEXTLENGTHEX lengthRequest = {GTL_NUMCHARS | GTL_PRECISE, kUnicodeCodePage};
    const auto length = static_cast<LONG>(
        SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthRequest), 0));
    CHARRANGE atEnd = {length, length};
    SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&atEnd));
    WideTextSource source = {text.data() + fill.next, end - fill.next};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadFromWideText;
    SendMessageA(hwnd_, EM_STREAMIN, SF_TEXT | SF_UNICODE | SFF_SELECTION,
                 reinterpret_cast<LPARAM>(&stream));
    SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(hwnd_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    fill.next = end;
    return fill.next < text.size();
}

// One turn of the fill: pieces until the turn's time is used up or a message
// waits, each sized after the time the one before took.
void DocumentView::FillSome() {
    const double turnStart = Seconds();
    for (;;) {
        const double pieceStart = Seconds();
        const size_t before = fill_->next;
        if (!AppendPiece()) {
            StopFill();
            return;
        }
        const double took = Seconds() - pieceStart;
        const double perUnit = took / static_cast<double>(fill_->next - before);
        const double fitting = perUnit > 0 ? kTurnSeconds * 2 / 3 / perUnit : kMaxPieceUnits;
        fill_->pieceUnits = static_cast<size_t>(fitting < kMinPieceUnits   ? kMinPieceUnits
                                                : fitting > kMaxPieceUnits ? kMaxPieceUnits
                                                                           : fitting);
        const DWORD waiting = HIWORD(GetQueueStatus(QS_ALLINPUT & ~QS_TIMER));
        if (waiting != 0 || Seconds() - turnStart + took > kTurnSeconds) return;
    }
}

void DocumentView::StopFill() {
    if (!fill_) return;
    KillTimer(hwnd_, kFillTimerId);
    fill_.reset();
}

void CALLBACK DocumentView::FillTimer(HWND window, UINT, UINT_PTR, DWORD) {
    auto* view = reinterpret_cast<DocumentView*>(GetPropA(window, kViewProperty));
    if (view && view->fill_) {
        view->FillSome();
    } else {
        KillTimer(window, kFillTimerId);
    }
}

void DocumentView::Clear() {
    Empty();
}

bool DocumentView::StreamIn(WPARAM format, EDITSTREAMCALLBACK callback, DWORD_PTR cookie) {
    EDITSTREAM stream = {};
    stream.dwCookie = cookie;
    stream.pfnCallback = callback;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    if ((format & SF_RTF) == 0) {
        FormatAll();
    } else if (links_) {
        MarkEmailAddresses();
    }
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    return stream.dwError == 0;
}

void DocumentView::SetBackground(COLORREF color) {
    background_ = color;
    hasBackground_ = true;
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

// The font goes to the text in the view. Formatting a long text as a whole
// would keep the control busy for seconds, so a plain text that went in in
// pieces goes in again, in the new font.
void DocumentView::ApplyFont() {
    if (!hasFont_ || !hwnd_) return;
    if (plainText_.size() > kFirstPieceUnits) {
        ShowPlainText(std::wstring(plainText_));
    } else {
        FormatAll();
    }
}

void DocumentView::FormatAll() {
    if (!hasFont_ || !hwnd_) return;
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

// The control's character positions count every paragraph end as one
// character, as its text without CR LF does.
std::wstring DocumentView::TextOf(const CHARRANGE& range) const {
    const std::wstring text = UnicodeText();
    if (range.cpMin < 0 || range.cpMax <= range.cpMin) return std::wstring();
    const auto begin = static_cast<size_t>(range.cpMin);
    if (begin >= text.size()) return std::wstring();
    return text.substr(begin, static_cast<size_t>(range.cpMax) - begin);
}

void DocumentView::EnableLinks() {
    links_ = true;
    if (hwnd_) DetectLinks(hwnd_);
}

void DocumentView::MarkEmailAddresses() {
    const std::vector<TextSpan> addresses = FindBareEmailAddresses(UnicodeText());
    if (addresses.empty()) return;
    CHARFORMAT2A link = {};
    link.cbSize = sizeof link;
    link.dwMask = CFM_LINK;
    link.dwEffects = CFE_LINK;
    for (const TextSpan& address : addresses) {
        const auto begin = static_cast<LONG>(address.begin);
        Select(hwnd_, {begin, begin + static_cast<LONG>(address.length)});
        SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&link));
    }
    Select(hwnd_, {0, 0});
}

bool DocumentView::HasSelection() const {
    const CHARRANGE selection = Selection(hwnd_);
    return selection.cpMax != selection.cpMin;
}

std::wstring DocumentView::SelectedText() const {
    const CHARRANGE selection = Selection(hwnd_);
    if (selection.cpMax <= selection.cpMin) return std::wstring();
    // Each paragraph end of the selection may become two units (CR LF).
    std::wstring text(static_cast<size_t>(selection.cpMax - selection.cpMin) * 2 + 1, L'\0');
    GETTEXTEX request = {};
    request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    request.flags = GT_SELECTION | GT_USECRLF;
    request.codepage = kUnicodeCodePage;
    const LRESULT got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void DocumentView::SelectAll() {
    CompleteFill();
    Select(hwnd_, {0, -1});
}

// The control searches the UTF-16 text it shows, whatever the file's encoding.
bool DocumentView::Find(const std::wstring& text, bool down, bool matchCase, bool wholeWord) {
    if (text.empty()) return false;
    CompleteFill();
    const CHARRANGE selection = Selection(hwnd_);
    FINDTEXTEXW find = {};
    // Backwards the search runs from cpMin down to cpMax.
    find.chrg = down ? CHARRANGE{selection.cpMax, -1} : CHARRANGE{selection.cpMin, 0};
    find.lpstrText = text.c_str();
    const WPARAM flags =
        (down ? FR_DOWN : 0) | (matchCase ? FR_MATCHCASE : 0) | (wholeWord ? FR_WHOLEWORD : 0);
    if (SendMessageW(hwnd_, EM_FINDTEXTEXW, flags, reinterpret_cast<LPARAM>(&find)) < 0) {
        return false;
    }
    Select(hwnd_, find.chrgText);
    SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
    return true;
}

void DocumentView::CompleteFill() {
    if (!Filling()) return;
    fill_->pieceUnits = plainText_.size();
    while (AppendPiece()) {
    }
    StopFill();
}

}  // namespace quillot
