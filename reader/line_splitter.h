// Cuts a PAD file into SourceLines so that every tag starts a line of its
// own: each line is trimmed, not empty, free of CR and LF, and holds at most
// one "<", as its first character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "reader/text_encoding.h"

namespace quillot {

// Fills SourceLines from the file and returns whether the file exists (a
// folder does not count). A file that exists but cannot be opened, read or
// closed throws IoError; the lines stored before the failure stay.
bool ReadSourceLines(const std::string& fileName);

// Appends one line to SourceLines.
void AddSourceLine(std::string_view line);

// The splitter itself, fed block by block; blocks may cut the text anywhere.
// It also decides SourceEncoding from the bytes it sees (comments included).
//
// XML comments are no text: a "<!--" together with the first "-->" that
// begins after it is left out, line ends and all, before the lines are cut,
// so that "My<!-- x -->Tool" reads as "MyTool". A "<!--" that no "-->"
// follows in the rest of the file is no comment and stays.
class LineSplitter {
  public:
    LineSplitter();  // empties SourceLines; SourceEncoding single-byte
    void Feed(const char* data, size_t size);
    void Finish();  // ends the last line and sets SourceEncoding

  private:
    // Cuts bytes into lines, leaving out the comments that end within them;
    // from a comment that does not, or a "<" that may begin one, on, the
    // bytes are held.
    void Cut(const char* p, const char* end);
    // Goes on with the held bytes; returns where cutting resumes (end while
    // the bytes are still held).
    const char* ContinueHeld(const char* p, const char* end);
    // A comment that began in the held bytes: where its "-->" ends in
    // [p, end), or nullptr.
    const char* CommentEndAfterHeld(const char* p, const char* end) const;

    EncodingDetector encoding_;
    // The bytes from a "<" on that may begin a comment ("<", "<!", "<!-"),
    // or from a "<!--" on while its "-->" has not come.
    std::string held_;
    bool inComment_ = false;   // held_ begins with a whole "<!--"
    bool noComments_ = false;  // at the end of the file: no "-->" is left to come
};

// Size of the blocks in which ReadSourceLines hands its file to the splitter.
constexpr size_t ReadBlockSize = 2048;

}  // namespace quillot
