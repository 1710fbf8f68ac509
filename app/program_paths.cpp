#include "app/program_paths.h"

#include <windows.h>

#include "reader/text_util.h"

namespace quillot {

std::string ProgramFilePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string IniPathFor(const std::string& programPath) {
    const size_t nameStart = FolderPart(programPath).size();
    const size_t dot = programPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return programPath + ".ini";
    return programPath.substr(0, dot) + ".ini";
}

std::string ProgramFolder() {
    std::string folder(FolderPart(ProgramFilePath()));
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

std::string SystemTempPath() {
    char buffer[260] = {};
    GetTempPathA(259, buffer);
    return buffer;
}

}  // namespace quillot
