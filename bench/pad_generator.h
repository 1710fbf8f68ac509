// Large PAD files for the benchmarks: a complete, realistic document whose
// Program_Descriptions element holds as many language sections (keywords and
// the five descriptions, the long ones over several lines, with entities) as
// it takes to reach the requested size.
#pragma once

#include <cstddef>
#include <string>

namespace quillot::bench {

// The document text, at least `minBytes` long, with CR LF line ends.
std::string GeneratePadText(size_t minBytes);

// Writes GeneratePadText(minBytes) to the path; returns the size written.
size_t WritePadFile(const std::string& path, size_t minBytes);

// Files of the shapes that cost the reader the most memory for their size.
enum class MemoryShape {
    // One short field per line: <Program_Name>x</Program_Name> and CR LF.
    TinyFields,
    // Inside Program_Descriptions an unknown tag with a name of 100,000
    // characters, which becomes the section of every later field, then
    // <EULA>x</EULA> lines.
    LongSectionName,
    // A field every 8 bytes: <EULA/>x, over and over.
    DensestFields,
    // A line for every byte: "<", over and over.
    DensestLines,
    // One Char_Desc_2000 value that fills the file: lines of text with an
    // entity in each.
    OneLargeValue,
    // One Char_Desc_2000 value on a single line made only of "\", "{" and
    // "}", each of which the reports escape as two characters.
    RtfSpecialsValue,
    // The same in a UTF-8 file, made of Chinese characters (three bytes, a
    // "\uN?" escape of up to nine characters each) and of emoji (four bytes,
    // two such escapes of 18 characters together).
    ChineseValue,
    EmojiValue,
    // A comment that fills the file, and a "<!--" that nothing closes
    // before the text lines of the file: the splitter holds the bytes from
    // the "<!--" on until it knows which of the two it has.
    LongComment,
    UnclosedComment,
};

// The shape's text, at least `minBytes` long.
std::string GenerateShapeText(MemoryShape shape, size_t minBytes);

// The size of the LongSectionName file with this many EULA lines.
size_t LongSectionNameBytes(size_t eulaLines);

// Writes the text to the path; throws when it cannot.
void WriteTextFile(const std::string& path, const std::string& text);

}  // namespace quillot::bench
