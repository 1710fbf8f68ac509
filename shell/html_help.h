// HTML Help for the main window: the engine ("hhctrl.ocx" of the system
// folder) is loaded on first use; when it cannot be loaded, help does nothing.
#pragma once

#include <windows.h>

#include <string>

namespace quillot {

constexpr UINT HtmlHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
constexpr UINT HtmlHelpCloseAll = 18;     // HH_CLOSE_ALL

// Runs the command on the help file (a UTF-8 path). Close-all never loads the engine. A
// help window that the call returns is brought to the foreground.
void ShowHtmlHelp(const std::string& helpFile, UINT command, DWORD_PTR data);

}  // namespace quillot
