#include "shell/message_dialog.h"

#include <cstring>

#include "shell/display_scale.h"
#include "shell/version_info.h"

namespace quillot {

namespace {

// What the dialog procedure draws; set by ShowMessageDialog, kept until the
// next call.
struct MessageDialogState {
    HWND owner = nullptr;
    HINSTANCE iconInstance = nullptr;
    const char* iconName = "MAIN";
    std::string caption;
    std::string lines[3];
    HWND okButton = nullptr;
};
MessageDialogState State;

// What the procedure draws, in pixels at 96 DPI, scaled to the box's DPI:
// the icon at 10, 35 in its 32-pixel size, the lines at these heights in a
// font of 11 pixels. The template's dialog units scale with its font.
constexpr int IconX = 10;
constexpr int IconY = 35;
constexpr int IconSize = 32;
constexpr int LineY[3] = {15, 41, 69};
constexpr int LineFontHeight = 11;

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

// Over the owner's outer rectangle, each half rounded toward zero; never left
// of or above the screen's origin.
void CentreOverOwner(HWND dialog, HWND owner) {
    RECT area;
    GetWindowRect(owner != nullptr ? owner : GetDesktopWindow(), &area);
    RECT box;
    GetWindowRect(dialog, &box);
    int left = area.left + Width(area) / 2 - Width(box) / 2;
    int top = area.top + Height(area) / 2 - Height(box) / 2;
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT CreateLineFont(UINT dpi) {
    LOGFONTA font = {};
    font.lfHeight = -ScaleToDpi(LineFontHeight, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS | CLIP_LH_ANGLES | CLIP_TT_ALWAYS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    std::strcpy(font.lfFaceName, "Arial");
    return CreateFontIndirectA(&font);
}

void PaintMessage(HWND dialog) {
    SetForegroundWindow(dialog);
    SetFocus(State.okButton);
    SetWindowTextA(dialog, State.caption.c_str());

    const UINT dpi = DpiOfWindow(dialog);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    const int iconSize = ScaleToDpi(IconSize, dpi);
    HICON icon = static_cast<HICON>(
        LoadImageA(State.iconInstance, State.iconName, IMAGE_ICON, iconSize, iconSize, 0));
    DrawIconEx(dc, ScaleToDpi(IconX, dpi), ScaleToDpi(IconY, dpi), icon, iconSize, iconSize, 0,
               nullptr, DI_NORMAL);
    if (icon != nullptr) DestroyIcon(icon);
    HFONT font = CreateLineFont(dpi);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT box;
    GetWindowRect(dialog, &box);
    for (int i = 0; i < 3; ++i) {
        const std::string& line = State.lines[i];
        int length = static_cast<int>(line.size());
        SIZE extent = {};
        GetTextExtentPoint32A(dc, line.c_str(), length, &extent);
        TextOutA(dc, (Width(box) - extent.cx) / 2, ScaleToDpi(LineY[i], dpi), line.c_str(), length);
    }
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
    DeleteObject(font);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            State.okButton = GetDlgItem(dialog, IDOK);
            CentreOverOwner(dialog, State.owner);
            return TRUE;
        case WM_PAINT:
            PaintMessage(dialog);
            return TRUE;
        case WM_COMMAND:
            EndDialog(dialog, static_cast<INT_PTR>(wParam));
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowMessageDialog(HWND owner, const std::string& line1, const std::string& line2,
                       const std::string& line3) {
    State.owner = owner;
    State.iconInstance = GetModuleHandleA(nullptr);
    State.caption = "About " + ProgramName;
    State.lines[0] = line1;
    State.lines[1] = line2;
    State.lines[2] = line3;
    State.okButton = nullptr;
    DialogBoxParamA(State.iconInstance, "DLG_MSG", owner, MessageDialogProc, 0);
}

}  // namespace quillot
