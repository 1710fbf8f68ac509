// Whether a value keeps to a rule of the PAD format (pad_rules.h), decided
// from the rule's shape in one pass over the value, or a few: in time linear
// in its length, with no regular expression engine and no recursion.
#pragma once

#include <string_view>

#include "reader/pad_rules.h"
#include "reader/text_encoding.h"

namespace quillot {

// True when the whole value matches the rule's expression as a regular
// expression engine would match it with these meanings: a character is a
// code point (DocumentCharacterAt: in UTF-8 text each valid sequence counts
// once, also one beyond U+FFFF; any other byte is its Windows-1252
// character), "\xNN" is U+00NN, "\d" is [0-9], letter case counts, "." is
// any character but LF, and ^ ... \Z span the whole value.
bool PadRuleAccepts(const PadRule& rule, std::string_view value, TextEncoding encoding);

}  // namespace quillot
