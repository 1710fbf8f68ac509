#include "reader/line_table.h"

#include "reader/text_util.h"

namespace quillot {

void LineTable::Clear() {
    text_.clear();
    ends_.clear();
}

std::string_view LineTable::operator[](size_t i) const {
    size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
}

void LineTable::Add(std::string_view line) {
    DiscardOpenLine();
    text_.append(line);
    ends_.push_back(text_.size());
}

void LineTable::EndOpenLine() {
    const size_t start = StoredEnd();
    std::string_view open = std::string_view(text_).substr(start);
    std::string_view trimmed = TrimView(open);
    if (trimmed.empty()) {
        text_.resize(start);
        return;
    }
    const size_t lead = static_cast<size_t>(trimmed.data() - open.data());
    if (lead > 0) text_.erase(start, lead);
    text_.resize(start + trimmed.size());
    ends_.push_back(text_.size());
}

void LineTable::DiscardOpenLine() {
    text_.resize(StoredEnd());
}

void LineTable::Reserve(size_t textBytes, size_t lines) {
    if (textBytes > text_.capacity()) text_.reserve(textBytes);
    if (lines > ends_.capacity()) ends_.reserve(lines);
}

}  // namespace quillot
