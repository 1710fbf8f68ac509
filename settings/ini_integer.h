// The settings store's integer syntax, kept apart from the store (standard
// C++ only) so that every build tree builds it, the fuzz tree too.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillot {

// Blanks, sign, decimal digits or "$" and hexadecimal digits, the whole text
// consumed, 32-bit range. A text that does not parse leaves `value` alone.
bool ParseIniInteger(std::string_view text, int32_t& value);

}  // namespace quillot
