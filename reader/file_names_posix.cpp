#include "reader/file_names.h"
#include "reader/text_encoding.h"

namespace quillot {

bool AnsiFileName(std::string_view utf8Name, std::string& ansiName) {
    return Utf8ToWindows1252(utf8Name, ansiName);
}

std::string FileNameFromAnsi(std::string_view ansiName) {
    return Windows1252ToUtf8(ansiName);
}

}  // namespace quillot
