#include "bench/windows/large_file_bench.h"

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/windows/bench_timing.h"
#include "bench/windows/remote_window.h"
#include "bench/windows/viewer_process.h"

namespace quillot::bench {
namespace {

constexpr unsigned long long kMegabyte = 1024 * 1024;
constexpr double kTimeoutSeconds = 180;
constexpr double kTargetTabSeconds = 2.0;    // for the 10 MB files
constexpr double kTargetStallSeconds = 0.5;  // for every file
// How often the responsiveness probe asks.
constexpr DWORD kProbePauseMs = 20;
// The end of the line that ends the Source view of a cut file (the view
// wraps it, so its last row is looked at).
constexpr const char* kCutNoteEnd = " to see all of it.]";

// What the Xml tab shows of a long file, at most.
constexpr size_t kShownBytes = 512 * 1024;
// The file a running window shows when a large one is handed over to it.
constexpr const char* kSmallFile = "floriwan_jogoverein_pad_file.xml";

// The tabs, left to right.
enum Tab { StdTab = 0, AllTab = 1, XmlTab = 2 };

struct LargeFile {
    const char* label;
    const char* corpusFile;  // repeated until the size is reached
    unsigned long long bytes;
};

const LargeFile kLargeFiles[] = {
    {"10 MB, Windows-1252", "mithro_etherbone-core_pad_file.xml", 10 * kMegabyte},
    {"10 MB, UTF-8", "floriwan_jogoverein_pad_file.xml", 10 * kMegabyte},
    {"100 MB, Windows-1252", "mithro_etherbone-core_pad_file.xml", 100 * kMegabyte},
};

unsigned long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes(static_cast<size_t>(FileSize(path)), '\0');
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

// A real PAD file repeated until the size is reached; kept for later runs.
std::string MakeLargeFile(const BenchSetup& setup, const std::string& folder,
                          const LargeFile& shape) {
    const std::string path =
        folder + "\\" + std::to_string(shape.bytes / kMegabyte) + "mb_" + shape.corpusFile;
    if (FileSize(path) >= shape.bytes) return path;
    const std::string piece = ReadWholeFile(setup.corpus + shape.corpusFile);
    if (piece.empty()) return std::string();
    std::string block;
    while (block.size() < 4 * kMegabyte)
        block += piece;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    unsigned long long written = 0;
    while (written < shape.bytes) {
        DWORD done = 0;
        if (!WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &done, nullptr)) break;
        written += done;
    }
    CloseHandle(file);
    return written >= shape.bytes ? path : std::string();
}

// The longest time the window took to answer a message and to repaint
// itself while it was being watched.
struct Stall {
    double answer = 0;
    double repaint = 0;
};

// Asks the window once whether it answers (a message sent to it) and
// repaints (all of it made invalid, then waited for until painted).
void Probe(HWND window, Stall& stall) {
    const double start = Seconds();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
    stall.answer = std::max(stall.answer, Seconds() - start);
    const double invalidated = Seconds();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    while (IsWindow(window) && !IsPainted(window) && Seconds() - invalidated < 60)
        Sleep(1);
    stall.repaint = std::max(stall.repaint, Seconds() - invalidated);
}

struct Session {
    ViewerProcess process;
    HWND window = nullptr;
    HWND tabs = nullptr;
};

bool Open(Session& session, const std::string& quillot, const std::string& file, double& seconds) {
    if (!session.process.Start(quillot, "\"" + file + "\"")) return false;
    session.window = session.process.WaitUntilPainted(kTimeoutSeconds, seconds);
    if (!session.window) return false;
    session.tabs = FindWindowExA(session.window, nullptr, WC_TABCONTROLA, nullptr);
    return session.tabs != nullptr;
}

bool ShowsCutNote(const Session& session) {
    HWND view = VisibleView(session.window);
    if (!view) return false;
    const std::string last = RemoteLastLine(session.process.Handle(), view);
    const std::string end(kCutNoteEnd);
    return last.size() >= end.size() &&
           last.compare(last.size() - end.size(), end.size(), end) == 0;
}

// Clicks the tab; `shown` receives the time until another view is visible
// and painted, `complete` (for the Xml tab) the time until it also holds the
// whole text up to the line about the cut. A stall probe runs meanwhile when
// one is given. False after the timeout.
bool ClickAndWait(Session& session, Tab tab, double& shown, double& complete,
                  Stall* stall = nullptr) {
    HWND before = VisibleView(session.window);
    const double start = Seconds();
    if (!ClickTab(session.process.Handle(), session.tabs, tab)) return false;
    shown = complete = -1;
    while (Seconds() - start < kTimeoutSeconds) {
        HWND view = VisibleView(session.window);
        if (shown < 0 && view && view != before && IsPainted(session.window)) {
            shown = Seconds() - start;
        }
        if (shown >= 0) {
            if (tab != XmlTab) {
                complete = shown;
                return true;
            }
            if (ShowsCutNote(session) && IsPainted(session.window)) {
                complete = Seconds() - start;
                return true;
            }
        }
        if (stall) {
            Probe(session.window, *stall);
            Sleep(kProbePauseMs);
        } else {
            Sleep(1);
        }
    }
    return false;
}

// Posts Escape to the window with the focus, as the key would; the seconds
// until the main window is gone, or a negative value.
double PressEscape(Session& session) {
    HWND focus = FocusOf(session.window);
    const double start = Seconds();
    PostMessageA(focus ? focus : session.window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(focus ? focus : session.window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    while (IsWindow(session.window) && IsWindowVisible(session.window)) {
        if (Seconds() - start > kTimeoutSeconds) return -1;
        Sleep(1);
    }
    return Seconds() - start;
}

struct Figures {
    std::vector<double> start, all, xmlShown, xmlComplete, std, escape, handOver;
    Stall stall;
    Stall handOverStall;
};

std::string CaptionOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The file handed to a running window by a second start, as a double-click
// on it does: the seconds from that start until the window shows the file,
// watched for stalls meanwhile; negative after the timeout.
double HandOverOnce(const std::string& quillot, const std::string& small, const std::string& file,
                    Stall& stall) {
    Session session;
    double seconds = 0;
    if (!Open(session, quillot, small, seconds)) return -1;
    const std::string caption = "Quillot - " + FileNameOf(file);
    ViewerProcess second;
    if (!second.Start(quillot, "\"" + file + "\"")) return -1;
    const double start = second.StartedAt();
    while (Seconds() - start < kTimeoutSeconds) {
        if (CaptionOf(session.window) == caption && IsPainted(session.window)) {
            seconds = Seconds() - start;
            second.WaitForExit(kTimeoutSeconds);
            return session.process.Close(session.window) ? seconds : -1;
        }
        Probe(session.window, stall);
        Sleep(kProbePauseMs);
    }
    return -1;
}

// One run: start with the file, click All, Xml and Std, watch the window
// while the Xml tab fills again, and press Escape during a third fill. On
// failure `step` says which step did not end in time.
bool RunOnce(const std::string& quillot, const std::string& file, Figures& figures,
             const char*& step) {
    Session session;
    double start = 0, shown = 0, complete = 0;
    step = "start";
    if (!Open(session, quillot, file, start)) return false;
    figures.start.push_back(start);
    step = "All tab";
    if (!ClickAndWait(session, AllTab, shown, complete)) return false;
    figures.all.push_back(shown);
    step = "Xml tab";
    if (!ClickAndWait(session, XmlTab, shown, complete)) return false;
    figures.xmlShown.push_back(shown);
    figures.xmlComplete.push_back(complete);
    step = "Std tab";
    if (!ClickAndWait(session, StdTab, shown, complete)) return false;
    figures.std.push_back(shown);
    step = "Xml tab, watched";
    if (!ClickAndWait(session, XmlTab, shown, complete, &figures.stall)) return false;
    step = "Std tab again";
    if (!ClickAndWait(session, StdTab, shown, complete)) return false;
    // The third fill: Escape as soon as the tab shows its first piece.
    step = "Escape during the fill";
    HWND before = VisibleView(session.window);
    if (!ClickTab(session.process.Handle(), session.tabs, XmlTab)) return false;
    const double clicked = Seconds();
    while (VisibleView(session.window) == before && Seconds() - clicked < kTimeoutSeconds)
        Sleep(1);
    if (ShowsCutNote(session)) std::printf("    (the fill had ended before Escape)\n");
    const double escape = PressEscape(session);
    if (escape < 0 || !session.process.WaitForExit(kTimeoutSeconds)) return false;
    figures.escape.push_back(escape);
    return true;
}

struct TextSource {
    const char* next;
    size_t left;
};

DWORD CALLBACK ReadFromText(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto* from = reinterpret_cast<TextSource*>(cookie);
    const size_t count = std::min(from->left, static_cast<size_t>(size));
    CopyMemory(buffer, from->next, count);
    from->next += count;
    from->left -= count;
    *read = static_cast<LONG>(count);
    return 0;
}

// Wine's own rich-edit control taking in the text that the Source view of
// the file shows, in one piece, in this process: what filling the view
// costs at all.
double BaselineOnePiece(const std::string& file) {
    std::string text = ReadWholeFile(file).substr(0, kShownBytes);
    text.resize(text.rfind('\n') + 1);
    HWND view =
        CreateWindowExA(0, RICHEDIT_CLASSA, "baseline",
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                        197, 123, 435, 300, nullptr, nullptr, nullptr, nullptr);
    if (!view) return -1;
    SendMessageA(view, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SendMessageA(view, EM_SETTARGETDEVICE, 0, 0);
    TextSource source = {text.data(), text.size()};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadFromText;
    const double start = Seconds();
    SendMessageA(view, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    UpdateWindow(view);
    const double seconds = Seconds() - start;
    DestroyWindow(view);
    return seconds;
}

}  // namespace

bool RunLargeFileBench(const BenchSetup& setup) {
    const std::string folder = setup.folder + "\\large";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string quillot = CopyInto(setup.quillot, folder);
    const std::string ini = folder + "\\Quillot.ini";
    const std::string small = CopyInto(setup.corpus + kSmallFile, folder);
    if (quillot.empty() || small.empty() || !LoadLibraryA("riched20.dll")) {
        std::printf("large files: could not prepare %s\n", folder.c_str());
        return false;
    }
    std::printf(
        "\nLarge files, %s, medians of %d runs in seconds, each tab from its click; "
        "stall: the longest wait of all runs for an answer and for a repaint\n",
        Width(), setup.largeFileRuns);
    std::printf("  %-22s %6s %6s %6s %10s %6s %7s  %s\n", "file", "start", "All", "Xml",
                "Xml whole", "Std", "Escape", "stall while the Xml tab fills");
    bool met = true;
    for (const LargeFile& shape : kLargeFiles) {
        const std::string file = MakeLargeFile(setup, folder, shape);
        if (file.empty()) {
            std::printf("  %s: could not write the file\n", shape.label);
            return false;
        }
        Figures figures;
        for (int run = 0; run < setup.largeFileRuns; ++run) {
            DeleteFileA(ini.c_str());  // every run opens on the Std tab
            const char* step = "";
            const bool ran = RunOnce(quillot, file, figures, step);
            DeleteFileA(ini.c_str());
            step = ran ? "hand-over" : step;
            const double handOver =
                ran ? HandOverOnce(quillot, small, file, figures.handOverStall) : -1;
            if (handOver < 0) {
                std::printf("  %s: the step \"%s\" did not end in time\n", shape.label, step);
                return false;
            }
            figures.handOver.push_back(handOver);
            Sleep(200);
        }
        const double slowestTab =
            std::max({Median(figures.all), Median(figures.xmlComplete), Median(figures.std)});
        const double stall =
            std::max({figures.stall.answer, figures.stall.repaint, Median(figures.escape),
                      figures.handOverStall.answer, figures.handOverStall.repaint});
        const bool tabsMet = shape.bytes > 10 * kMegabyte || slowestTab <= kTargetTabSeconds;
        const bool stallMet = stall <= kTargetStallSeconds;
        met = met && tabsMet && stallMet;
        std::printf("  %-22s %6.2f %6.2f %6.2f %10.2f %6.2f %7.3f  %.3f, %.3f\n", shape.label,
                    Median(figures.start), Median(figures.all), Median(figures.xmlShown),
                    Median(figures.xmlComplete), Median(figures.std), Median(figures.escape),
                    figures.stall.answer, figures.stall.repaint);
        std::printf(
            "  %-22s handed to a running window: shown after %.2f s, stall %.3f, %.3f: %s\n", "",
            Median(figures.handOver), figures.handOverStall.answer, figures.handOverStall.repaint,
            tabsMet && stallMet ? "met" : "MISSED");
    }
    const double baseline = BaselineOnePiece(MakeLargeFile(setup, folder, kLargeFiles[0]));
    std::printf("  targets: 10 MB tabs (whole Xml text) within %.1f s; no stall over %.1f s\n",
                kTargetTabSeconds, kTargetStallSeconds);
    std::printf(
        "  baseline: Wine's RichEdit20A takes in the Xml tab's %s bytes in one piece in "
        "%.2f s (the window would stall that long)\n",
        WithThousands(kShownBytes).c_str(), baseline);
    return met;
}

}  // namespace quillot::bench
