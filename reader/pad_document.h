// The reader's model of the current document and its lookups. Each load
// rebuilds SourceLines and PadFieldList. The current document is the calling
// thread's own: in the viewer that is the one document of the program, and a
// program that renders documents on several threads at once (quillot-render)
// gives each thread a document of its own without further ado.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "reader/line_table.h"
#include "reader/text_encoding.h"

namespace quillot {

// One occurrence of a known PAD element in the current document, as
// PadFieldList hands it out: the texts are views into the list's storage,
// valid until the list changes.
struct PadField {
    std::string_view Value;    // trimmed, never empty, entities decoded, lines joined by CR
    std::string_view Section;  // language section inside Program_Descriptions, else empty
    int32_t TagNumber = 0;     // index of the element's name in PadTagTable
    int32_t IsShort = 0;       // 1: shown beside its label in the All-fields view
};

// PadFieldList's storage, compact because a file may hold a field every few
// bytes: the values one after the other in one text; the section names, each
// kept once for the run of records that share it; per record 12 bytes (where
// its value ends, its section, its short mark and tag number) in blocks that
// never move when more are added. Lookups by tag go through an index of the
// positions by tag, built when first asked for after a change.
//
// The value of the next record is collected in place, behind the stored
// values, so that storing it costs no copy, even when it fills a whole file.
class FieldTable {
  public:
    // Positions of the records with one tag number, ascending.
    class Positions {
      public:
        Positions(const uint32_t* first, const uint32_t* last) : first_(first), last_(last) {}
        const uint32_t* begin() const { return first_; }
        const uint32_t* end() const { return last_; }
        bool empty() const { return first_ == last_; }
        size_t size() const { return static_cast<size_t>(last_ - first_); }
        uint32_t front() const { return *first_; }
        uint32_t back() const { return last_[-1]; }

      private:
        const uint32_t* first_;
        const uint32_t* last_;
    };

    class Iterator {
      public:
        Iterator(const FieldTable* table, size_t position) : table_(table), position_(position) {}
        PadField operator*() const { return (*table_)[position_]; }
        Iterator& operator++() {
            ++position_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return position_ != other.position_; }
        bool operator==(const Iterator& other) const { return position_ == other.position_; }

      private:
        const FieldTable* table_;
        size_t position_;
    };

    FieldTable();
    void Clear();
    // Stores a record (the pending value, if any, is dropped).
    void Add(std::string_view value, std::string_view section, int32_t tagNumber, int32_t isShort);
    size_t Count() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    PadField operator[](size_t i) const;
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, records_.size()); }

    Positions PositionsOfTag(int32_t tagNumber) const;

    // The pending value: the text collected for the next record.
    std::string_view Pending() const { return std::string_view(values_).substr(StoredEnd()); }
    void AppendToPending(std::string_view text) { values_.append(text); }
    void AppendToPending(char c) { values_.push_back(c); }
    // Replaces the pending value by `size` bytes of it from `at` on.
    void KeepOfPending(size_t at, size_t size);
    void ErasePending(size_t at, size_t size) { values_.erase(StoredEnd() + at, size); }
    void ClearPending() { values_.resize(StoredEnd()); }
    // The pending value's bytes, to be changed in place (for decoding).
    char* PendingData() { return &values_[StoredEnd()]; }
    // Makes room for that much value text in all, so that it never moves.
    void ReserveValues(size_t bytes);
    // The section to store with the next records: the name is compared with
    // the last one stored, and kept once more only when it differs.
    uint32_t SectionFor(std::string_view name);
    // Stores the pending value as a record.
    void StorePending(uint32_t section, int32_t tagNumber, int32_t isShort);

  private:
    struct Record {
        uint32_t valueEnd;         // the value starts where the previous record's ends
        uint32_t sectionAndShort;  // the section's number, the short mark in the top bit
        int32_t tagNumber;
    };
    static constexpr uint32_t kShortBit = 0x80000000u;

    size_t StoredEnd() const { return records_.empty() ? 0 : records_.back().valueEnd; }
    std::string_view SectionText(uint32_t section) const;
    void BuildTagIndex() const;

    std::string values_;
    std::deque<Record> records_;
    std::string sectionText_;           // the section names, one after the other
    std::deque<uint32_t> sectionEnds_;  // where each name ends; name 0 is the empty one

    mutable bool indexed_ = false;
    mutable std::vector<uint32_t> byTag_;      // positions ordered by tag, then position
    mutable std::vector<uint32_t> tagStarts_;  // tag t: byTag_[tagStarts_[t], tagStarts_[t + 1])
};

// The document tables of a thread are made on its first use of them and
// live as long as the thread; a thread other than the first one calls
// ReleaseThreadDocument as its last step. (They are references rather than
// objects: with the emulated thread-local storage of MinGW, a thread-local
// object's destructor may run after its storage was freed at thread exit.)

// The lines of the current document (filled by ReadSourceLines).
extern thread_local LineTable& SourceLines;
// How the current document's text is encoded, decided from its whole file as
// it is read. Single-byte until a file has been read to its end.
extern thread_local TextEncoding SourceEncoding;
// The fields of the current document (filled by ExtractPadFields).
extern thread_local FieldTable& PadFieldList;
// While on, GetFieldValue answers only fields outside Program_Descriptions or
// in its English section.
extern thread_local bool EnglishOnly;
// The folder, ending in "\", that receives the three report files.
extern std::string TempFolder;

// The calling thread's SourceLines and PadFieldList, for code that uses them
// at every step of a loop: each use of a per-thread name looks the thread's
// object up, a reference from here is looked up once.
LineTable& CurrentSourceLines();
FieldTable& CurrentPadFieldList();
// Gives back the calling thread's document tables; the thread must not use
// them afterwards.
void ReleaseThreadDocument();

// The current document as a whole, to be handed from the thread that read it
// to another: TakeCurrentDocument moves it out of the calling thread (which is
// left with an empty document), PutCurrentDocument makes it the calling
// thread's own.
struct DocumentState {
    LineTable lines;
    TextEncoding encoding = TextEncoding::Windows1252;
    FieldTable fields;
    bool englishOnly = false;
};
DocumentState TakeCurrentDocument();
void PutCurrentDocument(DocumentState&& document);

// The display value of a tag of the current document, or empty text.
std::string GetFieldValue(std::string_view tagName);
// The same, as a view into PadFieldList (valid until the list changes).
std::string_view FieldValueView(std::string_view tagName);

}  // namespace quillot
