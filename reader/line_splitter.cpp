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

void LineSplitter::Feed(const char* data, size_t size) {
    encoding_.Feed(data, size);
    LineTable& lines = CurrentSourceLines();
    const char* const end = data + size;
    const char* run = data;  // start of the bytes not yet handed to the open line
    for (const char* p = FindFirstOfThree(data, end, '\r', '\n', '<'); p != end;
         p = FindFirstOfThree(p + 1, end, '\r', '\n', '<')) {
        lines.EndOpenLineWith(run, static_cast<size_t>(p - run));
        if (*p == '<') lines.AppendToOpenLine('<');
        run = p + 1;
    }
    lines.AppendToOpenLine(run, static_cast<size_t>(end - run));
}

void LineSplitter::Finish() {
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
