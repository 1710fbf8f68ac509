#include "report/report_paragraph.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "report/rtf_text.h"

namespace quillot {
namespace {

using Segment = ReportText::Segment;

constexpr size_t kLastPieceLimit = 9999;
// Document text is escaped this much at a time.
constexpr size_t kEscapePiece = 64 * 1024;
// A token is never longer than this within the reports' text; the cut
// reads this much beyond the limit so that it never sees one in part.
constexpr size_t kLongestToken = 64;
constexpr std::string_view kParagraphEnd = " \\par\r\n";

// The escaped text of the segments as runs of RTF, in order: RTF as it
// stands, document text escaped piece by piece (each piece ends before an
// ASCII byte, so it holds whole escapes only). Stops when `take` returns
// false.
template <typename Take>
void ForEachRun(const std::vector<Segment>& segments, std::string& scratch, Take take) {
    for (const Segment& segment : segments) {
        if (!segment.document) {
            if (!take(segment.text)) return;
            continue;
        }
        for (std::string_view rest = segment.text; !rest.empty();) {
            const size_t piece = EscapePieceLength(rest, kEscapePiece);
            scratch.clear();
            AppendEscapedRtf(scratch, rest.substr(0, piece), segment.encoding);
            if (!take(std::string_view(scratch))) return;
            rest.remove_prefix(piece);
        }
    }
}

int Groups(std::string_view rtf) {
    int groups = 0;
    for (size_t at = 0; at < rtf.size();) {
        const RtfToken token = RtfTokenAt(rtf, at);
        groups += token.groups;
        at += token.length;
    }
    return groups;
}

// Where the text's last CR stands, or npos: found from the front, a few
// large steps for text of a few lines.
size_t LastCr(std::string_view text) {
    size_t last = std::string_view::npos;
    for (size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1))
        last = cr;
    return last;
}

// Writes text up to and including a paragraph's last CR: every CR ends a line.
void WriteLines(ReportFile& file, std::string_view text) {
    for (size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r')) {
        file.Write(text.substr(0, cr));
        file.Write(kParagraphEnd);
        text.remove_prefix(cr + 1);
    }
    file.Write(text);
}

// The last piece, of which `head` holds the start (all of it, or more than
// the limit), as the longest run of whole tokens from its start that fits
// the limit, so no escape is split, and a "}" for every group of the text
// still open at the cut (`open` before the piece), so nothing after it stays
// inside one.
void WriteCutPiece(ReportFile& file, std::string_view head, int open) {
    size_t at = 0;
    while (at < head.size()) {
        const RtfToken token = RtfTokenAt(head, at);
        if (at + token.length > kLastPieceLimit) break;
        open += token.groups;
        at += token.length;
    }
    file.Write(head.substr(0, at));
    file.Write(std::string(static_cast<size_t>(std::max(open, 0)), '}'));
    file.Write(kParagraphEnd);
}

// Splits the segments after the last CR: `body` ends with it, `tail` holds
// what follows. False when no segment holds a CR (escaping keeps every CR
// and makes none).
bool SplitAfterLastCr(const std::vector<Segment>& segments, std::vector<Segment>& body,
                      std::vector<Segment>& tail) {
    for (size_t i = segments.size(); i-- > 0;) {
        const Segment& segment = segments[i];
        const size_t cr = LastCr(segment.text);
        if (cr == std::string_view::npos) continue;
        body.assign(segments.begin(), segments.begin() + static_cast<std::ptrdiff_t>(i));
        body.push_back(Segment{segment.text.substr(0, cr + 1), segment.document, segment.encoding});
        tail.clear();
        if (cr + 1 < segment.text.size()) {
            tail.push_back(
                Segment{segment.text.substr(cr + 1), segment.document, segment.encoding});
        }
        tail.insert(tail.end(), segments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                    segments.end());
        return true;
    }
    return false;
}

}  // namespace

void WriteParagraph(ReportFile& file, std::string_view rtf) {
    const size_t lastCr = LastCr(rtf);
    if (lastCr == std::string_view::npos) {
        // No CR: the whole text is one line, however long.
        file.Write(rtf);
        file.Write(kParagraphEnd);
        return;
    }
    WriteLines(file, rtf.substr(0, lastCr + 1));
    const std::string_view last = rtf.substr(lastCr + 1);
    if (last.size() > kLastPieceLimit) {
        WriteCutPiece(file, last, Groups(rtf.substr(0, lastCr + 1)));
    } else if (!last.empty()) {
        file.Write(last);
        file.Write(kParagraphEnd);
    }
}

// The same for text whose long document text is escaped run by run as it is
// written. Each run is whole escapes and RTF, so that the tokens and groups
// of the runs are those of the whole text.
void WriteParagraph(ReportFile& file, const ReportText& text) {
    if (text.IsRtfOnly()) {
        WriteParagraph(file, text.RtfOnly());
        return;
    }
    const std::vector<Segment> segments = text.Segments();
    std::string scratch;
    std::vector<Segment> body;
    std::vector<Segment> last;
    const auto write = [&](std::string_view run) {
        file.Write(run);
        return true;
    };
    if (!SplitAfterLastCr(segments, body, last)) {
        ForEachRun(segments, scratch, write);
        file.Write(kParagraphEnd);
        return;
    }
    // The start of the last piece, as much as the cut may need of it.
    std::string head;
    ForEachRun(last, scratch, [&](std::string_view run) {
        head.append(run.substr(0, kLastPieceLimit + kLongestToken - head.size()));
        return head.size() < kLastPieceLimit + kLongestToken;
    });
    const bool cut = head.size() > kLastPieceLimit;
    int open = 0;
    ForEachRun(body, scratch, [&](std::string_view run) {
        if (cut) open += Groups(run);
        WriteLines(file, run);
        return true;
    });
    if (cut) {
        WriteCutPiece(file, head, open);
    } else if (!head.empty()) {
        file.Write(head);
        file.Write(kParagraphEnd);
    }
}

}  // namespace quillot
