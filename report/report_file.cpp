#include "report/report_file.h"

#include "reader/file_system.h"
#include "report/report_paragraph.h"
#include "report/rtf_text.h"

namespace quillot {
namespace {

class FileSink final : public ReportSink {
  public:
    explicit FileSink(const std::string& path) : file_(path) {}
    void Write(const char* data, size_t size) override { file_.Write(data, size); }
    void Close() override { file_.Close(); }

  private:
    OutputFile file_;
};

class MemorySink final : public ReportSink {
  public:
    explicit MemorySink(std::string& text) : text_(text) { text_.clear(); }
    void Write(const char* data, size_t size) override { text_.append(data, size); }
    void Close() override {}

  private:
    std::string& text_;
};

std::unique_ptr<ReportSink> OpenSink(const ReportSettings& settings, const char* name) {
    if (settings.memory != nullptr) return std::make_unique<MemorySink>((*settings.memory)[name]);
    return std::make_unique<FileSink>(settings.folder + name);
}

// The last header lines made on this thread, made on first use and given
// back by ReleaseThreadReportCache (no thread-local object with a destructor:
// see ReleaseThreadDocument).
struct Made {
    std::string fontTableEntry;
    int32_t labelColor = 0;
    int32_t contentColor = 0;
    std::string lines;
};
thread_local Made* tMade = nullptr;

// The three common header lines, made once for the settings of a run of
// reports rather than for each report.
const std::string& HeaderLines(const ReportSettings& settings) {
    if (!tMade) tMade = new Made;
    Made& made = *tMade;
    if (made.lines.empty() || made.fontTableEntry != settings.fontTableEntry ||
        made.labelColor != settings.labelColor || made.contentColor != settings.contentColor) {
        made.fontTableEntry = settings.fontTableEntry;
        made.labelColor = settings.labelColor;
        made.contentColor = settings.contentColor;
        made.lines = RtfHeaderLine() + "\r\n" + FontTableLine(settings.fontTableEntry) + "\r\n" +
                     ColorTableLine(settings.labelColor, settings.contentColor) + "\r\n";
    }
    return made.lines;
}

}  // namespace

void ReleaseThreadReportCache() {
    delete tMade;
    tMade = nullptr;
}

ReportFile::ReportFile(const ReportSettings& settings, const char* name, bool withParagraphFormat)
    : sink_(OpenSink(settings, name)), buffer_(new char[kBufferSize]) {
    Write(HeaderLines(settings));
    if (withParagraphFormat) WriteLine(ParagraphFormatLine());
}

ReportFile::~ReportFile() = default;

void ReportFile::WriteBeyondBuffer(std::string_view text) {
    Flush();
    if (text.size() >= kBufferSize) {
        // Written as it is rather than copied into the buffer first.
        sink_->Write(text.data(), text.size());
        return;
    }
    Write(text);
}

void ReportFile::WriteEscaped(std::string_view text, TextEncoding encoding) {
    // In pieces of about the buffer's size, so that a long value is never
    // held escaped as a whole.
    while (!text.empty()) {
        const size_t piece = EscapePieceLength(text, kBufferSize);
        escaped_.clear();
        AppendEscapedRtf(escaped_, text.substr(0, piece), encoding);
        Write(escaped_);
        text.remove_prefix(piece);
    }
}

void ReportFile::WriteParagraph(std::string_view text) {
    quillot::WriteParagraph(*this, text);
}

void ReportFile::Close() {
    WriteLine("}");
    Flush();
    sink_->Close();
}

void ReportFile::Flush() {
    if (used_ > 0) sink_->Write(buffer_.get(), used_);
    used_ = 0;
}

}  // namespace quillot
