// The program's entry sequence. A process takes one of three roles: with
// "-I" or "-U" it edits the file-type associations and ends; when another
// instance runs, it hands its file over to it and ends; otherwise it opens the
// main window and runs the message loop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillot {

// The caption prefix of a running instance: the application title.
constexpr const char* RunningInstancePrefix = "Quillot ";

// Searches the top-level windows for an owner or main window of this program
// whose caption starts with the prefix (exact case); other windows with such
// a caption do not count. On a match the target (the window's owner, or the
// window itself) is restored, and the matched window brought to the front
// when `bringToFront` is set.
bool FindRunningInstance(const std::string& prefix, bool bringToFront, HWND& target);

// Runs the role the arguments call for; returns the exit code (always 0).
int RunQuillot(HINSTANCE instance, const std::vector<std::string>& arguments);

// "-I" / "-U" (any letter case) as first argument; false for anything else.
bool HandleAssociationSwitches(const std::vector<std::string>& arguments);

}  // namespace quillot
