// Turns SourceLines into PadFieldList: recognises the start and end tags of
// the known PAD elements, collects their text across lines, decodes character
// entities and notes the language section of Program_Descriptions. A
// forgiving line scanner, not an XML parser: it never rejects a file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "reader/text_encoding.h"

namespace quillot {

void ExtractPadFields();
void AddPadField(std::string_view value, std::string_view section, int32_t tagNumber,
                 int32_t isShort);

// Replaces the named character entities of EntityTable in the text, and the
// numeric character references ("&#252;", "&#xFC;") of characters that the
// text's encoding can hold, by their bytes in that encoding.
std::string DecodeEntities(std::string_view text,
                           TextEncoding encoding = TextEncoding::Windows1252);
// The same in place, for `size` bytes at `text`; returns the new size.
size_t DecodeEntitiesInPlace(char* text, size_t size, TextEncoding encoding);

}  // namespace quillot
