// The modal dialogs and message boxes that the main window opens, behind one
// interface so that tests can answer them. The product uses SystemDialogs().
#pragma once

#include <windows.h>

#include <string>

#include "app/report_font.h"
#include "shell/open_file_dialog.h"

namespace quillot {

class FrmDialogs {
  public:
    virtual ~FrmDialogs() = default;
    // The system font dialog: screen and TrueType fonts that exist, no
    // effects. On OK the face, size and style of `font` change (not its colour).
    virtual bool ChooseReportFont(HWND owner, ReportFont& font) = 0;
    // The system colour dialog starting at `color`; on OK `color` changes.
    virtual bool ChooseColorValue(HWND owner, COLORREF& color) = 0;
    // The general error handler's message box.
    virtual void ShowError(HWND owner, const std::string& text) = 0;
    // The open-file dialog; true when a file was chosen (in fileNameBuffer).
    virtual bool OpenFile(HWND owner, tOpenDlg& request) = 0;
    // The Preferences dialog, modal.
    virtual void ShowPreferences(HWND owner) = 0;
    // An HTML Help command on the help file.
    virtual void ShowHelp(const std::string& helpFile, UINT command) = 0;
    // The About box, modal.
    virtual void ShowAbout(HWND owner, const std::string& line1, const std::string& line2,
                           const std::string& line3) = 0;
};

FrmDialogs& SystemDialogs();

}  // namespace quillot
