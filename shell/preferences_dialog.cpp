#include "shell/preferences_dialog.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "reader/text_util.h"
#include "reader/wide_text.h"
#include "resources/resource.h"
#include "settings/program_location.h"
#include "settings/settings_store.h"
#include "shell/display_scale.h"
#include "shell/open_file_dialog.h"
#include "shell/system_library.h"

namespace quillot {

AssociationFunction AssociationHook = nullptr;
WinHelpFunction WinHelpEngine = WinHelpW;

namespace {

// The dialog's layout, the only one: its templates give the controls, their
// captions and their tab order, but no sizes. Pixels at 96 DPI, scaled to
// the dialog's DPI: the client area is 384 x 213; the tab control sits in the
// upper part with a margin of 5, the buttons on a strip of 34 pixels at the
// bottom.
constexpr int ClientWidth = 384;
constexpr int ClientHeight = 213;
constexpr int ButtonStripTop = ClientHeight - 34;

struct Placement {
    int id;
    int left, top, width, height;
};

// In the dialog's client area.
constexpr Placement DialogPlacements[] = {
    {IDC_PGCTL, 5, 10, 374, 164},
    {IDOK, 222, ButtonStripTop + 4, 75, 25},
    {IDCANCEL, 302, ButtonStripTop + 4, 75, 25},
    {IDC_BTNHELP, 142, ButtonStripTop + 4, 75, 25},
};

// In the Extensions page; the check boxes stand inside the group box at
// (24, 36) and (24, 68).
constexpr int GroupLeft = 8;
constexpr int GroupTop = 4;
constexpr Placement PagePlacements[] = {
    {IDC_GRPEXTENSIONS, GroupLeft, GroupTop, 350, 122},
    {IDC_CHKXML, GroupLeft + 24, GroupTop + 36, 315, 17},
    {IDC_CHKPAD, GroupLeft + 24, GroupTop + 68, 317, 17},
};

// The edges are scaled, so that controls that meet at 96 DPI meet at every DPI.
void Place(HWND parent, const Placement& p, UINT dpi) {
    const int left = ScaleToDpi(p.left, dpi);
    const int top = ScaleToDpi(p.top, dpi);
    MoveWindow(GetDlgItem(parent, p.id), left, top, ScaleToDpi(p.left + p.width, dpi) - left,
               ScaleToDpi(p.top + p.height, dpi) - top, TRUE);
}

BOOL CALLBACK SetFontOfChild(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

// Windows 10 rescales a dialog of a per-monitor (version 2) program by
// itself when it moves to a monitor of another DPI; this dialog does that
// itself, with its own layout, on every version.
void KeepDpiChangesToTheDialog(HWND dialog) {
    using SetBehaviorFunction =
        BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto setBehavior =
        reinterpret_cast<SetBehaviorFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("user32.dll"), "SetDialogDpiChangeBehavior")));
    if (setBehavior != nullptr && dialog != nullptr) {
        setBehavior(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    }
}

// "Quillot.hlp" in the folder of the program file.
std::string HelpFilePath() {
    return std::string(FolderPart(ProgramFilePath())) + "Quillot.hlp";
}

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The dialog being shown; the key preview hook hands its keys to it.
TDlgSetup* ActiveDialog = nullptr;
HHOOK KeyPreviewHook = nullptr;

}  // namespace

void ShowPreferencesDialog(HWND owner) {
    TDlgSetup dialog(owner);
    dialog.ShowModal();
}

INT_PTR TDlgSetup::ShowModal() {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    modalResult_ = 0;
    // The dialog sees keys before its controls: the dialog manager offers
    // every message of its loop to this hook first.
    TDlgSetup* previous = ActiveDialog;
    ActiveDialog = this;
    HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, KeyPreview, nullptr, GetCurrentThreadId());
    HHOOK previousHook = KeyPreviewHook;
    KeyPreviewHook = hook;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), "DLG_SETUP", owner_, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    KeyPreviewHook = previousHook;
    ActiveDialog = previous;
    window_ = nullptr;
    page_ = nullptr;
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
    return result;
}

LRESULT CALLBACK TDlgSetup::KeyPreview(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && ActiveDialog != nullptr) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_KEYDOWN && ActiveDialog->Owns(msg->hwnd) &&
            ActiveDialog->FormKeyDown(msg->wParam)) {
            return TRUE;
        }
    }
    return CallNextHookEx(KeyPreviewHook, code, wParam, lParam);
}

