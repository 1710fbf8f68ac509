// TFrm, the main window: the menu, the four tab pages with their views, the
// status bar, and the document road (read, extract, render, show).
#pragma once

#include <windows.h>
#include <richedit.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/background_work.h"
#include "app/document_rendering.h"
#include "app/document_view.h"
#include "app/frm_dialogs.h"
#include "app/recent_files.h"
#include "app/report_font.h"
#include "shell/find_dialog.h"

namespace quillot {

template <typename T>
LRESULT CALLBACK WindowThunk(HWND, UINT, WPARAM, LPARAM);

// The window message by which a second instance hands its file over; word and
// long parameter are 9999 as well.
constexpr UINT HandOverMessage = 9999;
constexpr WPARAM HandOverWParam = 9999;
constexpr LPARAM HandOverLParam = 9999;

// The window class of the main window. The class is a Unicode one, so that
// its caption holds every character of a file name.
constexpr const char* MainWindowClassName = "TFrm";

// The document being shown, or empty; read by the renderers. Like every path
// of the program it is UTF-8 (reader/file_names.h).
extern std::string CurrentFilePath;

// What the main window takes from its surroundings.
struct FrmEnvironment {
    std::string programPath;     // the program file; the INI file lies beside it
    std::string systemTempPath;  // the platform's temporary folder
    std::vector<std::string> arguments;
    FrmDialogs* dialogs = nullptr;  // nullptr: the system's
    // A real run: closing the window posts WM_QUIT, and the end of the
    // session ends the process.
    bool endsMessageLoop = true;
    // Called where the end of the session ends a real run, just before.
    std::function<void()> sessionEnds;
    // Opens a link's address (UTF-8, one the program opens); empty: the
    // shell's "open".
    std::function<void(HWND owner, const std::string& address)> openAddress;
};

// Page indices of PageControl1; page 0 has no tab, the others have one each,
// in this order.
enum Page : int32_t {
    SummaryPage = 0,
    StandardPage = 1,
    AllFieldsPage = 2,
    SourcePage = 3,
    CheckPage = 4,
    PageCount
};

class TFrm {
  public:
    // Creates the window (hidden) and runs FormCreate, which shows the first
    // document. Returns nullptr when a window or control cannot be created.
    static TFrm* Create(Application& application, const FrmEnvironment& environment);
    ~TFrm();
    TFrm(const TFrm&) = delete;
    TFrm& operator=(const TFrm&) = delete;

    HWND Handle() const { return hwnd_; }
    // Shows the window in the state the settings gave it (normal or maximised).
    void Show();

    // The document road.
    void LoadDocument(const std::string& fileName, bool read);
    // LoadDocument for a file that the user named (command line, drop, File,
    // Open..., hand-over, recent list): it also heads the recent list.
    void OpenDocument(const std::string& fileName);
    void UpdateCaptionAndStatus(const std::string& fileName);
    void PageControl1Change();
    std::string ResolveCommandLineFile(const std::string& argument) const;
    void ReceiveHandOver(const MSG& message);
    void FormDropFiles(HDROP drop);

    // Folder navigation (View menu).
    void cmdNxtFile();
    void cmdPrvFile();
    void cmdFstFile();
    void cmdLstFile();
    void cmdRefresh();

    // Appearance (Format and View menus) and settings.
    void LoadSaveSettings(int32_t mode);
    void ApplyBackground();
    void mnFmtFontClick();
    void LabelColor1Click();
    void ContentColor1Click();
    void XMLcolor1Click();
    void mnFmtBackgroundClick();
    void mnViewStatusBarClick();

    // The Edit menu; Copy and Select All are the views' context menu too.
    void EditCopy();
    void EditSelectAll();
    void EditFind();
    void EditFindNext();
    void EditFindPrevious();

    // The recent files of the File menu.
    void OpenRecentFile(size_t index);
    const std::vector<std::string>& RecentFileList() const { return recentFiles_.Files(); }

    // Other commands and form events.
    void FileOpen();
    void mnPreferencesClick();
    void mnHelp1Click();
    void About();
    void FileExit();
    bool FormCloseQuery();
    bool FormKeyDown(WPARAM key);
    void ShowHint(const std::string& hint);
    void cmdDbgOn();
    void cmdDbgClr();

    // Runs a menu command as the menu or its shortcut would.
    void RunCommand(int commandId);
    // Selects a page as a click on its tab would (page 0 has no tab).
    void SelectPage(int32_t page);

    // The window's designed placement and size at the DPI, in screen pixels.
    static RECT DesignRect(UINT dpi);

