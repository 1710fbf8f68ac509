// Windows only: text between the program's two kinds of strings and the
// system's UTF-16 ("W") calls. File names and paths are UTF-8 inside the
// program (file_names.h); other texts, such as settings values and the
// document's own text, stay in the ANSI code page as they always were.
#pragma once

#include <string>
#include <string_view>

namespace quillot {

// UTF-8 to UTF-16 and back; an invalid sequence becomes U+FFFD.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// ANSI code page text to UTF-16 and back; a character the code page lacks
// becomes its default character.
std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);

// A UTF-16 text of at most `size` units from a buffer the system filled,
// ending at its first NUL.
std::wstring WideFromBuffer(const wchar_t* buffer, size_t size);

}  // namespace quillot
