// Display scaling: the program is per-monitor DPI aware and scales what it
// lays out itself (window sizes, margins, the fonts of its own controls) by
// the DPI of the window concerned. Every pixel size of the program's own
// layouts is given for 96 dots per inch and goes through ScaleToDpi.
//
// The newer user32 functions are looked up at run time, so the program still
// starts on systems that lack them; there the system DPI stands in for the
// window's.
#pragma once

#include <windows.h>

namespace quillot {

// The DPI at which the program's own pixel sizes are given.
constexpr UINT DesignDpi = 96;

// A pixel size given at 96 DPI, at `dpi`, rounded to the nearest pixel.
inline int ScaleToDpi(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(DesignDpi));
}

// Makes the process per-monitor DPI aware where it is not yet (the manifest
// asks for it, but not every system honours it): per-monitor version 2 where
// the system knows it, else version 1, else (before Windows 8.1) system
// aware. Call it before the first window is created.
void RequestPerMonitorDpiAwareness();

// Whether the calling thread is per-monitor DPI aware (either version).
bool IsPerMonitorDpiAware();

// The system DPI: that of the primary monitor when the session began.
UINT SystemDpi();

// The DPI of the window's monitor as the window sees it (GetDpiForWindow),
// or the system DPI where the system cannot say.
UINT DpiOfWindow(HWND window);

// A system metric (SM_*) at the DPI; the one of the system DPI where the
// system has no metrics per DPI.
int SystemMetricForDpi(int index, UINT dpi);

// Grows a client rectangle to the window rectangle of a window of that style
// at the DPI (AdjustWindowRectExForDpi), or at the system DPI where the
// system has no frame sizes per DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool hasMenu, DWORD exStyle, UINT dpi);

// Gives a tab control the padding around its tabs' labels that the common
// controls use by default, 6 by 3 pixels at 96 DPI, at the DPI (Wine's keep
// it at that size whatever the DPI). The tabs take it when their font or
// their items are set next.
void ScaleTabPadding(HWND tabs, UINT dpi);

}  // namespace quillot
