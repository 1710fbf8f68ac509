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
// It also decides SourceEncoding from the bytes it sees.
class LineSplitter {
  public:
    LineSplitter();  // empties SourceLines; SourceEncoding single-byte
    void Feed(const char* data, size_t size);
    void Finish();  // ends the last line and sets SourceEncoding

  private:
    EncodingDetector encoding_;
};

// Size of the blocks in which ReadSourceLines hands its file to the splitter.
constexpr size_t ReadBlockSize = 2048;

}  // namespace quillot
