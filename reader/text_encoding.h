// The two encodings a document's text can have and how a file's bytes choose
// between them, plus the UTF-8 sequences that the report writers, the Source
// view and quillot-render take apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

enum class TextEncoding {
    Windows1252,  // single-byte text, passed on byte for byte
    Utf8,
};

// The length (2, 3 or 4) of the complete, valid multi-byte UTF-8 sequence that
// starts at text[pos], with its code point in `codePoint`; 0 when none starts
// there (an ASCII byte, a stray or overlong form, a surrogate, a code point
// above U+10FFFF, or a sequence cut short).
size_t Utf8SequenceAt(std::string_view text, size_t pos, uint32_t& codePoint);

// True when the whole text is valid UTF-8.
bool IsValidUtf8(std::string_view text);

// Writes the UTF-8 bytes of a code point (at most U+10FFFF) to `out`, which
// has room for four; returns how many.
size_t EncodeUtf8(uint32_t codePoint, char* out);

// The code point of a Windows-1252 byte; the five bytes that Windows-1252
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls
// of the same number.
uint32_t Windows1252CodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, or -1 when it has none: the reverse
// of Windows1252CodePoint.
int Windows1252ByteOf(uint32_t codePoint);

// The character of document text that starts at text[pos], as a code point,
// and its length in bytes: in UTF-8 text a complete, valid sequence; any
// other byte, and every byte of single-byte text, one character read as
// Windows-1252.
inline size_t DocumentCharacterAt(std::string_view text, size_t pos, TextEncoding encoding,
                                  uint32_t& codePoint) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80) {
        codePoint = byte;
        return 1;
    }
    if (encoding == TextEncoding::Utf8) {
        const size_t length = Utf8SequenceAt(text, pos, codePoint);
        if (length != 0) return length;
    }
    codePoint = Windows1252CodePoint(byte);
    return 1;
}

// The code point as UTF-8, appended to `out` (up to U+10FFFF).
void AppendUtf8(std::string& out, uint32_t codePoint);
// One Windows-1252 byte as UTF-8, appended to `out` (the five unassigned
// bytes map to the C1 controls of the same number).
void AppendWindows1252AsUtf8(std::string& out, char byte);
// Windows-1252 text as UTF-8.
std::string Windows1252ToUtf8(std::string_view text);
// Valid UTF-8 text in Windows-1252, when that code page holds every one of
// its characters (the reverse of Windows1252ToUtf8); false otherwise, and
// `out` is then unspecified.
bool Utf8ToWindows1252(std::string_view utf8, std::string& out);

// Decides the encoding of a file that is fed to it in blocks of any size. The
// file is UTF-8 when all of it is valid UTF-8 and it does not declare another
// encoding. It declares one when the first "<?xml" lying wholly within its
// first 1024 bytes opens a declaration (up to the next "?>", or to the end of
// the file) whose first match of `encoding`, white space, "=", white space and
// a quoted name gives a name other than "utf-8" or "utf8" (ignoring case).
class EncodingDetector {
  public:
    void Feed(const char* data, size_t size);
    // The decision for the bytes fed so far, taken as the whole file.
    TextEncoding Result() const;

  private:
    void FeedValidity(const unsigned char* p, const unsigned char* end);
    void FeedDeclaration(unsigned char byte);
    void FeedEncodingMatch(unsigned char byte);

    // UTF-8 validity: the continuation bytes still due and the range the next
    // one must lie in.
    bool valid_ = true;
    int due_ = 0;
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;

    // The declaration.
    enum class Stage { SeekingXml, InDeclaration, Done };
    Stage stage_ = Stage::SeekingXml;
    size_t offset_ = 0;       // bytes fed to FeedDeclaration so far
    size_t xmlMatched_ = 0;   // characters of "<?xml" matched
    size_t wordMatched_ = 0;  // characters of "encoding" matched
    bool afterQuestion_ = false;

    // The matches begun at the occurrences of the word, oldest first. The
    // first match is the oldest one that completes; a younger one that
    // completes first is kept as `younger_` until the older ones fail.
    struct Attempt {
        enum class Step { BeforeEquals, AfterEquals, InName } step = Step::BeforeEquals;
        unsigned char quote = 0;
        size_t length = 0;
        char name[5] = {};  // its first five characters, lower case
    };
    enum class Outcome { Open, Failed, Utf8Name, OtherName };
    static Outcome Advance(Attempt& attempt, unsigned char byte);
    void Decide(Outcome outcome);

    std::vector<Attempt> attempts_;
    Outcome younger_ = Outcome::Open;
    bool declaresOther_ = false;
};

// The encoding of a whole file's text (EncodingDetector in one block).
TextEncoding DetectTextEncoding(std::string_view text);

}  // namespace quillot
