// Diagnostics: the one-time start-up call that fixes the INI file, the
// developer switch, and trace lines to a log file or an external viewer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "trace/log_file.h"

namespace quillot {

extern bool TraceInitialised;
extern bool DevMode;      // INI "isDev" of section "Debug"
extern bool TraceActive;  // tracing is on
extern bool TraceToFile;
extern bool TraceToViewer;
extern std::string TraceLogPath;  // INI "LogPath" (a stored name, stored_name.h), used as it is
extern bool LogOpen;

// Longer texts are cut to this many characters before TraceLine looks at them.
constexpr size_t MaxTraceLineLength = 255;

// Makes the path the settings store's default file, reads the "Debug"
// section and traces "%CLR". Only the first call of a process does anything.
// A log file that cannot be opened does not stop it: the next line tries
// again and raises the error.
void InitSettingsAndTrace(const std::string& iniPath);

// A line or one of the commands "%ON", "%OFF", "%CLR", "%LMEM", "%MEM", "%GMEM".
// Throws IoError when the log file cannot be opened or written.
void TraceLine(const std::string& text);

// Saves the "Debug" section and closes the log; runs when the program ends.
// Never throws.
void ShutdownTrace();

// 1234567 -> "1.234.567".
std::string FormatThousands(uint32_t n);

// The line produced for a text that begins with "%": the command itself for
// "%ON", "%OFF" and "%CLR", the memory figures for "%LMEM", "%MEM" and
// "%GMEM", and an empty line for anything else.
std::string ExpandTraceCommand(const std::string& line);

// Opens the log file in file mode when it is not open yet; a missing file is
// created. Without a log path there is no log file: nothing happens.
// Throws IoError; LogOpen stays false then.
void OpenLog(LogOpenMode mode);
// Closes the log file in file mode.
void CloseLog();

// Reads (ReadMode) or writes (WriteMode) the section "Debug".
void LoadSaveTraceSettings(int32_t mode);

}  // namespace quillot
