// The Preferences dialog: two check boxes choose whether the program opens
// .xml and .pad files. The choices live in section "Main" of the INI file; on
// OK each changed choice is applied through AssociationHook, XML first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace quillot {

// What the dialog calls to apply a changed choice; it takes the parameters of
// AssociateFileType, which the main window puts here before showing the dialog.
using AssociationFunction = void (*)(const std::string& extName, const std::string& description,
                                     uint8_t install);
extern AssociationFunction AssociationHook;

// The WinHelp engine that the dialog's help calls: WinHelpW, which takes the
// help file's path whole (and the keyword of HELP_KEY as UTF-16). Tests put a
// recorder here.
using WinHelpFunction = BOOL(WINAPI*)(HWND window, LPCWSTR helpFile, UINT command, ULONG_PTR data);
extern WinHelpFunction WinHelpEngine;

// Creates the dialog, shows it modally over the owner and destroys it.
void ShowPreferencesDialog(HWND owner);

// The dialog itself, created for one showing.
class TDlgSetup {
  public:
    explicit TDlgSetup(HWND owner) : owner_(owner) {}
    TDlgSetup(const TDlgSetup&) = delete;
    TDlgSetup& operator=(const TDlgSetup&) = delete;

    // Runs the dialog; returns IDOK or IDCANCEL.
    INT_PTR ShowModal();

    void FormCreate();
    void FormShow();
    // True when the key was handled (F1); other keys pass on.
    bool FormKeyDown(WPARAM key);
    bool FormCloseQuery();
    void FormClose();
    void cmdHelp();
    void LoadSaveChoices(int32_t mode);

    bool InitialXml = false;  // chkXML right after the INI file was read
    bool InitialPad = false;  // chkPAD at the same moment

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyPreview(int code, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnCommand(int id);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void RequestClose(INT_PTR result);
    void CreatePage();
    // Sizes the dialog and places its controls for the DPI.
    void ApplyLayout(UINT dpi);
    bool Owns(HWND window) const;
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);

    HWND owner_;
    HWND window_ = nullptr;
    HWND page_ = nullptr;  // TabExtensions, inside PgCtl
    INT_PTR modalResult_ = 0;
    UINT dpi_ = 96;         // the dialog's DPI, which its layout follows
    HFONT font_ = nullptr;  // the controls' font after a change of DPI
};

}  // namespace quillot
