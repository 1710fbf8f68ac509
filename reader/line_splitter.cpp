#include "reader/line_splitter.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "reader/byte_scan.h"
#include "reader/file_system.h"
#include "reader/pad_document.h"

namespace quillot {

void AddSourceLine(std::string_view line) {
    SourceLines.Add(line);
}

LineSplitter::LineSplitter() {
    SourceLines.Clear();
    SourceEncoding = TextEncoding::Windows1252;
}

namespace {

constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";

// Whether the "<" at p, with the bytes after it that [p, end) holds (up to
// three), is "<!--" or the beginning of it. Most "<" open a tag, and the
// byte after them tells.
inline bool MayOpenComment(const char* p, const char* end) {
    const ptrdiff_t left = end - p;
    if (left < 2) return true;
    if (p[1] != '!') return false;
    return (left < 3 || p[2] == '-') && (left < 4 || p[3] == '-');
}

// The end of the first "-->" in [p, end), or nullptr.
const char* FindCommentClose(const char* p, const char* end) {
    const std::string_view text(p, static_cast<size_t>(end - p));
    const size_t at = text.find(kCommentClose);
    return at == std::string_view::npos ? nullptr : p + at + kCommentClose.size();
}

}  // namespace

void LineSplitter::Feed(const char* data, size_t size) {
    encoding_.Feed(data, size);
    const char* const end = data + size;
    const char* p = data;
    if (!held_.empty()) {
        p = ContinueHeld(p, end);
        if (!held_.empty()) return;
    }
    Cut(p, end);
}

void LineSplitter::Cut(const char* p, const char* end) {
    LineTable& lines = CurrentSourceLines();
    const char* run = p;  // start of the bytes not yet handed to the open line
    const bool comments = !noComments_;
    for (p = FindFirstOfThree(p, end, '\r', '\n', '<'); p != end;
         p = FindFirstOfThree(p, end, '\r', '\n', '<')) {
        if (*p == '<' && comments && MayOpenComment(p, end)) {
            // The text before a comment goes on after it, on the same line.
            lines.AppendToOpenLine(run, static_cast<size_t>(p - run));
            const char* close = static_cast<size_t>(end - p) >= kCommentOpen.size()
                                    ? FindCommentClose(p + kCommentOpen.size(), end)
                                    : nullptr;
            if (close == nullptr) {
                held_.assign(p, static_cast<size_t>(end - p));
                inComment_ = held_.size() >= kCommentOpen.size();
                return;
            }
            p = run = close;
            continue;
        }
        lines.EndOpenLineWith(run, static_cast<size_t>(p - run));
        if (*p == '<') lines.AppendToOpenLine('<');
        run = ++p;
    }
    lines.AppendToOpenLine(run, static_cast<size_t>(end - run));
}

const char* LineSplitter::ContinueHeld(const char* p, const char* end) {
    if (!inComment_) {
        // A "<" at the end of the last block, with perhaps "!" or "!-".
        while (held_.size() < kCommentOpen.size() && p != end && *p == kCommentOpen[held_.size()])
            held_.push_back(*p++);
        if (held_.size() < kCommentOpen.size()) {
            if (p == end) return end;  // still undecided
            // A plain "<": it starts a line, with what followed it.
            LineTable& lines = CurrentSourceLines();
            lines.EndOpenLine();
            lines.AppendToOpenLine(held_.data(), held_.size());
            held_.clear();
            return p;
        }
        inComment_ = true;
    }
    const char* close = CommentEndAfterHeld(p, end);
    if (close == nullptr) {
        held_.append(p, static_cast<size_t>(end - p));
        return end;
    }
    held_.clear();
    inComment_ = false;
    return close;
}

const char* LineSplitter::CommentEndAfterHeld(const char* p, const char* end) const {
    // A "-->" that begins in the last two held bytes (never inside the
    // "<!--" itself) and ends in the new ones.
    const size_t tailStart =
        std::max(kCommentOpen.size(), held_.size() - std::min<size_t>(held_.size(), 2));
    std::string joint = held_.substr(tailStart);
    const size_t tail = joint.size();
    joint.append(p, std::min<size_t>(static_cast<size_t>(end - p), 2));
    const size_t at = joint.find(kCommentClose);
    if (at != std::string::npos) return p + (at + kCommentClose.size() - tail);
    return FindCommentClose(p, end);
}

void LineSplitter::Finish() {
    if (!held_.empty()) {
        // No "-->" came: the held bytes are text, and so is every "<!--" in them.
        noComments_ = true;
        const std::string held = std::move(held_);
        held_.clear();
        inComment_ = false;
        Cut(held.data(), held.data() + held.size());
    }
    SourceLines.EndOpenLine();
    SourceEncoding = encoding_.Result();
}

namespace {
// Blocks read from the file with one call.
constexpr size_t kReadBlocks = 32;
}  // namespace

bool ReadSourceLines(const std::string& fileName) {
    LineSplitter splitter;
    if (!IsExistingFile(fileName)) return false;
    InputFile file(fileName);
    // The lines hold the file's bytes and an LF after each line: room for
    // them at once spares the copies of a growing buffer on large files. An
    // eighth more covers lines of eight bytes; only files of shorter lines
    // still grow the buffer. A file larger than the memory fails right here.
    const size_t size = file.SizeHint();
    const size_t room = size + size / 8 + 2;
    SourceLines.Reserve(room > size ? room : std::numeric_limits<size_t>::max());
    // The system is asked for many blocks at a time: one call per file
    // instead of one per block for most PAD files.
    std::unique_ptr<char[]> blocks(new char[kReadBlocks * ReadBlockSize]);
    try {
        for (;;) {
            const size_t got = file.Read(blocks.get(), kReadBlocks * ReadBlockSize);
            if (got == 0) break;
            for (size_t at = 0; at < got; at += ReadBlockSize)
                splitter.Feed(blocks.get() + at, std::min(ReadBlockSize, got - at));
        }
    } catch (...) {
        SourceLines.DiscardOpenLine();
        throw;
    }
    splitter.Finish();
    file.Close();
    return true;
}

}  // namespace quillot
