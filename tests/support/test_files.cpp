#include "tests/support/test_files.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace quillot::test {

#ifdef _WIN32
const char Separator = '\\';
#else
const char Separator = '/';
#endif

namespace {

std::string Native(std::string path) {
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

fs::path PathOf(const std::string& utf8) {
    return fs::u8path(utf8);
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == Separator) return folder + name;
    return folder + Separator + name;
}

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path candidate = base / ("quillot-test-" + std::to_string(stamp % 100000000) + "-" +
                                     std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            path_ = Native(candidate.u8string());
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(PathOf(path_), ignored);
}

std::string TempFolder::Write(const std::string& name, std::string_view bytes) const {
    std::string path = File(name);
    WriteWholeFile(path, bytes);
    return path;
}

std::string TempFolder::MakeFolder(const std::string& name) const {
    std::string path = File(name);
    fs::create_directory(PathOf(path));
    return path;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

bool FileExistsForTest(const std::string& path) {
    std::error_code ignored;
    return fs::is_regular_file(PathOf(path), ignored);
}

std::string CorpusPath(const std::string& name) {
    return Native(QUILLOT_CORPUS_DIR "/" + name);
}

std::string SourcePath(const std::string& relative) {
    return Native(QUILLOT_SOURCE_DIR "/" + relative);
}

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(fs::path(Native(QUILLOT_CORPUS_DIR)))) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.substr(name.size() - 4) == ".xml")
            files.push_back(CorpusPath(name));
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> SplitCrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            lines.push_back("<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace quillot::test
