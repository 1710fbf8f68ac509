// How a file name is kept in the INI file ("fName", which is also the
// hand-over channel of a second start, and "LogPath"). The file is text in
// the ANSI code page, and older versions of the program read it: a name that
// code page holds exactly is stored as its bytes in that code page, as it
// always was. Any other name is stored as the marker "<utf-8>" followed by
// its UTF-8 bytes with every byte from 0x80 up and every "%" written as "%"
// and two upper-case hexadecimal digits: plain ASCII text that every version
// reads back unchanged. "<" cannot begin a file name, so an older version
// shows such a name as a file that does not exist. A name that begins with
// the marker itself is stored in the marked form too, so every name reads
// back as it was stored.
#pragma once

#include <string>
#include <string_view>

namespace quillot {

constexpr std::string_view StoredNameMarker = "<utf-8>";

// The stored form of a UTF-8 file name.
std::string StoredFileName(std::string_view name);

// The UTF-8 file name of a stored form (as read from the INI file).
std::string FileNameFromStored(std::string_view stored);

}  // namespace quillot
