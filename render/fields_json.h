// The --fields output of quillot-render: one JSON object per extracted field.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace quillot {

// Windows-1252 text as UTF-8 (the five unassigned bytes map to the C1 controls).
std::string Windows1252ToUtf8(std::string_view text);
// Valid UTF-8 passes unchanged; anything else is read as Windows-1252.
std::string FileNameToUtf8(std::string_view name);
// The UTF-8 text as a JSON string literal, quotes included.
std::string JsonString(std::string_view utf8);

// Writes PadFieldList as JSON Lines:
// {"file":..,"tag":..,"number":..,"section":..,"value":..,"short":..}
void WriteFieldsAsJsonLines(std::ostream& out, std::string_view fileName);

}  // namespace quillot
