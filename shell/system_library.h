// Libraries of the system folder, loaded by their full path: a file of the
// same name beside the program or in the current folder is never used.
#pragma once

#include <windows.h>

#include <string>

namespace quillot {

// The system folder (GetSystemDirectoryW, as UTF-8), without a trailing "\"; empty
// when it cannot be had.
std::string SystemFolder();

// Loads the named library from the system folder; nullptr when it is missing
// or cannot be loaded.
HMODULE LoadSystemLibrary(const char* name);

// The named entry point of a library of the system folder, loaded once and
// kept until the process ends; nullptr when either is missing.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    if (module == nullptr) return nullptr;
    // Through void (*)(), the one function pointer type any other converts to
    // without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Makes libraries that are loaded by name later on (by the system's own
// components as well) come from the system folder only, where the platform
// offers that.
void RestrictLibrarySearch();

}  // namespace quillot
