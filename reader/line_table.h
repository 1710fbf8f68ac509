// SourceLines' storage: the text of all lines in one buffer, each followed by
// an LF (no line holds one), and where every 64th line starts. A document of
// any size thus loads whole in about the bytes of its file: at most twice
// them (a line for every byte), with a fraction of a byte of bookkeeping per
// line. Lines are read in order through begin() and end(); the index
// operator walks at most 63 lines from the nearest recorded start.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

class LineTable {
  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = const std::string_view&;

        Iterator() = default;
        Iterator(const char* at, const char* end);
        const std::string_view& operator*() const { return line_; }
        const std::string_view* operator->() const { return &line_; }
        Iterator& operator++();
        Iterator operator++(int);
        bool operator==(const Iterator& other) const { return at_ == other.at_; }
        bool operator!=(const Iterator& other) const { return at_ != other.at_; }

      private:
        const char* at_ = nullptr;  // the start of the current line
        const char* end_ = nullptr;
        std::string_view line_;
    };

    void Clear();
    size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    std::string_view operator[](size_t i) const;
    Iterator begin() const { return Iterator(text_.data(), text_.data() + stored_); }
    Iterator end() const { return Iterator(text_.data() + stored_, text_.data() + stored_); }

    // Stores the line as it is; it must not hold an LF.
    void Add(std::string_view line);

    // The line being collected lives behind the stored lines: AppendToOpenLine
    // adds bytes to it, EndOpenLine trims it and stores it when anything is
    // left, and DiscardOpenLine forgets it.
    void AppendToOpenLine(const char* data, size_t size) { text_.append(data, size); }
    void AppendToOpenLine(char c) { text_.push_back(c); }
    void EndOpenLine();
    // AppendToOpenLine and EndOpenLine in one, without storing the blanks
    // that the trimming would take off again.
    void EndOpenLineWith(const char* data, size_t size);
    void DiscardOpenLine();

    // Bytes of the stored lines, an LF after each counted.
    size_t TextBytes() const { return stored_; }
    // Makes room for that much text; never shrinks.
    void Reserve(size_t textBytes);

  private:
    static constexpr size_t kStride = 64;  // lines per recorded start

    void StoreOpenLine();  // the open line as it stands, LF appended

    std::string text_;
    size_t stored_ = 0;  // bytes of the stored lines, their LFs included
    size_t count_ = 0;
    std::vector<size_t> starts_;  // start of line k * kStride
};

}  // namespace quillot
