// The reader's model of the current document and its lookups. All of it
// exists once per program; each load rebuilds SourceLines and PadFieldList.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reader/line_table.h"
#include "reader/text_encoding.h"

namespace quillot {

// One occurrence of a known PAD element in the current document.
struct PadField {
    std::string Value;      // trimmed, never empty, entities decoded, lines joined by CR
    std::string Section;    // language section inside Program_Descriptions, else empty
    int32_t TagNumber = 0;  // index of the element's name in PadTagTable
    int32_t IsShort = 0;    // 1: shown beside its label in the All-fields view
};

// PadFieldList's storage: the records in file order plus, per tag number, the
// positions of that tag's records, so lookups by tag do not walk the whole list.
class FieldTable {
  public:
    void Clear();
    void Add(PadField field);
    size_t Count() const { return fields_.size(); }
    bool Empty() const { return fields_.empty(); }
    const PadField& operator[](size_t i) const { return fields_[i]; }
    std::vector<PadField>::const_iterator begin() const { return fields_.begin(); }
    std::vector<PadField>::const_iterator end() const { return fields_.end(); }

    // Positions of the records with this tag number, ascending.
    const std::vector<size_t>& PositionsOfTag(int32_t tagNumber) const;

  private:
    std::vector<PadField> fields_;
    std::vector<std::vector<size_t>> positionsByTag_;
};

// The lines of the current document (filled by ReadSourceLines).
extern LineTable SourceLines;
// How the current document's text is encoded, decided from its whole file as
// it is read. Single-byte until a file has been read to its end.
extern TextEncoding SourceEncoding;
// The fields of the current document (filled by ExtractPadFields).
extern FieldTable PadFieldList;
// While on, GetFieldValue answers only fields outside Program_Descriptions or
// in its English section.
extern bool EnglishOnly;
// The folder, ending in "\", that receives the three report files.
extern std::string TempFolder;

// The display value of a tag of the current document, or empty text.
std::string GetFieldValue(std::string_view tagName);
// The same, as a view into PadFieldList (valid until the list changes).
std::string_view FieldValueView(std::string_view tagName);

}  // namespace quillot
