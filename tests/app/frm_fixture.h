// A main window created in-process for tests: its INI file, its temporary
// folder and its dialogs are the test's own.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/frm_dialogs.h"
#include "app/main_window.h"
#include "tests/support/test_files.h"

namespace quillot::test {

// Answers the main window's dialogs as the test says and records the calls.
class ScriptedDialogs : public FrmDialogs {
  public:
    bool ChooseReportFont(HWND owner, ReportFont& font) override;
    bool ChooseColorValue(HWND owner, COLORREF& color) override;
    void ShowError(HWND owner, const std::string& text) override;
    bool OpenFile(HWND owner, tOpenDlg& request) override;
    void ShowPreferences(HWND owner) override;
    void ShowHelp(const std::string& helpFile, UINT command) override;
    void ShowAbout(HWND owner, const std::string& line1, const std::string& line2,
                   const std::string& line3) override;

    std::optional<ReportFont> fontAnswer;  // empty: the user cancels
    std::optional<COLORREF> colorAnswer;   // empty: the user cancels
    int fontCalls = 0;
    int colorCalls = 0;
    COLORREF lastInitialColor = 0;
    std::vector<std::string> errors;

    std::optional<std::string> openAnswer;  // empty: the user cancels
    std::string openProposedFile;           // what the last open request proposed
    std::string openInitialFolder;
    std::string openDefaultExt;
    std::string openFilter;
    int preferencesCalls = 0;
    std::vector<std::pair<std::string, UINT>> helpCalls;
    std::vector<std::string> aboutLines;
};

// Modifier keys held down while a key is pressed.
enum KeyModifiers : unsigned { kShift = 1, kControl = 2, kAlt = 4 };

// Posts a press of the key to the window, as the keyboard would, with the
// modifiers held down; the message loop's handling then sees them held.
void PostKeyPress(HWND window, UINT key, unsigned modifiers = 0);

// A drop of one file as the shell hands it over: a wide name.
HGLOBAL MakeWideDrop(const std::string& file);

class FrmTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window with these arguments (and the INI file as it is now).
    TFrm& Open(std::vector<std::string> arguments = {});
    // Closes the window as the close box does and handles what follows.
    void Close();
    void Pump();
    // Presses the key in the window and handles what follows.
    void PressKey(HWND window, UINT key, unsigned modifiers = 0);

    std::string IniPath() const { return folder_.File("Quillot.ini"); }
    std::string IniValue(const std::string& section, const std::string& key) const;
    void SetIniValue(const std::string& section, const std::string& key, const std::string& value);
    // The report file as the window last wrote it, in the test's temporary folder.
    std::string Report(const char* name) const;

    TempFolder folder_;  // the "program folder": INI file
    TempFolder temp_;    // the system's temporary folder: report files
    TempFolder documents_;
    std::string reportFolder_ = temp_.Path();  // the folder the window is given for its reports
    ScriptedDialogs dialogs_;
    std::function<void()> sessionEnds_;  // where a real run would end at the end of the session
    std::vector<std::string> openedAddresses_;  // what the window handed the shell to open
    std::unique_ptr<Application> application_;
    std::unique_ptr<TFrm> frm_;
};

}  // namespace quillot::test
