#include "shell/html_help.h"

#include <cstdint>

#include "reader/file_system.h"
#include "reader/wide_text.h"
#include "shell/html_help_engine.h"
#include "shell/system_library.h"

namespace quillot {

HMODULE HtmlHelpLibrary = nullptr;
HtmlHelpFunction HtmlHelpEntry = nullptr;
std::string (*HtmlHelpLibraryFolder)() = SystemFolder;

void LoadHtmlHelp() {
    if (HtmlHelpLibrary != nullptr) return;
    std::string path = HtmlHelpLibraryFolder();
    if (!path.empty() && path.back() == '\\') path.pop_back();
    path += "\\hhctrl.ocx";
    if (!IsExistingFile(path)) return;
    HMODULE library = LoadLibraryW(Utf8ToWide(path).c_str());
    if (library == nullptr) return;
    HtmlHelpLibrary = library;
    // Through void (*)(), the one function pointer type any other converts to
    // without a warning.
    auto entry = reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW"));
    HtmlHelpEntry = reinterpret_cast<HtmlHelpFunction>(entry);
}

void ShowHtmlHelp(const std::string& helpFile, UINT command, DWORD_PTR data) {
    if (HtmlHelpLibrary == nullptr) {
        if (command == HtmlHelpCloseAll) return;
        LoadHtmlHelp();
    }
    // A library without the entry point is never called.
    if (HtmlHelpLibrary == nullptr || HtmlHelpEntry == nullptr) return;
    HWND window = HtmlHelpEntry(nullptr, Utf8ToWide(helpFile).c_str(), command, data);
    if (reinterpret_cast<intptr_t>(window) > 0 && command != HtmlHelpCloseAll) {
        SetForegroundWindow(window);
    }
}

}  // namespace quillot
