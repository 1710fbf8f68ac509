// The documents the user opened last, most recent first, at most eight and
// each once, for the File menu; kept in section "Recent" of the INI file as
// "File1" to "File8", in the stored form of file names (stored_name.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

class RecentFiles {
  public:
    static constexpr size_t kCapacity = 8;

    // Full paths, UTF-8.
    const std::vector<std::string>& Files() const { return files_; }
    // The file heads the list; the same file listed before leaves its place.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    // Loads (ReadMode) or saves (WriteMode) the list, as every owner of
    // settings does: one exchange per key in either direction.
    void LoadSave(int32_t mode);

  private:
    std::vector<std::string> files_;
};

// The most characters of a path that the File menu shows.
constexpr size_t RecentMenuPathCharacters = 60;

// Two full paths name the same file when they are equal ignoring case as
// the file system compares names (CompareStringOrdinal).
bool SameFilePath(const std::string& a, const std::string& b);

// The path, shortened in the middle to at most `limit` characters: its root
// and first folder, "...", and as many of its last parts as fit, at least
// the file name. When not even that fits, the path is cut in the middle.
std::string ShortenedPath(std::string_view path, size_t limit);

}  // namespace quillot
