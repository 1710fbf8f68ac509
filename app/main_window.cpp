#include "app/main_window.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <exception>
#include <iterator>

#include "app/folder_list.h"
#include "app/startup_marks.h"
#include "app/window_thunk.h"
#include "reader/text_util.h"
#include "reader/wide_text.h"
#include "resources/resource.h"
#include "settings/program_location.h"
#include "settings/settings_store.h"
#include "shell/associations.h"
#include "shell/display_scale.h"
#include "shell/html_help.h"
#include "shell/preferences_dialog.h"
#include "shell/version_info.h"
#include "trace/trace_log.h"

namespace quillot {
namespace {

constexpr int kStatusBarId = 100;
constexpr int kPageControlId = 101;
constexpr int kFirstViewId = 110;

// The tabs, left to right, stand for pages 1 to 4.
constexpr const char* kTabCaptions[] = {"Std", "All", "Xml", "Check"};
static_assert(std::size(kTabCaptions) == PageCount - 1);

// The window font of the status bar and the tabs, 8 points at the window's DPI.
HFONT CreateWindowFont(UINT dpi) {
    const int height = -MulDiv(8, static_cast<int>(dpi), 72);
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       "MS Sans Serif");
}

// A string resource as UTF-8, the status bar's text.
std::string LoadString(UINT id) {
    wchar_t text[512] = {};
    const int length = LoadStringW(GetModuleHandleA(nullptr), id, text, 512);
    return WideToUtf8(std::wstring_view(text, static_cast<size_t>(length > 0 ? length : 0)));
}

}  // namespace

TFrm::TFrm(Application& application, const FrmEnvironment& environment)
    : application_(application),
      environment_(environment),
      dialogs_(environment.dialogs ? *environment.dialogs : SystemDialogs()) {}

TFrm::~TFrm() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    if (findAccelerators_) DestroyAcceleratorTable(findAccelerators_);
    if (viewMenu_) DestroyMenu(viewMenu_);
    if (windowFont_) DeleteObject(windowFont_);
}

TFrm* TFrm::Create(Application& application, const FrmEnvironment& environment) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const std::wstring className = Utf8ToWide(MainWindowClassName);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowThunk<TFrm>;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAIN");
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className.c_str();
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }
    auto* frm = new TFrm(application, environment);
    frm->MainMenu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
    frm->viewMenu_ = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_VIEWMENU));
    StartupMark("window class and menu");
    // At the designed placement for the system DPI; FormCreate places the
    // window for its own DPI.
    const RECT design = DesignRect(SystemDpi());
    HWND hwnd = CreateWindowExW(0, className.c_str(), L"Quillot",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, design.left, design.top,
                                design.right - design.left, design.bottom - design.top,
                                application.Handle(), frm->MainMenu, instance, frm);
    if (!hwnd) {
        delete frm;
        return nullptr;
    }
    StartupMark("main window created");
    frm->accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    frm->findAccelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_FIND_ACCELERATORS));
    application.SetMainWindow(hwnd, frm->accelerators_);
    application.SetKeyPreview([frm](const MSG& msg) {
        return msg.message == WM_KEYDOWN && frm->FormKeyDown(msg.wParam);
    });
    frm->FormCreate();
    return frm;
}

bool TFrm::CreateControls() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    dpi_ = DpiOfWindow(hwnd_);
    windowFont_ = CreateWindowFont(dpi_);
    StsBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                             0, 0, hwnd_, reinterpret_cast<HMENU>(kStatusBarId), instance, nullptr);
    PageControl1 = CreateWindowExA(
        0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 0, 0,
        hwnd_, reinterpret_cast<HMENU>(kPageControlId), instance, nullptr);
    if (!StsBar || !PageControl1) return false;
    StartupMark("status bar and tab control");
    SendMessageA(StsBar, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_), FALSE);
    SendMessageA(StsBar, SB_SIMPLE, TRUE, 0);
    ScaleTabPadding(PageControl1, dpi_);
    SendMessageA(PageControl1, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_), FALSE);
    for (int i = 0; i < static_cast<int>(std::size(kTabCaptions)); ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabCaptions[i]);
        SendMessageA(PageControl1, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    if (!LoadRichEditLibrary()) return false;
    StartupMark("views created");
    return true;
}

