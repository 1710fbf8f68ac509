// Small single-byte string routines of the shell dialogs: a bounded copy into
// a character buffer, the extension of a file name, and a substring search
// with 1-based positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillot {

// Copies at most `maxChars` characters of `text` into `buffer` and ends it
// with a NUL; `buffer` must hold maxChars + 1 bytes.
void CopyBounded(char* buffer, std::string_view text, size_t maxChars);

// The extension of a file name, with its dot: from the last "." that follows
// the last ":" or "\"; empty when there is none.
std::string FileExtension(std::string_view fileName);

// Position (1-based) of the first occurrence of `part` in `text` at or after
// position `start`, or 0. An empty `part` is never found.
int32_t FindTextFrom(std::string_view part, std::string_view text, int32_t start);

}  // namespace quillot
