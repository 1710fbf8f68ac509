#include "bench/bench_files.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "bench/pad_generator.h"

namespace fs = std::filesystem;

namespace quillot::bench {
namespace {

void RemoveScratchFolder() {
    std::error_code ignored;
    fs::remove_all(ScratchFolder(), ignored);
}

}  // namespace

const std::string& ScratchFolder() {
    // Never destroyed, so that RemoveScratchFolder can still read it at exit.
    static const std::string& folder = *new std::string([] {
        const char* tmp = getenv("TMPDIR");
        std::string pattern =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/quillot-bench-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        atexit(RemoveScratchFolder);
        return pattern + "/";
    }());
    return folder;
}

std::string NewScratchFolder(const std::string& name) {
    const std::string folder = ScratchFolder() + name + "/";
    fs::create_directories(folder);
    return folder;
}

std::string CorpusPath(const std::string& name) {
    return std::string(QUILLOT_CORPUS_DIR) + "/" + name;
}

const std::vector<std::string>& CorpusFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(QUILLOT_CORPUS_DIR)) {
            if (entry.path().extension() == ".xml") found.push_back(entry.path().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }();
    return files;
}

const std::vector<std::string>& CopiedCorpusFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> copies;
        for (int copy = 1; copy <= CorpusCopies; ++copy) {
            const std::string folder = NewScratchFolder(
                std::string("corpus-copies/") + (copy < 10 ? "0" : "") + std::to_string(copy));
            for (const std::string& file : CorpusFiles()) {
                const std::string target = folder + fs::path(file).filename().string();
                fs::copy_file(file, target);
                copies.push_back(target);
            }
        }
        return copies;
    }();
    return files;
}

const std::string& GeneratedFile(size_t megabytes) {
    static std::map<size_t, std::string> files;
    auto it = files.find(megabytes);
    if (it == files.end()) {
        const std::string path =
            ScratchFolder() + "generated_" + std::to_string(megabytes) + "MB.xml";
        WritePadFile(path, megabytes << 20);
        it = files.emplace(megabytes, path).first;
    }
    return it->second;
}

const std::string& ShapeFile(MemoryShape shape, size_t bytes) {
    static std::map<std::pair<MemoryShape, size_t>, std::string> files;
    auto it = files.find({shape, bytes});
    if (it == files.end()) {
        const std::string path = ScratchFolder() + "shape_" +
                                 std::to_string(static_cast<int>(shape)) + "_" +
                                 std::to_string(bytes) + ".xml";
        WriteTextFile(path, GenerateShapeText(shape, bytes));
        it = files.emplace(std::make_pair(shape, bytes), path).first;
    }
    return it->second;
}

const std::string& EmptyFile() {
    static const std::string path = [] {
        const std::string empty = ScratchFolder() + "empty.xml";
        WriteTextFile(empty, "");
        return empty;
    }();
    return path;
}

size_t FileSize(const std::string& path) {
    return static_cast<size_t>(fs::file_size(path));
}

const char* QuillotRenderPath() {
    return QUILLOT_RENDER_PATH;
}

}  // namespace quillot::bench