// The form's creation: initial display settings, the saved settings, then the
// first document, shown before the window becomes visible.
void TFrm::FormCreate() {
    ProgramName = "Quillot";
    InitSettingsAndTrace(IniPathFor(environment_.programPath));
    StartupMark("trace settings read");
    ResetFolderFileList();
    reportFont = ReportFont();
    bgndColor = 0xC0C0C0;
    labelColor = 0x40;
    contentColor = 0x800000;
    DragAcceptFiles(hwnd_, TRUE);
    CurTab = StandardPage;
    normalRect_ = DesignRect(dpi_);  // until the settings give another placement
    LoadSaveSettings(ReadMode);
    StartupMark("settings read");
    Img.Apply(reportFont);
    ApplyBackground();
    ApplySourceFont();
    SetActivePage(CurTab >= SummaryPage && CurTab < PageCount ? CurTab : StandardPage);
    CheckMenuItem(MainMenu, IDM_DBG_ON, TraceActive ? MF_CHECKED : MF_UNCHECKED);
    application_.SetMessageHook([this](const MSG& msg) { ReceiveHandOver(msg); });
    StartupMark("views styled, page chosen");
    Guarded([this] { FormPaint(); });
}

void TFrm::Show() {
    everShown_ = true;
    ShowWindow(hwnd_, startMaximized_ ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    StartupMark("window shown");
    UpdateWindow(hwnd_);
    StartupMark("window painted");
    SetForegroundWindow(hwnd_);
    if (IsWindowVisible(views_[activePage_].Handle())) SetFocus(views_[activePage_].Handle());
    StartupMark("window in front");
}

void TFrm::Layout() {
    RECT client;
    GetClientRect(hwnd_, &client);
    int bottom = client.bottom;
    if (StatusBarVisible()) {
        SendMessageA(StsBar, WM_SIZE, 0, 0);
        RECT status;
        GetWindowRect(StsBar, &status);
        bottom -= status.bottom - status.top;
    }
    MoveWindow(PageControl1, 0, 0, client.right, bottom, TRUE);
    const RECT display = ViewRect();
    for (DocumentView& view : views_) {
        if (!view.Handle()) continue;
        MoveWindow(view.Handle(), display.left, display.top, display.right - display.left,
                   display.bottom - display.top, TRUE);
    }
}

// The window moved to a monitor of another DPI: the status bar and the tabs
// get their font and the tabs their padding at the new DPI, and the window
// takes the rectangle that the system suggests.
void TFrm::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    HFONT font = CreateWindowFont(dpi);
    SendMessageA(StsBar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ScaleTabPadding(PageControl1, dpi);
    SendMessageA(PageControl1, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (windowFont_) DeleteObject(windowFont_);
    windowFont_ = font;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();  // the bar and the tabs take their new heights also when the size stays
}

// The window's size at another DPI, asked before the window moves there: the
// client area scales with the DPI, the frame and the menu bar take their
// sizes at the new DPI. A minimised or maximised window leaves it to the
// system.
bool TFrm::ScaledWindowSize(UINT dpi, SIZE& size) const {
    if (IsIconic(hwnd_) || IsZoomed(hwnd_)) return false;
    RECT client;
    GetClientRect(hwnd_, &client);
    RECT outer = {0, 0, MulDiv(client.right, static_cast<int>(dpi), static_cast<int>(dpi_)),
                  MulDiv(client.bottom, static_cast<int>(dpi), static_cast<int>(dpi_))};
    AdjustWindowRectForDpi(outer, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), true,
                           static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)), dpi);
    size = SIZE{outer.right - outer.left, outer.bottom - outer.top};
    return true;
}

