#include "report/report_file.h"

#include <algorithm>

#include "reader/file_system.h"
#include "report/rtf_text.h"

namespace quillot {
namespace {

constexpr size_t kFlushThreshold = 64 * 1024;
constexpr size_t kLastPieceLimit = 9999;

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One RTF token of the text from `at` on, as the paragraph cut sees it.
struct Token {
    size_t length = 1;
    int groups = 0;  // +1 for an unescaped "{", -1 for an unescaped "}"
};

Token TokenAt(std::string_view text, size_t at) {
    Token token;
    const char first = text[at];
    if (first != '\\') {
        token.groups = first == '{' ? 1 : first == '}' ? -1 : 0;
        return token;
    }
    if (at + 1 == text.size()) return token;  // a lone backslash at the very end
    if (!IsAsciiLetter(text[at + 1])) {
        token.length = 2;  // a control symbol such as \\, \{ or \}
        return token;
    }
    size_t end = at + 1;
    while (end < text.size() && IsAsciiLetter(text[end]))
        ++end;
    const bool unicode = end == at + 2 && text[at + 1] == 'u';
    if (end < text.size() && text[end] == '-') ++end;
    const size_t digits = end;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end < text.size() && text[end] == ' ') ++end;  // the delimiting blank
    if (unicode && end > digits && end < text.size()) {
        // \uN and the character that stands in for it where Unicode is not
        // read: a brace there counts, an escaped one stays whole.
        const Token fallback = TokenAt(text, end);
        if (fallback.length <= 2) {
            token.groups = fallback.groups;
            end += fallback.length;
        }
    }
    token.length = end - at;
    return token;
}

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

}  // namespace

ReportFile::ReportFile(const ReportSettings& settings, const char* name, bool withParagraphFormat)
    : sink_(OpenSink(settings, name)) {
    buffer_.reserve(16 * 1024);
    WriteLine(RtfHeaderLine());
    WriteLine(FontTableLine(settings.fontTableEntry));
    WriteLine(ColorTableLine(settings.labelColor, settings.contentColor));
    if (withParagraphFormat) WriteLine(ParagraphFormatLine());
}

ReportFile::~ReportFile() = default;

void ReportFile::Write(std::string_view text) {
    if (text.size() >= kFlushThreshold) {
        // Written as it is rather than copied into the buffer first.
        Flush();
        sink_->Write(text.data(), text.size());
        return;
    }
    buffer_.append(text);
    if (buffer_.size() >= kFlushThreshold) Flush();
}

void ReportFile::WriteEscaped(std::string_view text, TextEncoding encoding) {
    // In pieces of about the buffer's size, so that a long value is never
    // held escaped as a whole.
    while (text.size() > kFlushThreshold) {
        const size_t piece = EscapePieceLength(text, kFlushThreshold);
        AppendEscapedRtf(buffer_, text.substr(0, piece), encoding);
        Flush();
        text.remove_prefix(piece);
    }
    AppendEscapedRtf(buffer_, text, encoding);
    if (buffer_.size() >= kFlushThreshold) Flush();
}

void ReportFile::WriteLine(std::string_view line) {
    Write(line);
    Write("\r\n");
}

void ReportFile::WriteParagraph(std::string_view text) {
    size_t start = 0;
    for (size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', start)) {
        Write(text.substr(start, cr - start));
        Write(" \\par\r\n");
        start = cr + 1;
    }
    if (start == 0) {
        Write(text);
        Write(" \\par\r\n");
    } else if (text.size() - start > kLastPieceLimit) {
        WriteCutPiece(text, start);
    } else if (start < text.size()) {
        Write(text.substr(start));
        Write(" \\par\r\n");
    }
}

// The last piece as the longest run of whole tokens from its start that fits
// the limit, so no escape is split, and a "}" for every group of the text
// still open at the cut, so nothing after it stays inside one of them.
void ReportFile::WriteCutPiece(std::string_view text, size_t start) {
    int open = 0;
    size_t at = 0;
    while (at < start) {
        const Token token = TokenAt(text, at);
        open += token.groups;
        at += token.length;
    }
    at = start;  // no token reaches past a CR
    while (at < text.size()) {
        const Token token = TokenAt(text, at);
        if (at + token.length - start > kLastPieceLimit) break;
        open += token.groups;
        at += token.length;
    }
    Write(text.substr(start, at - start));
    Write(std::string(static_cast<size_t>(std::max(open, 0)), '}'));
    Write(" \\par\r\n");
}

void ReportFile::Close() {
    WriteLine("}");
    Flush();
    sink_->Close();
}

void ReportFile::Flush() {
    sink_->Write(buffer_.data(), buffer_.size());
    buffer_.clear();
}

}  // namespace quillot
