#include "app/recent_files.h"

#include <windows.h>

#include <algorithm>

#include "reader/wide_text.h"
#include "settings/settings_store.h"
#include "settings/stored_name.h"

namespace quillot {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

size_t CharacterCount(std::string_view text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

// The first `count` characters of UTF-8 text, and the last.
std::string_view FirstCharacters(std::string_view text, size_t count) {
    size_t end = 0;
    for (size_t seen = 0; end < text.size(); ++end) {
        if (!IsContinuationByte(text[end]) && seen++ == count) break;
    }
    return text.substr(0, end);
}

std::string_view LastCharacters(std::string_view text, size_t count) {
    size_t begin = text.size();
    for (size_t seen = 0; begin > 0 && seen < count;) {
        --begin;
        if (!IsContinuationByte(text[begin])) ++seen;
    }
    return text.substr(begin);
}

constexpr std::string_view kEllipsis = "...";

std::string CutInTheMiddle(std::string_view text, size_t limit) {
    const size_t keep = limit > kEllipsis.size() ? limit - kEllipsis.size() : 0;
    const size_t front = (keep + 1) / 2;
    return std::string(FirstCharacters(text, front)) + std::string(kEllipsis) +
           std::string(LastCharacters(text, keep - front));
}

// Where the root ("C:\" or "\\server\share\") and the first folder after it
// end, or npos when the path has no such parts.
size_t HeadEnd(std::string_view path) {
    size_t from = path.substr(0, 2) == "\\\\" ? 2 : 0;
    for (int part = 0; part < 2; ++part) {
        const size_t slash = path.find('\\', from);
        if (slash == std::string_view::npos) return std::string_view::npos;
        from = slash + 1;
    }
    return from;
}

}  // namespace

void RecentFiles::Add(const std::string& path) {
    Remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > kCapacity) files_.resize(kCapacity);
}

void RecentFiles::Remove(const std::string& path) {
    files_.erase(
        std::remove_if(files_.begin(), files_.end(),
                       [&path](const std::string& file) { return SameFilePath(file, path); }),
        files_.end());
}

// Writing an empty text removes its key, so a shorter list leaves no keys of
// a longer one behind. A list edited by hand may name a file twice; it is
// kept once.
void RecentFiles::LoadSave(int32_t mode) {
    BeginSection("", "Recent", mode);
    std::vector<std::string> listed;
    for (size_t i = 0; i < kCapacity; ++i) {
        const std::string held = i < files_.size() ? StoredFileName(files_[i]) : std::string();
        const std::string stored = ExchangeString("File" + std::to_string(i + 1), held);
        if (!stored.empty()) listed.push_back(FileNameFromStored(stored));
    }
    files_.clear();
    for (const std::string& file : listed) {
        const bool known = std::any_of(files_.begin(), files_.end(), [&file](const std::string& f) {
            return SameFilePath(f, file);
        });
        if (!known) files_.push_back(file);
    }
}

bool SameFilePath(const std::string& a, const std::string& b) {
    return CompareStringOrdinal(Utf8ToWide(a).c_str(), -1, Utf8ToWide(b).c_str(), -1, TRUE) ==
           CSTR_EQUAL;
}

std::string ShortenedPath(std::string_view path, size_t limit) {
    if (CharacterCount(path) <= limit) return std::string(path);
    const size_t nameSlash = path.rfind('\\');
    const size_t headEnd = HeadEnd(path);
    if (nameSlash == std::string_view::npos || headEnd == std::string_view::npos ||
        headEnd > nameSlash) {
        return CutInTheMiddle(path, limit);
    }
    const std::string_view head = path.substr(0, headEnd);
    const auto fits = [&](size_t tail) {
        return CharacterCount(head) + kEllipsis.size() + CharacterCount(path.substr(tail)) <= limit;
    };
    size_t tail = nameSlash;
    if (!fits(tail)) return CutInTheMiddle(path, limit);
    for (;;) {
        const size_t before = path.rfind('\\', tail - 1);
        if (before == std::string_view::npos || before < headEnd || !fits(before)) break;
        tail = before;
    }
    return std::string(head) + std::string(kEllipsis) + std::string(path.substr(tail));
}

}  // namespace quillot