INT_PTR CALLBACK TDlgSetup::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<TDlgSetup*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<TDlgSetup*>(GetWindowLongPtrA(window, DWLP_USER));
    return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR TDlgSetup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            RequestClose(IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

BOOL TDlgSetup::OnInitDialog() {
    CreatePage();
    KeepDpiChangesToTheDialog(window_);
    KeepDpiChangesToTheDialog(page_);
    dpi_ = DpiOfWindow(window_);
    ApplyLayout(dpi_);
    FormCreate();
    FormShow();
    return TRUE;  // the system focuses the first control
}

void TDlgSetup::CreatePage() {
    HWND tabs = GetDlgItem(window_, IDC_PGCTL);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    char caption[] = "Extensions";
    item.pszText = caption;
    ScaleTabPadding(tabs, DpiOfWindow(window_));
    SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    page_ =
        CreateDialogParamA(GetModuleHandleA(nullptr), "DLG_SETUP_EXTENSIONS", tabs, PageProc, 0);
    // The theme library comes from the system folder; without it the page
    // keeps the plain dialog background.
    using EnableThemeDialogTextureFunction = HRESULT(WINAPI*)(HWND, DWORD);
    static const auto enableTexture =
        SystemFunction<EnableThemeDialogTextureFunction>("uxtheme.dll", "EnableThemeDialogTexture");
    if (page_ != nullptr && enableTexture != nullptr) enableTexture(page_, ETDT_ENABLETAB);
}

void TDlgSetup::ApplyLayout(UINT dpi) {
    RECT outer = {0, 0, ScaleToDpi(ClientWidth, dpi), ScaleToDpi(ClientHeight, dpi)};
    AdjustWindowRectForDpi(outer, static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE)), false,
                           static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE)), dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Placement& p : DialogPlacements)
        Place(window_, p, dpi);
    if (page_ == nullptr) return;
    // The page fills the tab control's display area.
    HWND tabs = GetDlgItem(window_, IDC_PGCTL);
    RECT display;
    GetClientRect(tabs, &display);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    MoveWindow(page_, display.left, display.top, display.right - display.left,
               display.bottom - display.top, TRUE);
    for (const Placement& p : PagePlacements)
        Place(page_, p, dpi);
}

// Moved to a monitor of another DPI: the controls get the dialog's font in
// the same point size at the new DPI, and the dialog is laid out for it where
// the system suggests.
void TDlgSetup::OnDpiChanged(UINT dpi, const RECT& suggested) {
    LOGFONTA font = {};
    HGDIOBJ current = reinterpret_cast<HGDIOBJ>(SendMessageA(window_, WM_GETFONT, 0, 0));
    if (current != nullptr && GetObjectA(current, sizeof font, &font) == sizeof font) {
        const int points =
            MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, static_cast<int>(dpi_));
        font.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
        font.lfWidth = 0;
        HFONT scaled = CreateFontIndirectA(&font);
        ScaleTabPadding(GetDlgItem(window_, IDC_PGCTL), dpi);
        SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
        EnumChildWindows(window_, SetFontOfChild, reinterpret_cast<LPARAM>(scaled));
        if (font_ != nullptr) DeleteObject(font_);
        font_ = scaled;
    }
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyLayout(dpi);
}

void TDlgSetup::OnCommand(int id) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
            RequestClose(id);
            break;
        case IDC_BTNHELP:
            cmdHelp();
            break;
        default:
            break;
    }
}

void TDlgSetup::RequestClose(INT_PTR result) {
    modalResult_ = result;
    if (!FormCloseQuery()) {
        modalResult_ = 0;
        return;
    }
    FormClose();
    EndDialog(window_, result);
}

void TDlgSetup::FormCreate() {
    LoadSaveChoices(ReadMode);
}

void TDlgSetup::FormShow() {
    RECT main;
    GetWindowRect(owner_ != nullptr ? owner_ : GetDesktopWindow(), &main);
    RECT box;
    GetWindowRect(window_, &box);
    int left = main.left + ((main.right - main.left) - (box.right - box.left)) / 2;
    int top = main.top + ((main.bottom - main.top) - (box.bottom - box.top)) / 2;
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TDlgSetup::FormKeyDown(WPARAM key) {
    if (key != VK_F1) return false;
    cmdHelp();
    return true;
}

void TDlgSetup::cmdHelp() {
    WinHelpEngine(window_, Utf8ToWide(HelpFilePath()).c_str(), HELP_KEY,
                  reinterpret_cast<ULONG_PTR>(L"Preferences Dialog"));
}

bool TDlgSetup::FormCloseQuery() {
    // Each use of the open-file dialog leaves one close request to be used
    // up. Nothing ever sends this dialog a close request of its own, so
    // refusing one would swallow the user's OK or Cancel: it is used up and
    // the dialog closes all the same.
    if (CloseGuardCount > 0) --CloseGuardCount;
    WinHelpEngine(window_, Utf8ToWide(HelpFilePath()).c_str(), HELP_QUIT, 0);
    return true;
}

void TDlgSetup::FormClose() {
    if (modalResult_ != IDOK) return;  // Cancel, Escape, close box: nothing changes
    bool xml = Checked(IDC_CHKXML);
    bool pad = Checked(IDC_CHKPAD);
    if (AssociationHook != nullptr) {
        if (xml != InitialXml) AssociationHook("XML", "XML Pad", xml ? 1 : 0);
        if (pad != InitialPad) AssociationHook("PAD", "Xml PAD", pad ? 1 : 0);
    }
    LoadSaveChoices(WriteMode);
}

void TDlgSetup::LoadSaveChoices(int32_t mode) {
    BeginSection("", "Main", mode);
    SetChecked(IDC_CHKXML, ExchangeBool("ext_XML", Checked(IDC_CHKXML)));
    SetChecked(IDC_CHKPAD, ExchangeBool("ext_PAD", Checked(IDC_CHKPAD)));
    if (mode == ReadMode) {
        InitialXml = Checked(IDC_CHKXML);
        InitialPad = Checked(IDC_CHKPAD);
    }
    EndSection(0);
}

bool TDlgSetup::Owns(HWND window) const {
    return window_ != nullptr && (window == window_ || IsChild(window_, window));
}

bool TDlgSetup::Checked(int id) const {
    return IsDlgButtonChecked(page_, id) == BST_CHECKED;
}

void TDlgSetup::SetChecked(int id, bool checked) {
    CheckDlgButton(page_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace quillot
