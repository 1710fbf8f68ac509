// Diagnostics: the one-time start-up call that fixes the INI file, the
// developer switch, and trace lines to a log file or an external viewer.
#pragma once

#include <cstdint>
#include <string>

namespace quillot {

extern bool TraceInitialised;
extern bool DevMode;      // INI "isDev" of section "Debug"
extern bool TraceActive;  // tracing is on
extern bool TraceToFile;
extern bool TraceToViewer;

// Makes the path the settings store's default file, reads the "Debug"
// section and traces "%CLR". Only the first call of a process does anything.
void InitSettingsAndTrace(const std::string& iniPath);

// A line or one of the commands "%ON", "%OFF", "%CLR", "%LMEM", "%MEM", "%GMEM".
void TraceLine(const std::string& text);

// Saves the "Debug" section and closes the log; runs when the program ends.
void ShutdownTrace();

// 1234567 -> "1.234.567".
std::string FormatThousands(uint32_t n);

}  // namespace quillot
