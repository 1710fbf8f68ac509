#include "settings/program_location.h"

#include <windows.h>

#include "reader/wide_text.h"

namespace quillot {

std::string ProgramFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) {
            path.resize(length);
            return WideToUtf8(path);
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
