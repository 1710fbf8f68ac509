// One reading and rendering of a document, and the road of a large document,
// which is read and rendered by a worker thread while the window goes on
// repainting.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/background_work.h"
#include "reader/pad_document.h"
#include "report/report_settings.h"

namespace quillot {

// Reads the document into the calling thread's current document, then writes
// its four reports, noting how far it got: a failure ends the rendering where
// it happens, and the window learns from `read` and WrittenReports what is
// on disk and in the reader by then.
class DocumentRendering {
  public:
    // `settings.folder` empty: the document is read and nothing is written.
    explicit DocumentRendering(ReportSettings settings) : settings_(std::move(settings)) {}

    void Run();

    // The document has been read and extracted (it is the reader's current one).
    bool Read() const { return read_; }
    // The paths of the report files written so far, in the writers' order.
    std::vector<std::string> WrittenReports() const;

  private:
    ReportSettings settings_;
    bool read_ = false;
    size_t written_ = 0;
};

// The large-document road. The worker reads into a document of its own
// (the reader's tables are the thread's); when the worker is done, however it
// ended, it hands that document over and gives back its thread's tables, and
// the window's thread makes the document its current one. Escape meanwhile
// runs `onEscape` at once; the window decides what that means. Where no
// worker can be started the rendering runs on the window's thread, whose
// tables stay.
class WorkerRendering {
  public:
    explicit WorkerRendering(DocumentRendering& rendering);
    WorkerRendering(const WorkerRendering&) = delete;
    WorkerRendering& operator=(const WorkerRendering&) = delete;

    // Returns when the rendering has ended; its failure is thrown again here,
    // after the window's thread has taken the document over.
    void Run(BackgroundWork& background, HWND window, const std::function<void()>& onEscape);

  private:
    // On the worker: the rendering, then the hand-over, also after a failure.
    void OnWorker();
    // Moves the current document out of the calling thread; a worker then
    // gives back its thread's reader and report tables.
    void HandOver();
    // On the window's thread: the handed-over document becomes its current one.
    void TakeOver();

    DocumentRendering& rendering_;
    const DWORD windowThread_;
    DocumentState document_;
};

}  // namespace quillot
