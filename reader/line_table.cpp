#include "reader/line_table.h"

#include <cstring>

#include "reader/text_util.h"

namespace quillot {
namespace {

const char* LineEnd(const char* at, const char* end) {
    const void* lf = std::memchr(at, LF, static_cast<size_t>(end - at));
    return lf != nullptr ? static_cast<const char*>(lf) : end;
}

}  // namespace

LineTable::Iterator::Iterator(const char* at, const char* end) : at_(at), end_(end) {
    if (at_ != end_) line_ = std::string_view(at_, static_cast<size_t>(LineEnd(at_, end_) - at_));
}

LineTable::Iterator& LineTable::Iterator::operator++() {
    at_ += line_.size() + 1;
    line_ = at_ != end_ ? std::string_view(at_, static_cast<size_t>(LineEnd(at_, end_) - at_))
                        : std::string_view();
    return *this;
}

LineTable::Iterator LineTable::Iterator::operator++(int) {
    Iterator before = *this;
    ++*this;
    return before;
}

void LineTable::Clear() {
    text_.clear();
    stored_ = 0;
    count_ = 0;
    starts_.clear();
}

std::string_view LineTable::operator[](size_t i) const {
    Iterator line(text_.data() + starts_[i / kStride], text_.data() + stored_);
    for (size_t skip = i % kStride; skip > 0; --skip)
        ++line;
    return *line;
}

void LineTable::Add(std::string_view line) {
    DiscardOpenLine();
    text_.append(line);
    StoreOpenLine();
}

void LineTable::EndOpenLine() {
    std::string_view open = std::string_view(text_).substr(stored_);
    std::string_view trimmed = TrimView(open);
    if (trimmed.empty()) {
        text_.resize(stored_);
        return;
    }
    const size_t lead = static_cast<size_t>(trimmed.data() - open.data());
    if (lead > 0) text_.erase(stored_, lead);
    text_.resize(stored_ + trimmed.size());
    StoreOpenLine();
}

void LineTable::EndOpenLineWith(const char* data, size_t size) {
    // The piece's trailing blanks go at once; when that leaves nothing, the
    // trimming reaches into the open line, as EndOpenLine does it.
    while (size > 0 && IsBlank(data[size - 1]))
        --size;
    if (text_.size() == stored_) {  // nothing open: the leading blanks go too
        size_t lead = 0;
        while (lead < size && IsBlank(data[lead]))
            ++lead;
        if (lead == size) return;
        text_.append(data + lead, size - lead);
        StoreOpenLine();
        return;
    }
    text_.append(data, size);
    EndOpenLine();
}

void LineTable::StoreOpenLine() {
    if (count_ % kStride == 0) starts_.push_back(stored_);
    text_.push_back(LF);
    stored_ = text_.size();
    ++count_;
}

void LineTable::DiscardOpenLine() {
    text_.resize(stored_);
}

void LineTable::Reserve(size_t textBytes) {
    if (textBytes > text_.capacity()) text_.reserve(textBytes);
}

}  // namespace quillot