RECT TFrm::ViewRect() const {
    RECT display;
    GetClientRect(PageControl1, &display);
    SendMessageA(PageControl1, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    return display;
}

bool TFrm::EnsureView(int32_t page) {
    DocumentView& view = views_[page];
    if (view.Handle()) return true;
    // The reports' addresses open with a click; the Xml tab shows the file as it is.
    if (page == StandardPage || page == AllFieldsPage || page == CheckPage) view.EnableLinks();
    if (!view.Create(hwnd_, kFirstViewId + page)) return false;
    view.SetBackground(bgndColor);
    if (page == SourcePage) ApplySourceFont();
    const RECT display = ViewRect();
    SetWindowPos(view.Handle(), HWND_TOP, display.left, display.top, display.right - display.left,
                 display.bottom - display.top, SWP_NOACTIVATE);
    return true;
}

void TFrm::SetActivePage(int32_t page) {
    activePage_ = page;
    SendMessageA(PageControl1, TCM_SETCURSEL, page == SummaryPage ? -1 : page - 1, 0);
    EnsureView(page);
    for (int32_t i = 0; i < PageCount; ++i) {
        if (views_[i].Handle()) ShowWindow(views_[i].Handle(), i == page ? SW_SHOW : SW_HIDE);
    }
    SetWindowPos(views_[page].Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TFrm::SelectPage(int32_t page) {
    if (page < StandardPage || page >= PageCount) return;
    SetActivePage(page);
    Guarded([this] { PageControl1Change(); });
}

// The text of the simple panel. Windows answers for SB_SIMPLEID, Wine's
// status bar only for part 0.
std::string TFrm::StatusText() const {
    for (WPARAM part : {static_cast<WPARAM>(SB_SIMPLEID), static_cast<WPARAM>(0)}) {
        const LRESULT length = LOWORD(SendMessageW(StsBar, SB_GETTEXTLENGTHW, part, 0));
        if (length == 0) continue;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(StsBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        return WideToUtf8(text);
    }
    return std::string();
}

void TFrm::SetStatusText(const std::string& text) {
    SendMessageW(StsBar, SB_SETTEXTW, SB_SIMPLEID | SBT_NOBORDERS,
                 reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
}

// The status bar's own visibility, also while the window itself is hidden.
bool TFrm::StatusBarVisible() const {
    return (GetWindowLongA(StsBar, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The pages are laid out again only when the status bar comes or goes.
void TFrm::SetStatusBarVisible(bool visible) {
    const bool changes = visible != StatusBarVisible();
    ShowWindow(StsBar, visible ? SW_SHOW : SW_HIDE);
    CheckMenuItem(MainMenu, IDM_VIEW_STATUSBAR, visible ? MF_CHECKED : MF_UNCHECKED);
    if (changes) Layout();
}

std::string TFrm::Caption() const {
    wchar_t text[1024] = {};
    const int length = GetWindowTextW(hwnd_, text, 1024);
    return WideToUtf8(std::wstring_view(text, static_cast<size_t>(length > 0 ? length : 0)));
}

bool TFrm::IsMenuItemChecked(int commandId) const {
    return (GetMenuState(MainMenu, commandId, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool TFrm::MenuHasItem(int commandId) const {
    return GetMenuState(MainMenu, commandId, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

HMENU TFrm::SubMenuOf(UINT command) const {
    for (int i = 0; i < GetMenuItemCount(MainMenu); ++i) {
        HMENU popup = GetSubMenu(MainMenu, i);
        if (popup && GetMenuState(popup, command, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
            return popup;
        }
    }
    return nullptr;
}

void TFrm::RunCommand(int commandId) {
    switch (commandId) {
        case IDM_FILE_OPEN:
            Guarded([this] { FileOpen(); });
            break;
        case IDM_PREFERENCES:
            Guarded([this] { mnPreferencesClick(); });
            break;
        case IDM_EXIT:
            FileExit();
            break;
        case IDM_HELP:
            Guarded([this] { mnHelp1Click(); });
            break;
        case IDM_ABOUT:
            Guarded([this] { About(); });
            break;
        case IDM_VIEW_STATUSBAR:
            Guarded([this] { mnViewStatusBarClick(); });
            break;
        case IDM_NEXT_FILE:
            Guarded([this] { cmdNxtFile(); });
            break;
        case IDM_PREV_FILE:
            Guarded([this] { cmdPrvFile(); });
            break;
        case IDM_FIRST_FILE:
            Guarded([this] { cmdFstFile(); });
            break;
        case IDM_LAST_FILE:
            Guarded([this] { cmdLstFile(); });
            break;
        case IDM_REFRESH:
            Guarded([this] { cmdRefresh(); });
            break;
        case IDM_DBG_ON:
            Guarded([this] { cmdDbgOn(); });
            break;
        case IDM_DBG_CLR:
            Guarded([this] { cmdDbgClr(); });
            break;
        case IDM_FMT_FONT:
            Guarded([this] { mnFmtFontClick(); });
            break;
        case IDM_LABEL_COLOR:
            Guarded([this] { LabelColor1Click(); });
            break;
        case IDM_CONTENT_COLOR:
            Guarded([this] { ContentColor1Click(); });
            break;
        case IDM_XML_COLOR:
            Guarded([this] { XMLcolor1Click(); });
            break;
        case IDM_BACKGROUND_COLOR:
            Guarded([this] { mnFmtBackgroundClick(); });
            break;
        case IDM_COPY:
            EditCopy();
            break;
        case IDM_SELECT_ALL:
            EditSelectAll();
            break;
        case IDM_FIND:
            EditFind();
            break;
        case IDM_FIND_NEXT:
            EditFindNext();
            break;
        case IDM_FIND_PREVIOUS:
            EditFindPrevious();
            break;
        default:
            if (commandId >= IDM_RECENT_FIRST && commandId <= IDM_RECENT_LAST) {
                Guarded([this, commandId] { OpenRecentFile(commandId - IDM_RECENT_FIRST); });
            }
            break;
    }
}

void TFrm::FileOpen() {
    tOpenDlg request;
    request.owner = hwnd_;
    request.fileName = CurrentFilePath;
    if (CurrentFilePath.empty()) {
        std::string folder(FolderPart(environment_.programPath));
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
        request.initialFolder = folder;
    }
    request.defaultExt = "xml";
    request.filter = "XML Pad files (*.xml)|*.xml|Xml PAD files (*.pad)|*.pad|All files (*.*)|*.*";
    if (!dialogs_.OpenFile(hwnd_, request)) return;
    OpenDocument(request.fileNameBuffer);
}

void TFrm::mnPreferencesClick() {
    AssociationHook = AssociateFileType;
    dialogs_.ShowPreferences(hwnd_);
}

std::string TFrm::HelpFile() const {
    return std::string(FolderPart(environment_.programPath)) + "Quillot.chm";
}

void TFrm::mnHelp1Click() {
    dialogs_.ShowHelp(HelpFile(), HtmlHelpDisplayTopic);
}

void TFrm::About() {
    dialogs_.ShowAbout(hwnd_, ProgramName + " v" + VersionStrings.fileVersion,
                       "by " + VersionStrings.companyName, VersionStrings.webSite);
}

void TFrm::FileExit() {
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
}

bool TFrm::FormKeyDown(WPARAM key) {
    if (key != VK_ESCAPE) return false;
    FileExit();
    return true;
}

void TFrm::ShowHint(const std::string& hint) {
    SetStatusText(hint);
}

void TFrm::cmdDbgOn() {
    const bool checked = !IsMenuItemChecked(IDM_DBG_ON);
    CheckMenuItem(MainMenu, IDM_DBG_ON, checked ? MF_CHECKED : MF_UNCHECKED);
    TraceLine(checked ? "%ON" : "%OFF");
}

void TFrm::cmdDbgClr() {
    TraceLine("%CLR");
}

// Saves the settings and closes every help window the program opened. The
// window then always closes: a failed save has been reported once by the
// settings store, and the user must not be trapped.
bool TFrm::FormCloseQuery() {
    LoadSaveSettings(WriteMode);
    dialogs_.ShowHelp(HelpFile(), HtmlHelpCloseAll);
    return true;
}

// Every way of ending comes here: the close box, Alt+F4, "E&xit", Alt+X,
// Escape, a close through the owner window (task bar) and the end of the
// session. A close that arrives while one is under way (from a message box's
// loop) is ignored, so the settings are saved exactly once.
bool TFrm::OnClose() {
    if (closing_ || !hwnd_) return true;
    if (background_.Running()) {
        CloseAfterLoad();
        return true;
    }
    closing_ = true;
    bool mayClose = true;
    try {
        if (!savedForSessionEnd_) mayClose = FormCloseQuery();
    } catch (const std::exception&) {
        mayClose = true;
    }
    closing_ = false;
    if (mayClose) DestroyWindow(hwnd_);
    return true;
}

// Windows ends the process soon after this message returns: the window
// closes as usual, and a real run then ends at once with its exit routines
// (report files, trace settings).
void TFrm::OnEndSession(bool ending) {
    if (!ending) return;
    if (background_.Running()) {
        // The window's own load of a large document is still under way below
        // this message: its reading is waited for and the settings are saved
        // here; the window goes once the load is done.
        background_.Finish();
        closing_ = true;
        try {
            FormCloseQuery();
        } catch (const std::exception&) {
        }
        closing_ = false;
        savedForSessionEnd_ = true;
        EndForSession();
        CloseAfterLoad();
        return;
    }
    OnClose();
    EndForSession();
}

void TFrm::EndForSession() {
    if (environment_.sessionEnds) environment_.sessionEnds();
    if (environment_.endsMessageLoop) std::exit(0);
}

void TFrm::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == 0xFFFF && menu == nullptr) return;  // the menu closed
    std::string hint;
    if ((flags & MF_POPUP) == 0 && (flags & MF_SEPARATOR) == 0 && item >= IDM_FIRST) {
        hint = LoadString(IDS_HINT_BASE + (item - IDM_FIRST));
    }
    ShowHint(hint);
}

void TFrm::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == PageControl1 && header.code == TCN_SELCHANGE) {
        const LRESULT tab = SendMessageA(PageControl1, TCM_GETCURSEL, 0, 0);
        SelectPage(static_cast<int32_t>(tab) + 1);
    } else if (header.code == EN_LINK && header.hwndFrom == views_[activePage_].Handle()) {
        OnLink(reinterpret_cast<const ENLINK&>(header));
    }
}

LRESULT TFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == FindDialog::Message()) {
        OnFindMessage(lParam);
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            return CreateControls() ? 0 : -1;
        case WM_SIZE:
            Layout();
            RememberNormalRect();
            return 0;
        case WM_MOVE:
            RememberNormalRect();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_GETDPISCALEDSIZE:
            return ScaledWindowSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam));
        case WM_PAINT:
            Guarded([this] { FormPaint(); });
            break;
        case WM_COMMAND:
            RunCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_MENUSELECT:
            OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
            return 0;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_CONTEXTMENU:
            if (OnContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
            break;
        case WM_DROPFILES:
            Guarded([this, wParam] { FormDropFiles(reinterpret_cast<HDROP>(wParam)); });
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                application_.Minimize();
                return 0;
            }
            break;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return 0;
        case kNoReportFolderMessage:
            dialogs_.ShowError(hwnd_,
                               "There is no temporary folder of your own for the report files, "
                               "so no report can be shown.");
            return 0;
        case WM_DESTROY:
            application_.SetModelessDialog(nullptr, nullptr);
            application_.SetMainWindow(nullptr, nullptr);
            if (environment_.endsMessageLoop) PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace quillot
