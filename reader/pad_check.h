// The check of the current document against the PAD format's rules
// (pad_rules.h): which records break the rule of their element, which
// elements that must have a value have none, and which records belong to
// elements the format no longer has. The viewer's Check report and
// quillot-render --check both show it.
#pragma once

#include <cstddef>
#include <vector>

#include "reader/pad_document.h"
#include "reader/pad_rules.h"

namespace quillot {

enum class PadProblemKind {
    Invalid,  // a record whose value the rule rejects
    Missing,  // an element without records whose rule rejects the empty text
    Removed,  // a record of an element the format dropped; shown, not counted
};

struct PadProblem {
    PadProblemKind kind = PadProblemKind::Invalid;
    // The record (its texts are views into PadFieldList, valid until the list
    // changes); for a missing element only its tag number, the texts empty.
    PadField field;
    // The rule the record breaks or the element asks for; nullptr for Removed.
    const PadRule* rule = nullptr;
};

struct PadCheck {
    PadVersion version = PadVersion::Pad311;
    // The invalid and removed records in record order, then the missing
    // elements in the order of PadTagTable.
    std::vector<PadProblem> problems;

    // The invalid records and missing elements; removed records do not count.
    size_t ProblemCount() const;
};

// The rules of a document: PAD 4.0 when its MASTER_PAD_VERSION (as
// GetFieldValue answers with EnglishOnly off) begins with "4.", otherwise
// PAD 3.11.
PadVersion DocumentPadVersion();

// The rule that a record is checked against: its element's, except that in
// PAD 4.0 a Keywords record outside the language sections is checked as
// Press_Release/Keywords. nullptr for the dropped elements.
const PadRule* RuleForRecord(PadVersion version, const PadField& field);

// Checks every record of PadFieldList, in every language section, and every
// element of PadTagTable. Leaves EnglishOnly as it was.
PadCheck CheckPadDocument();

}  // namespace quillot
