#include "app/document_rendering.h"

#include <utility>

#include "app/startup_marks.h"
#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "report/all_fields_view.h"
#include "report/check_view.h"
#include "report/report_file.h"
#include "report/standard_view.h"
#include "report/summary_view.h"

namespace quillot {
namespace {

// The writers of a rendering, in their order (the Summary view relies on the
// reader's state as the Standard view leaves it), with the file each writes.
struct ReportWriter {
    const char* name;
    void (*write)(const ReportSettings&);
};
const ReportWriter kReportWriters[] = {{AllFieldsReportName, WriteAllFieldsView},
                                       {StandardReportName, WriteStandardView},
                                       {SummaryReportName, WriteSummaryView},
                                       {CheckReportName, WriteCheckReport}};

}  // namespace

void DocumentRendering::Run() {
    ReadSourceLines(settings_.currentFilePath);
    ExtractPadFields();
    read_ = true;
    StartupMark("document read");
    if (settings_.folder.empty()) return;
    for (const ReportWriter& writer : kReportWriters) {
        writer.write(settings_);
        ++written_;
    }
}

std::vector<std::string> DocumentRendering::WrittenReports() const {
    std::vector<std::string> paths;
    for (size_t i = 0; i < written_; ++i)
        paths.push_back(settings_.folder + kReportWriters[i].name);
    return paths;
}

WorkerRendering::WorkerRendering(DocumentRendering& rendering)
    : rendering_(rendering), windowThread_(GetCurrentThreadId()) {}

void WorkerRendering::Run(BackgroundWork& background, HWND window,
                          const std::function<void()>& onEscape) {
    try {
        background.Run([this] { OnWorker(); }, window, onEscape);
    } catch (...) {
        TakeOver();
        throw;
    }
    TakeOver();
}

void WorkerRendering::OnWorker() {
    try {
        rendering_.Run();
    } catch (...) {
        HandOver();
        throw;
    }
    HandOver();
}

void WorkerRendering::HandOver() {
    document_ = TakeCurrentDocument();
    if (GetCurrentThreadId() == windowThread_) return;
    ReleaseThreadReportCache();
    ReleaseThreadDocument();
}

void WorkerRendering::TakeOver() {
    PutCurrentDocument(std::move(document_));
}

}  // namespace quillot
