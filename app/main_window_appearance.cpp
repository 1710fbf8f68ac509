// Appearance and window settings of the main window: the report font and the
// colours of the Format menu, the status bar, and their persistence in the
// sections "Main" and "Main Window" of the INI file.
#include <string>

#include "app/main_window.h"
#include "resources/resource.h"
#include "settings/settings_store.h"

namespace quillot {

void TFrm::LoadSaveSettings(int32_t mode) {
    BeginSection("", "Main", mode);
    if (mode == ReadMode) CurrentFilePath.clear();
    CurrentFilePath = ExchangeString("fName", CurrentFilePath);
    fSrc = ExchangeString("fSrc", fSrc);
    fDest = ExchangeString("fDest", fDest);

    BeginSection("", "Main Window", mode);
    reportFont.face = ExchangeString("FntName", reportFont.face).substr(0, MaxFontFaceLength);
    reportFont.size = ExchangeInt("FntSize", reportFont.size);
    bgndColor = static_cast<COLORREF>(ExchangeInt("bgndColor", static_cast<int32_t>(bgndColor)));
    labelColor = ExchangeInt("labelColor", labelColor);
    contentColor = ExchangeInt("contentColor", contentColor);
    reportFont.color =
        static_cast<COLORREF>(ExchangeInt("xmlColor", static_cast<int32_t>(reportFont.color)));
    CurTab = ExchangeInt("CurTab", CurTab);
    SetStatusBarVisible(ExchangeBool("StsBar", StatusBarVisible()));

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    const bool isMaximized =
        everShown_ ? (GetWindowLongA(hwnd_, GWL_STYLE) & WS_MAXIMIZE) != 0 : startMaximized_;
    const bool maximized = ExchangeBool("Maximized", isMaximized);
    if (!(mode == WriteMode && maximized)) {
        // The normal-state rectangle, also while the window is minimised.
        const RECT& normal = placement.rcNormalPosition;
        const int left = ExchangeInt("Left", normal.left);
        const int top = ExchangeInt("Top", normal.top);
        const int width = ExchangeInt("Width", normal.right - normal.left);
        const int height = ExchangeInt("Height", normal.bottom - normal.top);
        if (mode == ReadMode) ApplyPlacement(left, top, width, height);
    }
    if (mode == ReadMode) startMaximized_ = maximized;
    EndSection(4);
}

void TFrm::ApplyPlacement(int left, int top, int width, int height) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    placement.rcNormalPosition = RECT{left, top, left + width, top + height};
    placement.showCmd = IsWindowVisible(hwnd_) ? placement.showCmd : SW_HIDE;
    SetWindowPlacement(hwnd_, &placement);
}

void TFrm::ApplyBackground() {
    for (DocumentView& view : views_)
        view.SetBackground(bgndColor);
}

void TFrm::ApplySourceFont() {
    views_[SourcePage].SetFont(reportFont.ToCharFormat());
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
    views_[SourcePage].SetTextColor(chosen);
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
