// The --check output of quillot-render: one JSON line per file, in UTF-8.
#pragma once

#include <ostream>
#include <string_view>

#include "reader/pad_check.h"

namespace quillot {

// {"file":..,"version":"3.11","encoding":"UTF-8","problems":[{"tag":..,
// "section":..,"value":..,"problem":"invalid","expected":..},...]}: the
// check of the current document, its problems in their order. A missing
// element has an empty section and value; a removed one expects "".
void WriteCheckAsJsonLine(std::ostream& out, std::string_view fileName, const PadCheck& check);
// {"file":..,"error":..}: a file that could not be checked.
void WriteCheckErrorLine(std::ostream& out, std::string_view fileName, std::string_view error);

}  // namespace quillot
