#include "settings/program_location.h"

#include <windows.h>

namespace quillot {

std::string ProgramFilePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string IniPathFor(const std::string& programPath) {
    const size_t separator = programPath.find_last_of("\\:");
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const size_t dot = programPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return programPath + ".ini";
    return programPath.substr(0, dot) + ".ini";
}

}  // namespace quillot
