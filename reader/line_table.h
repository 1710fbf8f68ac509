// SourceLines' storage: the text of all lines in one buffer with the end
// offset of each line, so a document of any size loads whole with about eight
// bytes of bookkeeping per line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

class LineTable {
  public:
    void Clear();
    size_t Count() const { return ends_.size(); }
    bool Empty() const { return ends_.empty(); }
    std::string_view operator[](size_t i) const;

    // Stores the line as it is.
    void Add(std::string_view line);

    // The line being collected lives behind the stored lines: AppendToOpenLine
    // adds bytes to it, EndOpenLine trims it and stores it when anything is
    // left, and DiscardOpenLine forgets it.
    void AppendToOpenLine(const char* data, size_t size) { text_.append(data, size); }
    void AppendToOpenLine(char c) { text_.push_back(c); }
    void EndOpenLine();
    void DiscardOpenLine();

    // Bytes held, for capacity planning.
    size_t TextBytes() const { return text_.size(); }
    // Makes room for that much text and that many lines; never shrinks.
    void Reserve(size_t textBytes, size_t lines);

  private:
    size_t StoredEnd() const { return ends_.empty() ? 0 : ends_.back(); }

    std::string text_;
    std::vector<size_t> ends_;
};

}  // namespace quillot
