#include "report/report_text.h"

#include <utility>

#include "report/rtf_text.h"

namespace quillot {

ReportText ReportText::Document(std::string_view text, TextEncoding encoding) {
    ReportText result;
    if (text.size() < kDeferredSize) {
        AppendEscapedRtf(result.rtf_, text, encoding);
    } else {
        result.deferred_.push_back(Deferred{0, text, std::string(), encoding});
    }
    return result;
}

ReportText ReportText::DocumentCopy(std::string text, TextEncoding encoding) {
    if (text.size() < kDeferredSize) return Document(text, encoding);
    ReportText result;
    result.deferred_.push_back(Deferred{0, std::string_view(), std::move(text), encoding});
    return result;
}

ReportText& ReportText::operator+=(const ReportText& other) {
    for (const Deferred& piece : other.deferred_) {
        deferred_.push_back(piece);
        deferred_.back().at += rtf_.size();
    }
    rtf_.append(other.rtf_);
    return *this;
}

void ReportText::Prepend(std::string_view rtf) {
    rtf_.insert(0, rtf);
    for (Deferred& piece : deferred_)
        piece.at += rtf.size();
}

std::vector<ReportText::Segment> ReportText::Segments() const {
    std::vector<Segment> segments;
    size_t done = 0;
    for (const Deferred& piece : deferred_) {
        if (piece.at > done)
            segments.push_back(Segment{std::string_view(rtf_).substr(done, piece.at - done)});
        segments.push_back(Segment{piece.Text(), true, piece.encoding});
        done = piece.at;
    }
    if (done < rtf_.size() || segments.empty())
        segments.push_back(Segment{std::string_view(rtf_).substr(done)});
    return segments;
}

std::string ReportText::Rtf() const {
    std::string rtf;
    for (const Segment& segment : Segments()) {
        if (segment.document) {
            AppendEscapedRtf(rtf, segment.text, segment.encoding);
        } else {
            rtf.append(segment.text);
        }
    }
    return rtf;
}

ReportText StrongValueRun(ReportText text) {
    return "{\\cf2\\b " + std::move(text) + "}";
}

ReportText ValueRun(ReportText text) {
    return "{\\cf2 " + std::move(text) + "}";
}

}  // namespace quillot
