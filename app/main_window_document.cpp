// The document road of the main window: reading and rendering a document,
// the caption and status text, the views of the pages, and the ways in which
// documents arrive (first paint, hand-over, file drop).
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/document_rendering.h"
#include "app/folder_list.h"
#include "app/main_window.h"
#include "app/report_cleanup.h"
#include "app/report_folder.h"
#include "app/start_lock.h"
#include "app/startup_marks.h"
#include "reader/file_system.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"
#include "reader/vocabulary.h"
#include "reader/wide_text.h"
#include "report/report_settings.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "settings/stored_name.h"
#include "shell/version_info.h"
#include "trace/trace_log.h"

namespace quillot {

std::string CurrentFilePath;

namespace {

// The report file shown on each page; the Xml page shows the document.
const char* const kPageReports[PageCount] = {SummaryReportName, StandardReportName,
                                             AllFieldsReportName, nullptr, CheckReportName};

// Documents from this size on are read and rendered while the window goes on
// repainting; smaller ones take too little time to be worth a thread.
constexpr uint64_t kBackgroundReadBytes = 4 * 1024 * 1024;

bool IsLargeFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data)) return false;
    const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size >= kBackgroundReadBytes;
}

// How long a hand-over waits before it reads the file name, so that the
// sending process has surely finished writing it.
constexpr DWORD kHandOverPauseMs = 200;

}  // namespace

// The one-time part of the first paint: the trace menu items, the reader's
// tables and the first document.
void TFrm::FormPaint() {
    if (!FirstPaintPending) return;
    if (!DevMode) {
        // The trace items and the separator before them exist in developer mode only.
        HMENU view = SubMenuOf(IDM_DBG_ON);
        const int separator = GetMenuItemCount(view) - 3;
        DeleteMenu(view, IDM_DBG_CLR, MF_BYCOMMAND);
        DeleteMenu(view, IDM_DBG_ON, MF_BYCOMMAND);
        DeleteMenu(view, static_cast<UINT>(separator), MF_BYPOSITION);
        DrawMenuBar(hwnd_);
    }
    StartupMark("trace items");
    InitPadReader(ReaderSetup{DevMode, environment_.programPath, environment_.systemTempPath});
    StartupMark("reader tables");
    if (!IsUsableReportFolder(TempFolder)) {
        // Never the current folder or a relative one: without a folder of the
        // user's own, nothing is rendered and the report tabs stay empty.
        TempFolder.clear();
        PostMessageA(hwnd_, kNoReportFolderMessage, 0, 0);
    }

    try {
        const std::vector<std::string>& args = environment_.arguments;
        if (!args.empty()) {
            const std::string resolved = ResolveCommandLineFile(args[0]);
            if (!resolved.empty()) {
                OpenDocument(resolved);
            } else {
                LoadDocument(args[0], false);
            }
        } else if (CurrentFilePath.empty()) {
            LoadDocument("", false);
        } else if (CurrentFilePath.compare(0, 8, "Untitled") == 0) {
            LoadDocument(CurrentFilePath, false);
        } else {
            LoadDocument(CurrentFilePath, IsExistingFile(CurrentFilePath));
        }
        // LoadDocument has already loaded the active page's view.
    } catch (...) {
        FirstPaintPending = false;
        throw;
    }
    FirstPaintPending = false;
}

void TFrm::LoadDocument(const std::string& fileName, bool read) {
    if (read) {
        ReadAndRender(fileName);
    } else {
        reportsCurrent_ = false;
    }
    ++documentSerial_;
    UpdateCaptionAndStatus(fileName);
    StartupMark("caption and folder list");
    PageControl1Change();
    StartupMark("view loaded");
    // Taking the focus needs a visible, enabled window (a modal dialog
    // disables it); the document is shown either way.
    if (!FirstPaintPending && IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_)) {
        SetFocus(views_[activePage_].Handle());
    }
}

// Reads the document, then writes its four reports; each file written is
// this process's to delete at exit. A failure ends the road where it happens.
// A large document is read and rendered by a worker thread; the window goes
// on repainting meanwhile and answers Escape at once (CloseAfterLoad).
void TFrm::ReadAndRender(const std::string& fileName) {
    ReportSettings settings;
    settings.folder = TempFolder;
    settings.fontTableEntry = Img.FontTableEntry();
    settings.labelColor = labelColor;
    settings.contentColor = contentColor;
    settings.currentFilePath = fileName;
    DocumentRendering rendering(std::move(settings));
    try {
        if (!FirstPaintPending && IsLargeFile(fileName)) {
            WorkerRendering(rendering).Run(background_, hwnd_, [this] { CloseAfterLoad(); });
        } else {
            rendering.Run();
        }
    } catch (...) {
        EndRendering(rendering, fileName);
        throw;
    }
    EndRendering(rendering, fileName);
    if (!TempFolder.empty()) {
        reportsCurrent_ = true;
        StartupMark("reports written");
    }
}

