#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "render/render_platform.h"

namespace quillot {

const char ReportFolderSeparator = '/';

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

std::string ViewerPath(const std::string& file) {
    std::string path = file;
    if (path.empty() || path[0] != '/') {
        char cwd[PATH_MAX];
        if (getcwd(cwd, sizeof cwd) != nullptr) path = std::string(cwd) + "/" + path;
    }
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StoredFolderName(std::string name) {
    return name;
}

bool MakeFolders(const std::string& folder) {
    struct stat st;
    if (folder.empty() || stat(folder.c_str(), &st) == 0)
        return !folder.empty() && S_ISDIR(st.st_mode);
    const size_t slash = folder.find_last_of('/', folder.size() - 2);
    if (slash != std::string::npos && slash > 0) MakeFolders(folder.substr(0, slash));
    return mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST;
}

FolderCreation CreateFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0777) == 0) return FolderCreation::Created;
    struct stat st;
    return errno == EEXIST && stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode)
               ? FolderCreation::Existed
               : FolderCreation::Failed;
}

std::optional<FolderId> FolderIdentity(const std::string& folder) {
    struct stat st;
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return FolderId(static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino));
}

FontMetrics QueryFontMetrics(const std::string&) {
    return FontMetrics::Answered(ArialPitchAndFamily);
}

}  // namespace quillot