    // State the tests look at.
    UINT Dpi() const { return dpi_; }
    int32_t ActivePage() const { return activePage_; }
    const DocumentView& View(int32_t page) const { return views_[page]; }
    std::string StatusText() const;  // UTF-8
    bool StatusBarVisible() const;
    std::string Caption() const;  // UTF-8
    bool IsMenuItemChecked(int commandId) const;
    bool MenuHasItem(int commandId) const;
    // The open Find dialog, or nullptr.
    HWND FindDialogHandle() const { return find_.Handle(); }
    // The context menu of the views.
    HMENU ViewMenu() const { return GetSubMenu(viewMenu_, 0); }

    // The fields and display settings of the window.
    std::string fDest;
    std::string fSrc;
    int32_t CurTab = StandardPage;
    COLORREF bgndColor = 0xC0C0C0;
    int32_t labelColor = 0x40;
    int32_t contentColor = 0x800000;
    ReportFont reportFont;

  private:
    TFrm(Application& application, const FrmEnvironment& environment);
    bool CreateControls();
    // Creates the page's view when it does not exist yet.
    bool EnsureView(int32_t page);
    RECT ViewRect() const;
    void FormCreate();
    void FormPaint();
    void Layout();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    bool ScaledWindowSize(UINT dpi, SIZE& size) const;
    // Reads the document and writes its reports; a large document while the
    // window goes on repainting (see BackgroundWork).
    void ReadAndRender(const std::string& fileName);
    void EndRendering(const DocumentRendering& rendering, const std::string& fileName);
    // Hides the window at once and closes it when the document being read is in.
    void CloseAfterLoad();
    void SetActivePage(int32_t page);
    void ApplySourceFont();
    void ChooseColorAndRender(int32_t& color);
    void SetStatusText(const std::string& text);
    // "N of M files": the document's position in its folder's list.
    void ShowFolderPosition();
    // The program's folder + "Quillot.chm".
    std::string HelpFile() const;
    void SetStatusBarVisible(bool visible);
    // The File menu's recent items, as the list holds them.
    void UpdateRecentMenu();
    // The pop-up menu of the menu bar that holds the command.
    HMENU SubMenuOf(UINT command) const;
    void FindInActiveView(const FindDialog::Search& search);
    void ApplyPlacement(int left, int top, int width, int height);
    void RememberNormalRect();
    // Runs a handler; a failure shows its text in a message box and the
    // program goes on.
    template <typename Handler>
    void Guarded(Handler handler) {
        try {
            handler();
        } catch (const std::exception& failure) {
            dialogs_.ShowError(hwnd_, failure.what());
        }
    }

    friend LRESULT CALLBACK WindowThunk<TFrm>(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    void OnNotify(const NMHDR& header);
    void OnLink(const ENLINK& link);
    void OnFindMessage(LPARAM lParam);
    bool OnContextMenu(HWND source, LPARAM position);
    void OnInitMenuPopup(HMENU menu);
    bool OnClose();
    void OnEndSession(bool ending);
    void EndForSession();
    // Posted by the first paint when no report folder can be had.
    static constexpr UINT kNoReportFolderMessage = WM_APP + 1;

    Application& application_;
    FrmEnvironment environment_;
    FrmDialogs& dialogs_;
    HWND hwnd_ = nullptr;
    HWND StsBar = nullptr;
    HWND PageControl1 = nullptr;
    HMENU MainMenu = nullptr;
    HACCEL accelerators_ = nullptr;
    HACCEL findAccelerators_ = nullptr;
    HMENU viewMenu_ = nullptr;
    HFONT windowFont_ = nullptr;  // of the status bar and the tabs
    UINT dpi_ = 96;               // the window's DPI, which its own sizes follow
    // RichEdit1 (summary), RichEdit4 (Std), RichEdit2 (All), RichEdit3 (Xml),
    // and the Check page's view.
    DocumentView views_[PageCount];
    ReportFontSurface Img;
    int32_t activePage_ = StandardPage;
    bool FirstPaintPending = true;
    // Each LoadDocument shows a new document; every view remembers the
    // document its text belongs to, and whether the report files on disk are
    // a complete rendering of the document shown.
    uint32_t documentSerial_ = 0;
    uint32_t viewDocument_[PageCount] = {};
    bool reportsCurrent_ = false;
    bool startMaximized_ = false;
    RECT normalRect_ = {};  // the normal-state rectangle, screen pixels
    bool everShown_ = false;
    bool closing_ = false;
    // A document is being read and rendered by a worker thread.
    BackgroundWork background_;
    bool closeAfterLoad_ = false;
    // The settings were saved for the end of the session while a load was
    // under way; the close that follows the load saves nothing more.
    bool savedForSessionEnd_ = false;
    FindDialog find_;
    RecentFiles recentFiles_;
    // The link that the left mouse button went down on; a click opens it
    // when the button comes up on the same link.
    CHARRANGE pressedLink_ = {-1, -1};
};

}  // namespace quillot
