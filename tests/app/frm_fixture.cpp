#include "tests/app/frm_fixture.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "app/folder_list.h"
#include "reader/pad_document.h"
#include "reader/wide_text.h"
#include "settings/settings_store.h"
#include "shell/display_scale.h"
#include "trace/trace_log.h"

namespace quillot::test {

bool ScriptedDialogs::ChooseReportFont(HWND, ReportFont& font) {
    ++fontCalls;
    if (!fontAnswer) return false;
    font.face = fontAnswer->face;
    font.size = fontAnswer->size;
    font.bold = fontAnswer->bold;
    font.italic = fontAnswer->italic;
    font.underline = fontAnswer->underline;
    font.strikeOut = fontAnswer->strikeOut;
    return true;
}

bool ScriptedDialogs::ChooseColorValue(HWND, COLORREF& color) {
    ++colorCalls;
    lastInitialColor = color;
    if (!colorAnswer) return false;
    color = *colorAnswer;
    return true;
}

void ScriptedDialogs::ShowError(HWND, const std::string& text) {
    errors.push_back(text);
}

bool ScriptedDialogs::OpenFile(HWND, tOpenDlg& request) {
    openProposedFile = request.fileName;
    openInitialFolder = request.initialFolder;
    openDefaultExt = request.defaultExt;
    openFilter = request.filter;
    if (!openAnswer) return false;
    lstrcpynA(request.fileNameBuffer, openAnswer->c_str(), sizeof request.fileNameBuffer);
    return true;
}

void ScriptedDialogs::ShowPreferences(HWND) {
    ++preferencesCalls;
}

void ScriptedDialogs::ShowHelp(const std::string& helpFile, UINT command) {
    helpCalls.emplace_back(helpFile, command);
}

void ScriptedDialogs::ShowAbout(HWND, const std::string& line1, const std::string& line2,
                                const std::string& line3) {
    aboutLines = {line1, line2, line3};
}

void PostKeyPress(HWND window, UINT key, unsigned modifiers) {
    BYTE state[256] = {};
    if (modifiers & kShift) state[VK_SHIFT] = 0x80;
    if (modifiers & kControl) state[VK_CONTROL] = 0x80;
    if (modifiers & kAlt) state[VK_MENU] = 0x80;
    SetKeyboardState(state);
    const bool alt = (modifiers & kAlt) != 0;
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? (1 << 29) : 0);
}

HGLOBAL MakeWideDrop(const std::string& file) {
    const std::wstring names = Utf8ToWide(file) + L'\0' + L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(),
                names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

void FrmTest::SetUp() {
    static const bool commonControls = [] {
        RequestPerMonitorDpiAwareness();  // as Quillot.exe does at its start
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    ASSERT_TRUE(commonControls);
    // The store's file is fixed once per process; each test points it at its own.
    InitSettingsAndTrace(IniPath());
    DefaultIniFile = IniPath();
    CurrentIniFile = IniPath();
    WriteErrorShown = false;
    DevMode = false;
    TraceActive = false;
    CurrentFilePath.clear();
    EnglishOnly = false;
}

void FrmTest::TearDown() {
    frm_.reset();
    application_.reset();
    Pump();
}

TFrm& FrmTest::Open(std::vector<std::string> arguments) {
    frm_.reset();
    application_ = std::make_unique<Application>();
    EXPECT_TRUE(application_->Create(GetModuleHandleA(nullptr), "Quillot"));
    FrmEnvironment environment;
    environment.programPath = folder_.File("Quillot.exe");
    environment.systemTempPath = reportFolder_;
    environment.arguments = std::move(arguments);
    environment.dialogs = &dialogs_;
    environment.endsMessageLoop = false;
    environment.sessionEnds = sessionEnds_;
    environment.openAddress = [this](HWND, const std::string& address) {
        openedAddresses_.push_back(address);
    };
    frm_.reset(TFrm::Create(*application_, environment));
    EXPECT_NE(frm_, nullptr);
    Pump();
    return *frm_;
}

void FrmTest::Close() {
    SendMessageA(frm_->Handle(), WM_CLOSE, 0, 0);
    Pump();
}

void FrmTest::Pump() {
    if (application_) application_->ProcessMessages();
}

void FrmTest::PressKey(HWND window, UINT key, unsigned modifiers) {
    PostKeyPress(window, key, modifiers);
    Pump();
    BYTE clear[256] = {};
    SetKeyboardState(clear);
}

std::string FrmTest::IniValue(const std::string& section, const std::string& key) const {
    char value[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", value, sizeof value,
                             IniPath().c_str());
    return value;
}

void FrmTest::SetIniValue(const std::string& section, const std::string& key,
                          const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), IniPath().c_str());
}

std::string FrmTest::Report(const char* name) const {
    return ReadWholeFile(temp_.File(name));
}

}  // namespace quillot::test
