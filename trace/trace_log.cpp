#include "trace/trace_log.h"

#include <windows.h>

#include "reader/file_system.h"
#include "reader/io_error.h"
#include "reader/text_util.h"
#include "settings/message_box.h"
#include "settings/settings_store.h"
#include "settings/stored_name.h"
#include "trace/memory_figures.h"
#include "trace/trace_viewer.h"

namespace quillot {

bool TraceInitialised = false;
bool DevMode = false;
bool TraceActive = false;
bool TraceToFile = false;
bool TraceToViewer = false;
std::string TraceLogPath;
bool LogOpen = false;

namespace {

constexpr char DebugSection[] = "Debug";

LogFile logFile;

std::string Cut(const std::string& text) {
    return text.substr(0, MaxTraceLineLength);
}

void ReportViewerNotFound() {
    ShowMessageBox(nullptr, std::string("Path/File not found for: ") + ViewerProgram, "Debugger",
                   MB_OK);
}

void WriteToLog(const std::string& line) {
    if (line == "%CLR") {
        CloseLog();
        OpenLog(LogOpenMode::Truncate);
        return;
    }
    if (!LogOpen) OpenLog(LogOpenMode::Append);
    if (LogOpen) logFile.WriteLine(line);
}

void SendToViewer(const std::string& line) {
    if (SendLineToViewer(line) == ViewerDelivery::ProgramNotFound) {
        TraceActive = false;
        ReportViewerNotFound();
    }
}

void ReadTraceSettings() {
    DevMode = ExchangeBool("isDev", false);
    const std::string on = ExchangeString("On", "");
    if (on.empty()) return;
    switch (ToAsciiUpper(on[0])) {
        case '0':
            TraceActive = false;
            break;
        case 'F':
            TraceActive = true;
            TraceToFile = true;
            break;
        case 'W':
            TraceActive = true;
            TraceToViewer = true;
            break;
        default:
            break;
    }
    TraceLogPath = FileNameFromStored(ExchangeString("LogPath", StoredFileName(TraceLogPath)));
}

void WriteTraceSettings() {
    if (!ViewerWindowExists() && TraceLogPath.empty()) {
        EraseSection();
        ExchangeString("On", "0");
        if (DevMode) ExchangeBool("isDev", DevMode);
        return;
    }
    ExchangeString("On", !TraceActive ? "0" : TraceToViewer ? "Win" : "File");
    if (DevMode) ExchangeBool("isDev", DevMode);
    if (!TraceLogPath.empty()) ExchangeString("LogPath", StoredFileName(TraceLogPath));
}

}  // namespace

void InitSettingsAndTrace(const std::string& iniPath) {
    if (TraceInitialised) return;
    TraceInitialised = true;
    DefaultIniFile = iniPath;
    CurrentIniFile = iniPath;
    LoadSaveTraceSettings(ReadMode);
    try {
        TraceLine("%CLR");
    } catch (const IoError&) {
        // Start-up goes on without the log; the next line raises the error.
    }
}

void TraceLine(const std::string& text) {
    if (!TraceInitialised) return;
    if (text == "%ON") TraceActive = true;
    if (!TraceActive) return;
    std::string line = Cut(text);
    if (!line.empty() && line[0] == '%') line = Cut(ExpandTraceCommand(line));
    if (TraceToFile) WriteToLog(line);
    if (TraceToViewer) SendToViewer(line);
    if (text == "%OFF") {
        TraceActive = false;
        CloseLog();
    }
}

void ShutdownTrace() {
    if (!TraceInitialised) return;
    LoadSaveTraceSettings(WriteMode);
    if (TraceActive) CloseLog();
}

std::string FormatThousands(uint32_t n) {
    const std::string digits = std::to_string(n);
    std::string result;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) result += '.';
        result += digits[i];
    }
    return result;
}

std::string ExpandTraceCommand(const std::string& line) {
    if (line == "%ON" || line == "%OFF" || line == "%CLR") return line;
    if (line != "%LMEM" && line != "%MEM" && line != "%GMEM") return "";
    const MemoryFigures m = TakeMemoryFigures();
    const std::string heap =
        "U: " + FormatThousands(m.heapAllocated) + ", F: " + FormatThousands(m.heapFree);
    if (line == "%LMEM") return heap;
    const std::string physical = "Ph:" + FormatThousands(m.availablePhysical);
    if (line == "%MEM") return physical + ", " + heap;
    return physical + ", Vrt:" + FormatThousands(m.availableVirtual) +
           ", Pg:" + FormatThousands(m.availablePageFile);
}

void OpenLog(LogOpenMode mode) {
    if (LogOpen || !TraceToFile) return;
    // File mode without a log path keeps no log at all.
    if (TraceLogPath.empty()) return;
    if (mode == LogOpenMode::Append && !IsExistingFile(TraceLogPath)) {
        mode = LogOpenMode::Truncate;
    }
    logFile.Open(TraceLogPath, mode);
    LogOpen = true;
}

void CloseLog() {
    if (!LogOpen || !TraceToFile) return;
    logFile.Close();
    LogOpen = false;
}

void LoadSaveTraceSettings(int32_t mode) {
    BeginSection("", DebugSection, mode);
    if (mode == ReadMode) {
        ReadTraceSettings();
    } else if (mode == WriteMode) {
        WriteTraceSettings();
    }
}

}  // namespace quillot
