#include "app/command_line.h"

#include <windows.h>

#include "reader/wide_text.h"

namespace quillot {

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (static_cast<unsigned char>(c) <= 0x20 && !quoted) {
            if (inWord && !word.empty()) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord && !word.empty()) words.push_back(word);
    return words;
}

std::vector<std::string> ProgramArguments() {
    // The wide command line holds every name whole; as UTF-8 it splits as
    // the single-byte one did, since blanks and quotes are the same bytes.
    std::vector<std::string> words = SplitCommandLine(WideToUtf8(GetCommandLineW()));
    if (!words.empty()) words.erase(words.begin());
    return words;
}

}  // namespace quillot
