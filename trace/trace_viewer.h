// The external trace viewer: a separate program owning a top-level window of
// class "ViRever". Each line reaches it as a global atom named by the line,
// posted to the thread of that window with the atom as the message number
// and 0 as both parameters; the viewer reads and deletes the atoms.
#pragma once

#include <string>

namespace quillot {

constexpr char ViewerWindowClass[] = "ViRever";
// Started through the shell, unqualified, when no viewer window exists.
constexpr char ViewerProgram[] = "Debugger.exe";

bool ViewerWindowExists();

enum class ViewerDelivery {
    Posted,           // the line is on its way to the viewer
    NotPosted,        // the line cannot be a string atom (empty, or "#" and a number),
                      // or the viewer's thread is gone
    Starting,         // no viewer window; the shell was asked to start the viewer
    ProgramNotFound,  // no viewer window, and the shell found no viewer program
};

// Posts the line, or starts the viewer when it has no window (the line is
// then not delivered).
ViewerDelivery SendLineToViewer(const std::string& line);

}  // namespace quillot
