// One report being written: opened on its sink (the file, created or
// truncated, or its text in memory, see ReportSettings::memory), a line at a
// time with CR LF after each, the trailer "}" at close. Both sinks receive the
// same bytes. Every failure to create, write or close the file throws
// IoError; what was written so far stays.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "reader/text_encoding.h"
#include "report/report_settings.h"

namespace quillot {

// Where the bytes of a report go, in the order written: a file or a string.
class ReportSink {
  public:
    virtual ~ReportSink() = default;
    virtual void Write(const char* data, size_t size) = 0;
    virtual void Close() = 0;
};

// Gives back what the calling thread keeps between reports; called as a
// thread's last step by threads that wrote reports.
void ReleaseThreadReportCache();

class ReportFile {
  public:
    // Opens the report `name` (settings.folder + name, or its text in
    // settings.memory) and writes the three common header lines, plus the
    // paragraph-format line when withParagraphFormat is set.
    ReportFile(const ReportSettings& settings, const char* name, bool withParagraphFormat);
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // Writes the text as it is, without a line end.
    void Write(std::string_view text) {
        if (text.size() > kBufferSize - used_) {
            WriteBeyondBuffer(text);
            return;
        }
        std::char_traits<char>::copy(buffer_.get() + used_, text.data(), text.size());
        used_ += text.size();
    }
    // Writes document text escaped for RTF (EscapeRtf), without a line end.
    void WriteEscaped(std::string_view text, TextEncoding encoding);
    void WriteLine(std::string_view line) {
        Write(line);
        Write("\r\n");
    }
    // Writes the text as paragraphs: each piece ending at a CR becomes a line
    // closed by " \par"; what follows the last CR is cut to at most 9999
    // characters, never inside an escape or control word, and then closes the
    // groups of the text still open there.
    void WriteParagraph(std::string_view text);
    // Writes the trailer and closes the sink.
    void Close();

  private:
    // What is written goes to the sink in pieces of about this size.
    static constexpr size_t kBufferSize = 64 * 1024;

    void WriteBeyondBuffer(std::string_view text);
    void Flush();

    std::unique_ptr<ReportSink> sink_;
    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
    std::string escaped_;  // a piece of document text, escaped
};

}  // namespace quillot
