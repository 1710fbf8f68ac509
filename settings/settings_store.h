// The INI-file layer through which every part of the program loads and saves
// its settings. One routine per owner serves both directions: BeginSection
// picks a section and a mode, each Exchange* call passes the value held now
// and gets back the value to hold (the stored one in ReadMode, the passed one
// in WriteMode), EndSection closes the exchange. Every read and write is one
// call of the platform's profile API on the file by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/ini_integer.h"

namespace quillot {

constexpr int32_t ReadMode = 1;
constexpr int32_t WriteMode = 2;
constexpr int32_t ReplaceMode = 4;  // erase the section, then write

// Module state, one set per process.
extern std::string DefaultIniFile;  // set once by InitSettingsAndTrace
extern std::string CurrentIniFile;  // the file the next read or write uses
extern std::string CurrentSection;
extern int32_t CurrentMode;  // 0 at start: exchanges do nothing
extern bool WriteErrorShown;

// `file` empty: keep CurrentIniFile.
void BeginSection(const std::string& file, const std::string& section, int32_t mode);
std::string ExchangeString(const std::string& key, const std::string& value);
int32_t ExchangeInt(const std::string& key, int32_t value);
bool ExchangeBool(const std::string& key, bool value);
// Back to DefaultIniFile; with flag 4 the store is left reading section "x@#x".
void EndSection(int32_t flag);

// ReadKey's buffer: at most 16000 characters of a stored text are read.
constexpr size_t IniReadBufferSize = 16001;

std::string ReadKey(const std::string& section, const std::string& key,
                    const std::string& defaultValue);
// An empty value removes the key. The first failure of the process shows
// "IniFile WriteError"; later ones are silent.
void WriteKey(const std::string& section, const std::string& key, const std::string& value);
// Removes CurrentSection of CurrentIniFile with all its keys.
void EraseSection();

}  // namespace quillot
