#include "reader/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "tests/support/reader_fixture.h"

namespace quillot {
namespace {

using test::ReaderTest;

constexpr TextEncoding kUtf8 = TextEncoding::Utf8;
constexpr TextEncoding kSingle = TextEncoding::Windows1252;

// `text` preceded by `count` blanks.
std::string After(size_t count, const std::string& text) {
    return std::string(count, ' ') + text;
}

// Every row is decided on the whole text at once and, through the line
// splitter, on the text fed one byte at a time.
TEST_F(ReaderTest, EncodingIsDecidedByValidityAndDeclaration) {
    const std::string cafe = "<a>caf\xC3\xA9</a>";
    const struct {
        std::string text;
        TextEncoding expected;
    } rows[] = {
        {"", kUtf8},
        {"<a>plain ASCII</a>", kUtf8},
        {cafe, kUtf8},
        {"\xF0\x9F\x98\x80 \xE8\x80\x80 \xD8\xA7", kUtf8},
        {"\xEF\xBB\xBF" + cafe, kUtf8},  // byte-order mark
        {"<a>caf\xE9</a>", kSingle},     // a Windows-1252 byte
        {"\xC0\xAF", kSingle},           // overlong
        {"\xE0\x80\xAF", kSingle},       // overlong
        {"\xED\xA0\x80", kSingle},       // UTF-16 surrogate
        {"\xF4\x90\x80\x80", kSingle},   // above U+10FFFF
        {"\xF5\x80\x80\x80", kSingle},   // lead bytes that start no sequence
        {"\xF6\x80\x80\x80", kSingle},
        {"\xF7\x80\x80\x80", kSingle},
        {"ok \xE2\x82", kSingle},   // cut at the end
        {"\xC3\xA9\x80", kSingle},  // stray continuation byte
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + cafe, kUtf8},
        {"<?xml version='1.0' encoding='UTF-8'?>" + cafe, kUtf8},
        {"<?xml version=\"1.0\" encoding=\"utf8\"?>" + cafe, kUtf8},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + cafe, kSingle},
        {"<?xml encoding='windows-1252'?>" + cafe, kSingle},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + cafe, kSingle},
        {"<?xml version=\"1.0\" encoding \r\n=\t \"latin1\"?>" + cafe, kSingle},
        {"<?xml version=\"1.0\"?>" + cafe, kUtf8},  // no encoding named
        // Only the first match counts; a word without "=" and a quoted name
        // does not match, and the quotes must agree.
        {"<?xml encoding=\"utf-8\" encoding=\"latin1\"?>" + cafe, kUtf8},
        {"<?xml encoding=latin1 encoding=\"koi8-r\"?>" + cafe, kSingle},
        {"<?xml encoding=\"latin1' ?>" + cafe, kUtf8},
        // The declaration ends at "?>", or runs to the end of the file.
        {"<?xml version=\"1.0\"?><a encoding=\"latin1\">caf\xC3\xA9</a>", kUtf8},
        {"<?xml version=\"1.0\"\n<a>caf\xC3\xA9</a> encoding=\"latin1\"", kSingle},
        {"<?xml version=\"1.0\"?><?xml encoding=\"latin1\"?>" + cafe, kUtf8},
        // Only a "<?xml" that lies wholly within the first 1024 bytes.
        {After(1019, "<?xml encoding=\"latin1\"?>") + cafe, kSingle},
        {After(1020, "<?xml encoding=\"latin1\"?>") + cafe, kUtf8},
        {"<?XML encoding=\"latin1\"?>" + cafe, kUtf8},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 60));
        EXPECT_EQ(DetectTextEncoding(row.text), row.expected);
        LineSplitter splitter;
        EXPECT_EQ(SourceEncoding, kSingle);
        for (char c : row.text)
            splitter.Feed(&c, 1);
        splitter.Finish();
        EXPECT_EQ(SourceEncoding, row.expected);
    }
}

}  // namespace
}  // namespace quillot
