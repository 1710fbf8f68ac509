// Properties of the check against the PAD format's rules (pad_check.h) that
// every input must give, and the rules' verdicts held against std::regex.
// std::regex is used here only, never in the product: it reads \Z as a
// literal Z (so "\Z" becomes "$"), its "." also excludes CR, and narrow
// std::regex counts bytes, so it is asked only about short ASCII values
// without CR, on which its verdict is the published expression's.
#pragma once

#include <string_view>

#include "reader/pad_check.h"

namespace quillot::fuzz {

// The check of the current document lists, in this order, each record of a
// dropped element (removed), each other record whose rule rejects it
// (invalid), then each element of PadTagTable without records whose rule
// rejects the empty text (missing), and nothing else; its count is that of
// the invalid and missing ones. For each record that std::regex can judge,
// its verdict and the rule's agree.
void CheckPadCheck(const PadCheck& check);

// The verdict of one of the rules of both versions, chosen by `choice`, on
// the value agrees with std::regex's, when std::regex can judge it. (One a
// time: std::regex takes long enough that every rule on every input would
// slow the fuzzer down four times.)
void CheckRuleOnValue(size_t choice, std::string_view value);

}  // namespace quillot::fuzz
