#include "report/report_file.h"

#include "report/rtf_text.h"

namespace quillot {
namespace {

constexpr size_t kFlushThreshold = 64 * 1024;
constexpr size_t kLastPieceLimit = 9999;

}  // namespace

ReportFile::ReportFile(const ReportSettings& settings, const char* name, bool withParagraphFormat)
    : file_(settings.folder + name) {
    buffer_.reserve(16 * 1024);
    WriteLine(RtfHeaderLine());
    WriteLine(FontTableLine(settings.fontTableEntry));
    WriteLine(ColorTableLine(settings.labelColor, settings.contentColor));
    if (withParagraphFormat) WriteLine(ParagraphFormatLine());
}

ReportFile::~ReportFile() = default;

void ReportFile::WriteLine(std::string_view line) {
    buffer_.append(line).append("\r\n");
    if (buffer_.size() >= kFlushThreshold) Flush();
}

void ReportFile::WriteParagraph(std::string_view text) {
    size_t start = 0;
    for (size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', start)) {
        buffer_.append(text.substr(start, cr - start)).append(" \\par\r\n");
        start = cr + 1;
    }
    if (start == 0) {
        buffer_.append(text).append(" \\par\r\n");
    } else if (start < text.size()) {
        buffer_.append(text.substr(start, kLastPieceLimit)).append(" \\par\r\n");
    }
    if (buffer_.size() >= kFlushThreshold) Flush();
}

void ReportFile::Close() {
    WriteLine("}");
    Flush();
    file_.Close();
}

void ReportFile::Flush() {
    file_.Write(buffer_.data(), buffer_.size());
    buffer_.clear();
}

}  // namespace quillot
