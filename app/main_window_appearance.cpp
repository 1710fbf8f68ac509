// Appearance and window settings of the main window: the report font and the
// colours of the Format menu, the status bar, and their persistence in the
// sections "Main" and "Main Window" of the INI file, with the recent files
// in section "Recent".
#include <algorithm>
#include <string>

#include "app/main_window.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "settings/stored_name.h"
#include "shell/display_scale.h"

namespace quillot {
namespace {

// Bounds of the integers read from the INI file: whatever a file holds, the
// program computes with values in these ranges.
constexpr int32_t kMinFontSize = 1;     // points
constexpr int32_t kMaxFontSize = 1638;  // the largest size a rich-edit control takes (in twips)
constexpr int32_t kMinPosition = -32768;
constexpr int32_t kMaxPosition = 32767;
constexpr int32_t kMaxExtent = 32767;
// Where the window opens by design, and its size; pixels at 96 DPI.
constexpr int32_t kDesignLeft = 197;
constexpr int32_t kDesignTop = 123;
constexpr int32_t kDesignWidth = 435;
constexpr int32_t kDesignHeight = 300;

int32_t ExchangeInRange(const char* key, int32_t value, int32_t low, int32_t high) {
    return std::clamp(ExchangeInt(key, value), low, high);
}

int32_t ExchangeColor(const char* key, int32_t value) {
    return ExchangeInRange(key, value, 0, 0xFFFFFF);
}

}  // namespace

RECT TFrm::DesignRect(UINT dpi) {
    const int left = ScaleToDpi(kDesignLeft, dpi);
    const int top = ScaleToDpi(kDesignTop, dpi);
    return RECT{left, top, left + ScaleToDpi(kDesignWidth, dpi),
                top + ScaleToDpi(kDesignHeight, dpi)};
}

// "Left", "Top", "Width" and "Height" are the screen pixels of the window's
// normal state at whatever DPI; only their defaults, the designed placement,
// follow the window's DPI.
void TFrm::LoadSaveSettings(int32_t mode) {
    BeginSection("", "Main", mode);
    if (mode == ReadMode) CurrentFilePath.clear();
    CurrentFilePath = FileNameFromStored(ExchangeString("fName", StoredFileName(CurrentFilePath)));
    fSrc = ExchangeString("fSrc", fSrc);
    fDest = ExchangeString("fDest", fDest);

    BeginSection("", "Main Window", mode);
    reportFont.face = ExchangeString("FntName", reportFont.face).substr(0, MaxFontFaceLength);
    reportFont.size = ExchangeInRange("FntSize", reportFont.size, kMinFontSize, kMaxFontSize);
    bgndColor = static_cast<COLORREF>(ExchangeColor("bgndColor", static_cast<int32_t>(bgndColor)));
    labelColor = ExchangeColor("labelColor", labelColor);
    contentColor = ExchangeColor("contentColor", contentColor);
    reportFont.color =
        static_cast<COLORREF>(ExchangeColor("xmlColor", static_cast<int32_t>(reportFont.color)));
    CurTab = ExchangeInt("CurTab", CurTab);  // a value that names no page opens the Std tab
    SetStatusBarVisible(ExchangeBool("StsBar", StatusBarVisible()));

    const bool isMaximized =
        everShown_ ? (GetWindowLongA(hwnd_, GWL_STYLE) & WS_MAXIMIZE) != 0 : startMaximized_;
    const bool maximized = ExchangeBool("Maximized", isMaximized);
    if (!(mode == WriteMode && maximized)) {
        // The normal-state rectangle in screen pixels, also while the window
        // is maximised or minimised.
        const RECT& normal = normalRect_;
        const int left = ExchangeInRange("Left", normal.left, kMinPosition, kMaxPosition);
        const int top = ExchangeInRange("Top", normal.top, kMinPosition, kMaxPosition);
        const int width = ExchangeInRange("Width", normal.right - normal.left,
                                          SystemMetricForDpi(SM_CXMINTRACK, dpi_), kMaxExtent);
        const int height = ExchangeInRange("Height", normal.bottom - normal.top,
                                           SystemMetricForDpi(SM_CYMINTRACK, dpi_), kMaxExtent);
        if (mode == ReadMode) ApplyPlacement(left, top, width, height);
    }
    if (mode == ReadMode) startMaximized_ = maximized;

    recentFiles_.LoadSave(mode);
    if (mode == ReadMode) UpdateRecentMenu();
    EndSection(4);
}

// Puts the window's normal state at the rectangle given in screen pixels. A
// rectangle that lies entirely off every monitor moves to the primary one.
void TFrm::ApplyPlacement(int left, int top, int width, int height) {
    RECT wanted = {left, top, left + width, top + height};
    if (MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL) == nullptr) {
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        width = std::min<int>(width, work.right - work.left);
        height = std::min<int>(height, work.bottom - work.top);
        const RECT design = DesignRect(dpi_);
        left = work.left +
               std::max<int>(0, std::min<int>(design.left, work.right - work.left - width));
        top =
            work.top + std::max<int>(0, std::min<int>(design.top, work.bottom - work.top - height));
    }
    SetWindowPos(hwnd_, nullptr, left, top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    RememberNormalRect();
}

// Keeps the rectangle of the normal state, in screen pixels, for saving.
void TFrm::RememberNormalRect() {
    if (IsIconic(hwnd_) || IsZoomed(hwnd_)) return;
    GetWindowRect(hwnd_, &normalRect_);
}

void TFrm::ApplyBackground() {
    for (DocumentView& view : views_) {
        if (view.Handle()) view.SetBackground(bgndColor);
    }
}

void TFrm::ApplySourceFont() {
    if (views_[SourcePage].Handle()) views_[SourcePage].SetFont(reportFont.ToCharFormat());
}

// Font, Label Color and Content Color render the document again, also when
// their dialog is cancelled.
void TFrm::mnFmtFontClick() {
    ReportFont chosen = reportFont;
    if (dialogs_.ChooseReportFont(hwnd_, chosen)) {
        chosen.color = reportFont.color;
        reportFont = chosen;
        Img.Apply(reportFont);
        ApplySourceFont();
    }
    LoadDocument(CurrentFilePath, true);
}

void TFrm::ChooseColorAndRender(int32_t& color) {
    COLORREF chosen = static_cast<COLORREF>(color);
    if (dialogs_.ChooseColorValue(hwnd_, chosen)) color = static_cast<int32_t>(chosen);
    LoadDocument(CurrentFilePath, true);
}

void TFrm::LabelColor1Click() {
    ChooseColorAndRender(labelColor);
}

void TFrm::ContentColor1Click() {
    ChooseColorAndRender(contentColor);
}

void TFrm::XMLcolor1Click() {
    COLORREF chosen = reportFont.color;
    if (!dialogs_.ChooseColorValue(hwnd_, chosen)) return;
    reportFont.color = chosen;
    if (views_[SourcePage].Handle()) views_[SourcePage].SetTextColor(chosen);
}

void TFrm::mnFmtBackgroundClick() {
    COLORREF chosen = bgndColor;
    if (!dialogs_.ChooseColorValue(hwnd_, chosen)) return;
    bgndColor = chosen;
    ApplyBackground();
}

void TFrm::mnViewStatusBarClick() {
    SetStatusBarVisible(!IsMenuItemChecked(IDM_VIEW_STATUSBAR));
    PageControl1Change();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace quillot
