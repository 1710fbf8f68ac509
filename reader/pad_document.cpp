#include "reader/pad_document.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

#include "reader/text_util.h"
#include "reader/vocabulary.h"

namespace quillot {

thread_local LineTable& SourceLines = *new LineTable;
thread_local TextEncoding SourceEncoding = TextEncoding::Windows1252;
thread_local FieldTable& PadFieldList = *new FieldTable;
thread_local bool EnglishOnly = false;
std::string TempFolder;

LineTable& CurrentSourceLines() {
    return SourceLines;
}

FieldTable& CurrentPadFieldList() {
    return PadFieldList;
}

void ReleaseThreadDocument() {
    delete &SourceLines;
    delete &PadFieldList;
}

DocumentState TakeCurrentDocument() {
    DocumentState document{std::move(SourceLines), SourceEncoding, std::move(PadFieldList),
                           EnglishOnly};
    SourceLines.Clear();
    SourceEncoding = TextEncoding::Windows1252;
    PadFieldList.Clear();
    EnglishOnly = false;
    return document;
}

void PutCurrentDocument(DocumentState&& document) {
    SourceLines = std::move(document.lines);
    SourceEncoding = document.encoding;
    PadFieldList = std::move(document.fields);
    EnglishOnly = document.englishOnly;
}

FieldTable::FieldTable() {
    sectionEnds_.push_back(0);
}

void FieldTable::Clear() {
    values_.clear();
    records_.clear();
    sectionText_.clear();
    sectionEnds_.assign(1, 0);
    indexed_ = false;
}

void FieldTable::Add(std::string_view value, std::string_view section, int32_t tagNumber,
                     int32_t isShort) {
    ClearPending();
    AppendToPending(value);
    StorePending(SectionFor(section), tagNumber, isShort);
}

PadField FieldTable::operator[](size_t i) const {
    const Record& record = records_[i];
    const size_t start = i == 0 ? 0 : records_[i - 1].valueEnd;
    return PadField{std::string_view(values_).substr(start, record.valueEnd - start),
                    SectionText(record.sectionAndShort & ~kShortBit), record.tagNumber,
                    (record.sectionAndShort & kShortBit) != 0 ? 1 : 0};
}

void FieldTable::KeepOfPending(size_t at, size_t size) {
    const size_t start = StoredEnd();
    if (at > 0) values_.erase(start, at);
    values_.resize(start + size);
}

void FieldTable::ReserveValues(size_t bytes) {
    if (bytes > values_.capacity()) values_.reserve(bytes);
}

uint32_t FieldTable::SectionFor(std::string_view name) {
    const auto last = static_cast<uint32_t>(sectionEnds_.size() - 1);
    if (SectionText(last) == name) return last;
    if (sectionEnds_.size() > ~kShortBit ||
        sectionText_.size() + name.size() > std::numeric_limits<uint32_t>::max()) {
        throw std::length_error("too many section names");
    }
    sectionText_.append(name);
    sectionEnds_.push_back(static_cast<uint32_t>(sectionText_.size()));
    return last + 1;
}

void FieldTable::StorePending(uint32_t section, int32_t tagNumber, int32_t isShort) {
    if (values_.size() > std::numeric_limits<uint32_t>::max()) {
        throw std::length_error("the values of the document are too long");
    }
    records_.push_back(Record{static_cast<uint32_t>(values_.size()),
                              section | (isShort != 0 ? kShortBit : 0), tagNumber});
    indexed_ = false;
}

std::string_view FieldTable::SectionText(uint32_t section) const {
    const uint32_t start = section == 0 ? 0 : sectionEnds_[section - 1];
    return std::string_view(sectionText_).substr(start, sectionEnds_[section] - start);
}

FieldTable::Positions FieldTable::PositionsOfTag(int32_t tagNumber) const {
    if (!indexed_) BuildTagIndex();
    if (tagNumber < 0 || static_cast<size_t>(tagNumber) + 1 >= tagStarts_.size() ||
        byTag_.empty()) {
        return Positions(nullptr, nullptr);
    }
    const uint32_t* positions = byTag_.data();
    return Positions(positions + tagStarts_[static_cast<size_t>(tagNumber)],
                     positions + tagStarts_[static_cast<size_t>(tagNumber) + 1]);
}

// A counting sort of the positions by tag: two passes, no growth.
void FieldTable::BuildTagIndex() const {
    int32_t highest = -1;
    size_t tagged = 0;
    for (const Record& record : records_) {
        highest = std::max(highest, record.tagNumber);
        tagged += record.tagNumber >= 0 ? 1 : 0;
    }
    tagStarts_.assign(static_cast<size_t>(highest + 1) + 1, 0);
    for (const Record& record : records_) {
        if (record.tagNumber >= 0) ++tagStarts_[static_cast<size_t>(record.tagNumber) + 1];
    }
    for (size_t t = 1; t < tagStarts_.size(); ++t)
        tagStarts_[t] += tagStarts_[t - 1];
    byTag_.assign(tagged, 0);
    std::vector<uint32_t> next(tagStarts_.begin(), tagStarts_.end() - 1);
    uint32_t position = 0;
    for (const Record& record : records_) {
        if (record.tagNumber >= 0) byTag_[next[static_cast<size_t>(record.tagNumber)]++] = position;
        ++position;
    }
    indexed_ = true;
}

std::string_view FieldValueView(std::string_view tagName) {
    const int32_t tag = FindPadTag(tagName);
    if (tag < 0) return {};
    const FieldTable::Positions positions = PadFieldList.PositionsOfTag(tag);
    for (uint32_t position : positions) {
        const PadField field = PadFieldList[position];
        if (field.Section.empty() || EqualsIgnoreAsciiCase(field.Section, "English")) {
            return TrimView(field.Value);
        }
    }
    if (positions.empty() || EnglishOnly) return {};
    return TrimView(PadFieldList[positions.back()].Value);
}

std::string GetFieldValue(std::string_view tagName) {
    return std::string(FieldValueView(tagName));
}

}  // namespace quillot
