#include "settings/settings_store.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "reader/wide_text.h"
#include "settings/message_box.h"

namespace quillot {

std::string DefaultIniFile;
std::string CurrentIniFile;
std::string CurrentSection;
int32_t CurrentMode = 0;
bool WriteErrorShown = false;

namespace {

// Section and key that EndSection(4) leaves the store reading.
constexpr char ParkingName[] = "x@#x";

}  // namespace

void BeginSection(const std::string& file, const std::string& section, int32_t mode) {
    if (!file.empty()) CurrentIniFile = file;
    CurrentSection = section;
    if (mode == ReplaceMode) {
        EraseSection();
        CurrentMode = WriteMode;
    } else {
        CurrentMode = mode;
    }
}

std::string ExchangeString(const std::string& key, const std::string& value) {
    switch (CurrentMode) {
        case ReadMode:
            return ReadKey(CurrentSection, key, value);
        case WriteMode:
            WriteKey(CurrentSection, key, value);
            return value;
        default:
            return value;
    }
}

int32_t ExchangeInt(const std::string& key, int32_t value) {
    switch (CurrentMode) {
        case ReadMode: {
            int32_t stored = 0;
            if (ParseIniInteger(ReadKey(CurrentSection, key, ""), stored)) return stored;
            return value;
        }
        case WriteMode:
            WriteKey(CurrentSection, key, std::to_string(value));
            return value;
        default:
            return value;
    }
}

bool ExchangeBool(const std::string& key, bool value) {
    switch (CurrentMode) {
        case ReadMode:
            return ExchangeInt(key, value ? 1 : 0) != 0;
        case WriteMode:
            WriteKey(CurrentSection, key, value ? "1" : "0");
            return value;
        default:
            return value;
    }
}

void EndSection(int32_t flag) {
    CurrentIniFile = DefaultIniFile;
    if (flag == 4) {
        BeginSection("", ParkingName, ReadMode);
        ExchangeString(ParkingName, ";");
    }
}

// The file's path is UTF-8, as every path of the program; sections, keys and
// values are texts in the ANSI code page, as the file holds them (a file
// without a byte-order mark is read and written in that code page by the
// wide calls as by the single-byte ones), so values read and written here are
// the same bytes as ever. Names that code page cannot hold are stored in a
// form of their own (stored_name.h).
std::string ReadKey(const std::string& section, const std::string& key,
                    const std::string& defaultValue) {
    std::vector<wchar_t> buffer(IniReadBufferSize);
    const DWORD length = GetPrivateProfileStringW(
        AnsiToWide(section).c_str(), AnsiToWide(key).c_str(), AnsiToWide(defaultValue).c_str(),
        buffer.data(), static_cast<DWORD>(buffer.size()), Utf8ToWide(CurrentIniFile).c_str());
    return WideToAnsi(std::wstring_view(buffer.data(), length));
}

void WriteKey(const std::string& section, const std::string& key, const std::string& value) {
    const std::wstring wideValue = AnsiToWide(value);
    const wchar_t* stored = value.empty() ? nullptr : wideValue.c_str();
    if (WritePrivateProfileStringW(AnsiToWide(section).c_str(), AnsiToWide(key).c_str(), stored,
                                   Utf8ToWide(CurrentIniFile).c_str())) {
        return;
    }
    if (WriteErrorShown) return;
    ShowMessageBox(GetTopWindow(nullptr), "IniFile WriteError", "In File: " + CurrentIniFile,
                   MB_ICONSTOP | MB_OKCANCEL);
    WriteErrorShown = true;
}

void EraseSection() {
    WritePrivateProfileStringW(AnsiToWide(CurrentSection).c_str(), nullptr, nullptr,
                               Utf8ToWide(CurrentIniFile).c_str());
}

}  // namespace quillot
