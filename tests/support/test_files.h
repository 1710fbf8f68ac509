// Files and folders for tests: temporary folders that clean up after
// themselves, whole-file reads and writes, and the real PAD corpus. Paths are
// UTF-8, as the program's are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillot::test {

// The platform's path separator ("\" on Windows).
extern const char Separator;

std::string JoinPath(const std::string& folder, const std::string& name);

// A fresh, empty temporary folder, removed with its content at destruction.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() with the separator at its end.
    std::string PathWithSeparator() const { return path_ + Separator; }
    std::string File(const std::string& name) const { return JoinPath(path_, name); }
    // Writes the bytes as the named file and returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const;
    // Creates the named folder inside this one and returns its path.
    std::string MakeFolder(const std::string& name) const;

  private:
    std::string path_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, std::string_view bytes);
bool FileExistsForTest(const std::string& path);

// The real PAD files bundled with the tests.
std::string CorpusPath(const std::string& name);
std::vector<std::string> CorpusFiles();  // full paths, sorted
std::string SourcePath(const std::string& relative);

// Splits a report into its lines (each must end in CR LF; a missing CR LF at
// the end shows as a last line "<no CR LF>").
std::vector<std::string> SplitCrLfLines(const std::string& text);

}  // namespace quillot::test
