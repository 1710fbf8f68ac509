// The --fields output of quillot-render: one JSON object per extracted field.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "reader/text_encoding.h"

namespace quillot {

// Document text as UTF-8: single-byte text decoded from Windows-1252; UTF-8
// text as it stands, except that a byte outside a valid sequence (one that a
// named entity gave, say) is decoded from Windows-1252.
std::string DocumentTextToUtf8(std::string_view text, TextEncoding encoding);
// Valid UTF-8 passes unchanged; anything else is read as Windows-1252.
std::string FileNameToUtf8(std::string_view name);
// Appends document text to `out` as the inside of a JSON string literal in
// UTF-8: DocumentTextToUtf8, then escaped as JsonString escapes, in one pass.
void AppendJsonText(std::string& out, std::string_view text, TextEncoding encoding);
// The UTF-8 text as a JSON string literal, quotes included.
std::string JsonString(std::string_view utf8);

// Writes PadFieldList as JSON Lines, the text in UTF-8:
// {"file":..,"tag":..,"number":..,"section":..,"value":..,"short":..,"encoding":..}
// with "UTF-8" or "Windows-1252" as the document's encoding.
void WriteFieldsAsJsonLines(std::ostream& out, std::string_view fileName);

}  // namespace quillot
