// Properties of SourceLines and PadFieldList that every input must give,
// whatever its bytes: the shape of the lines that the extractor relies on and
// the shape of the records that the report views rely on.
#pragma once

#include <string>
#include <vector>

namespace quillot::fuzz {

// SourceLines as the count and the lines each followed by an LF, to compare
// two splittings of the same bytes.
struct LinesSnapshot {
    size_t count = 0;
    std::string text;
};
void SnapshotSourceLines(LinesSnapshot& snapshot);

// In one walk over SourceLines: every line trimmed, not empty, free of CR and
// LF, with at most one "<", standing first; the lines equal to those of the
// snapshot (another splitting of the same bytes); and FindPadTag and
// FindEntity answering, for the tag names and entity names of the lines, what
// a scan of their tables in order answers.
void CheckSourceLines(const LinesSnapshot& other);

// Every record with a trimmed, non-empty value free of LF, a known tag number,
// an IsShort of 0 or 1 (1 for every value shorter than 80 characters), and no
// more records than lines. FieldValueView answers trimmed text for the tag of
// every record, whatever the letter case of its name and of EnglishOnly, and
// empty text for every other tag.
void CheckFieldShape();

// FindPadTag finds every name of PadTagTable, also in lower case, as a scan
// of the table does; the answers depend on the table alone, so once is enough.
void CheckTagNameLookups();

}  // namespace quillot::fuzz
