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

std::string FullPathName(const std::string& name) {
    const std::wstring wide = Utf8ToWide(name);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length =
        GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) return std::string();
    full.resize(length);
    return WideToUtf8(full);
}

}  // namespace quillot