// What the road has done, told to the window, however it ended; a close
// asked for meanwhile goes ahead now.
void TFrm::EndRendering(const DocumentRendering& rendering, const std::string& fileName) {
    if (rendering.Read()) {
        CurrentFilePath = fileName;
        // Until a rendering of this document is complete, the report files on
        // disk belong to no document the window shows.
        reportsCurrent_ = false;
        for (const std::string& report : rendering.WrittenReports())
            NoteReportWritten(report);
    }
    if (closeAfterLoad_) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    closeAfterLoad_ = false;
}

void TFrm::CloseAfterLoad() {
    closeAfterLoad_ = true;
    ShowWindow(hwnd_, SW_HIDE);
}

void TFrm::UpdateCaptionAndStatus(const std::string& fileName) {
    CurrentFilePath = fileName;
    application_.SetTitle(ProgramName + " ");
    if (FolderPart(CurrentFilePath) != CurrentFolder) {
        BuildFolderFileList(CurrentFilePath);
    } else {
        // Same folder, so no new scan; the document may have come by another
        // way than the folder commands, so its position is looked up again.
        const int32_t count = FolderFileCount();
        const bool positionHolds =
            FolderIndex >= 0 && FolderIndex < count &&
            EqualsIgnoreAsciiCase((*FolderFileList)[static_cast<size_t>(FolderIndex)],
                                  FileNamePart(CurrentFilePath));
        if (!positionHolds) FolderIndex = FindInFolderFileList(CurrentFilePath);
    }
    const std::string caption = ProgramName + " - " + std::string(FileNamePart(CurrentFilePath));
    SetWindowTextW(hwnd_, Utf8ToWide(caption).c_str());
    ShowFolderPosition();
}

void TFrm::ShowFolderPosition() {
    if (!FolderFileList) return;
    SetStatusText(std::to_string(FolderIndex) + " of " + std::to_string(FolderFileCount()) +
                  " files");
}

// Loads the active page's view from disk. A view whose file is missing keeps
// its text only when that text is of the document the caption names; report
// files of another document (a rendering that failed halfway) are never shown.
void TFrm::PageControl1Change() {
    const int32_t page = activePage_;
    bool loaded = false;
    if (page == SourcePage) {
        if (IsExistingFile(CurrentFilePath)) {
            loaded = views_[page].LoadFile(CurrentFilePath, ViewFormat::PlainText, SourceEncoding);
        }
    } else {
        const std::string report = TempFolder + kPageReports[page];
        if (reportsCurrent_ && IsExistingFile(report)) {
            loaded = views_[page].LoadFile(report, ViewFormat::Rtf);
        }
    }
    if (loaded) {
        viewDocument_[page] = documentSerial_;
    } else if (viewDocument_[page] != documentSerial_) {
        views_[page].Clear();
        viewDocument_[page] = documentSerial_;
    }
    CurTab = page;
}

std::string TFrm::ResolveCommandLineFile(const std::string& argument) const {
    if (!IsExistingFile(argument)) return std::string();
    const std::string full = FullPathName(argument);
    if (full.empty()) return std::string();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Utf8ToWide(full).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::string();
    FindClose(search);
    return std::string(FolderPart(full)) + WideToUtf8(WideFromBuffer(found.cFileName, MAX_PATH));
}

void TFrm::ReceiveHandOver(const MSG& message) {
    if (message.message != HandOverMessage || message.wParam != HandOverWParam ||
        message.lParam != HandOverLParam) {
        return;
    }
    PauseWithoutStopping(kHandOverPauseMs);
    std::string name;
    {
        // Not while another start writes the INI file.
        StartLock lock(true);
        BeginSection("", "Main", ReadMode);
        name = FileNameFromStored(ExchangeString("fName", "??.xml"));
    }
    Guarded([this, &name] { OpenDocument(name); });
}

// The whole name of the first dropped file; further files are ignored.
void TFrm::FormDropFiles(HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring wide(length + 1, L'\0');
    wide.resize(DragQueryFileW(drop, 0, wide.data(), length + 1));
    DragFinish(drop);
    const std::string name = WideToUtf8(wide);
    SetForegroundWindow(hwnd_);
    OpenDocument(name);
}

}  // namespace quillot
