#include "reader/pad_document.h"

#include "reader/text_util.h"
#include "reader/vocabulary.h"

namespace quillot {

LineTable SourceLines;
TextEncoding SourceEncoding = TextEncoding::Windows1252;
FieldTable PadFieldList;
bool EnglishOnly = false;
std::string TempFolder;

void FieldTable::Clear() {
    fields_.clear();
    for (auto& positions : positionsByTag_)
        positions.clear();
}

void FieldTable::Add(PadField field) {
    if (field.TagNumber >= 0) {
        const size_t tag = static_cast<size_t>(field.TagNumber);
        if (tag >= positionsByTag_.size()) positionsByTag_.resize(tag + 1);
        positionsByTag_[tag].push_back(fields_.size());
    }
    fields_.push_back(std::move(field));
}

const std::vector<size_t>& FieldTable::PositionsOfTag(int32_t tagNumber) const {
    static const std::vector<size_t> none;
    if (tagNumber < 0 || static_cast<size_t>(tagNumber) >= positionsByTag_.size()) return none;
    return positionsByTag_[static_cast<size_t>(tagNumber)];
}

std::string_view FieldValueView(std::string_view tagName) {
    const int32_t tag = FindPadTag(tagName);
    if (tag < 0) return {};
    const std::vector<size_t>& positions = PadFieldList.PositionsOfTag(tag);
    for (size_t position : positions) {
        const PadField& field = PadFieldList[position];
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
