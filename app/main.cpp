// Quillot.exe: a viewer for PAD (Portable Application Description) files.
#include <windows.h>

#include "app/command_line.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return quillot::RunQuillot(instance, quillot::ProgramArguments());
}
