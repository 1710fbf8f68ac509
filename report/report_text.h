// Report text: RTF, with document text escaped for RTF (AppendEscapedRtf) in
// it. Short document text is escaped as it is added; a long one (a field
// value of any size) stays a view into the document and is escaped only as it
// is written, in pieces, so that a row of values never holds one escaped as a
// whole nor copies it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reader/text_encoding.h"

namespace quillot {

class ReportText {
  public:
    // Document text of at least this many bytes is escaped only as it is written.
    static constexpr size_t kDeferredSize = 1024;

    ReportText() = default;
    ReportText(std::string rtf) : rtf_(std::move(rtf)) {}  // NOLINT: RTF as it stands
    ReportText(const char* rtf) : rtf_(rtf) {}             // NOLINT
    // Document text; a long one must live as long as this text (a field value).
    static ReportText Document(std::string_view text, TextEncoding encoding);
    // Document text that this text keeps itself where it has to.
    static ReportText DocumentCopy(std::string text, TextEncoding encoding);

    bool empty() const { return rtf_.empty() && deferred_.empty(); }

    ReportText& operator+=(const ReportText& other);
    ReportText& operator+=(const char* rtf) {
        rtf_ += rtf;
        return *this;
    }
    friend ReportText operator+(ReportText a, const ReportText& b) {
        a += b;
        return a;
    }
    friend ReportText operator+(ReportText a, const char* rtf) {
        a += rtf;
        return a;
    }
    friend ReportText operator+(const char* rtf, ReportText b) {
        b.Prepend(rtf);
        return b;
    }

    // The whole RTF.
    std::string Rtf() const;

    // A run of RTF, or document text still to be escaped.
    struct Segment {
        std::string_view text;
        bool document = false;
        TextEncoding encoding = TextEncoding::Windows1252;
    };
    // The text as segments, in order; RTF alone (no document text is still
    // to be escaped) is one segment.
    std::vector<Segment> Segments() const;
    bool IsRtfOnly() const { return deferred_.empty(); }
    std::string_view RtfOnly() const { return rtf_; }  // the text, when IsRtfOnly()

  private:
    void Prepend(std::string_view rtf);

    struct Deferred {
        size_t at;                // where it stands in rtf_
        std::string_view shared;  // the text, kept by the document
        std::string owned;        // or the text itself
        TextEncoding encoding;

        std::string_view Text() const { return owned.empty() ? shared : owned; }
    };

    std::string rtf_;
    std::vector<Deferred> deferred_;
};

// The value runs: "{\cf2\b " + text + "}" and "{\cf2 " + text + "}".
ReportText StrongValueRun(ReportText text);
ReportText ValueRun(ReportText text);

}  // namespace quillot
