// The Preferences dialog's layout as the tests see it, and the relations that
// hold at every DPI: nothing outside the client area, nothing overlapping,
// no caption cut.
#pragma once

#include <windows.h>

#include <string>

namespace quillot::test {

// One control: its rectangle in its parent's client area, the size of its
// caption in its font, and that font's line height.
struct ControlLayout {
    RECT box;
    SIZE caption;
    int fontHeight;
};

struct PreferencesLayout {
    RECT client, tabs, display, page;
    ControlLayout group, xml, pad, ok, cancel, help;
    int checkMark;  // the width of a check box's mark
};

// Measures the open dialog; the checks can run after it closed.
PreferencesLayout MeasurePreferences(HWND dialog);
void ExpectPreferencesLaidOut(const PreferencesLayout& layout);

// The size of the control's caption (without mnemonic marks) in its font.
SIZE CaptionExtent(HWND control);
// The line height of the control's font.
int FontHeight(HWND control);

}  // namespace quillot::test
