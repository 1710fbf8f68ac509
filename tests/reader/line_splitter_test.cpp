#include "reader/line_splitter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "reader/io_error.h"
#include "reader/pad_document.h"
#include "tests/support/reader_fixture.h"
#include "tests/support/test_files.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillot {
namespace {

using test::ReaderTest;
using test::SourceLinesAsVector;
using Lines = std::vector<std::string>;

Lines Split(std::string_view text, size_t blockSize) {
    LineSplitter splitter;
    for (size_t at = 0; at < text.size(); at += blockSize) {
        splitter.Feed(text.data() + at, std::min(blockSize, text.size() - at));
    }
    splitter.Finish();
    return SourceLinesAsVector();
}

Lines Split(std::string_view text) {
    return Split(text, text.size() + 1);
}

TEST_F(ReaderTest, EveryTagStartsALine) {
    const struct {
        std::string text;
        Lines expected;
    } rows[] = {
        {"  <Program_Name>My Tool</Program_Name>\r\n<Program_Version>1.0</Program_Version>",
         {"<Program_Name>My Tool", "</Program_Name>", "<Program_Version>1.0",
          "</Program_Version>"}},
        {"<A><B>", {"<A>", "<B>"}},
        {"<Char_Desc_2000>one\n  two  \nthree</Char_Desc_2000>",
         {"<Char_Desc_2000>one", "two", "three", "</Char_Desc_2000>"}},
        {"a < b", {"a", "< b"}},
        {"text only", {"text only"}},
        {"<", {"<"}},
        {std::string("x\t\0y\0", 5), {std::string("x\t\0y", 4)}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Split(row.text), row.expected) << row.text;
}

TEST_F(ReaderTest, LineEndsOfEveryKindGiveTheSameLines) {
    const Lines expected = {"<a>1", "</a>", "text", "<b>"};
    for (const char* text : {"<a>1</a>\r\ntext\r\n<b>", "<a>1</a>\ntext\n<b>\n",
                             "<a>1</a>\rtext\r<b>\r", "<a>1</a>\n\rtext\n\n\n\r\n<b>"}) {
        EXPECT_EQ(Split(text), expected);
    }
}

TEST_F(ReaderTest, BlankInputGivesNoLines) {
    EXPECT_TRUE(Split("").empty());
    EXPECT_TRUE(Split(" \r\n\t\n  \r").empty());
}

TEST_F(ReaderTest, ByteOrderMarkAndUtf8PassThrough) {
    EXPECT_EQ(Split("\xEF\xBB\xBF<a>caf\xC3\xA9"), (Lines{"\xEF\xBB\xBF", "<a>caf\xC3\xA9"}));
}

TEST_F(ReaderTest, BlockBoundariesDoNotChangeTheLines) {
    const std::string text =
        "<?xml version=\"1.0\"?>\r\n<XML_DIZ_INFO>\r\n  <Program_Name>Tool</Program_Name>\r\n"
        "<Char_Desc_80>a\r\n\r\nb &amp; c</Char_Desc_80>\n\r<x/>";
    const Lines whole = Split(text);
    for (size_t block = 1; block <= 9; ++block)
        EXPECT_EQ(Split(text, block), whole) << block;
}

TEST_F(ReaderTest, CommentsAreLeftOutBeforeLinesAreCut) {
    const struct {
        std::string text;
        Lines expected;
    } rows[] = {
        {"My<!-- x -->Tool", {"MyTool"}},
        {"<a>1<!-- one\r\n<b>two</b>\n -->2</a>", {"<a>12", "</a>"}},
        {"a\n<!-- x -->\nb", {"a", "b"}},
        {"<!---->x", {"x"}},
        {"<!-->x-->y", {"y"}},
        {"<!--->x-->y", {"y"}},
        {"<!-- a --><!-- b -->c", {"c"}},
        {"a<!-- <!-- -->b-->", {"ab-->"}},
        {"<a><!-- never closed\n<b>", {"<a>", "<!-- never closed", "<b>"}},
        {"<!-- x --><!-- y", {"<!-- y"}},
        {"<!-", {"<!-"}},
        {"<!-x<!", {"<!-x", "<!"}},
    };
    for (const auto& row : rows) {
        const Lines whole = Split(row.text);
        EXPECT_EQ(whole, row.expected) << row.text;
        for (size_t block = 1; block <= 8; ++block)
            EXPECT_EQ(Split(row.text, block), whole) << row.text << " in blocks of " << block;
    }
}

TEST_F(ReaderTest, CommentsGiveTheSameLinesForEveryBlockSize) {
    // Comments and their marks on block edges of every size that the fuzz
    // target uses, the file reader's among them.
    std::string text = std::string(2046, 'x') + "<!-- a\r\n<b>c</b> -->d<e>";
    for (int i = 0; i < 40; ++i)
        text += "f<!-" + std::string(i % 7, '-') + "->g<!-- " + std::string(i, '-') + "-->h\n";
    const Lines whole = Split(text);
    ASSERT_EQ(whole.front(), std::string(2046, 'x') + "d");
    for (const size_t block : {size_t{1}, size_t{2}, size_t{3}, size_t{64}, ReadBlockSize}) {
        EXPECT_EQ(Split(text, block), whole) << block;
    }
    for (size_t block = 4; block < 64; ++block)
        EXPECT_EQ(Split(text, block), whole) << block;
}

class ReadSourceLinesTest : public ReaderTest {
  protected:
    test::TempFolder folder_;
};

TEST_F(ReadSourceLinesTest, MissingFileAndFolderReadAsNoDocument) {
    AddSourceLine("stale");
    EXPECT_FALSE(ReadSourceLines(folder_.File("absent.xml")));
    EXPECT_EQ(SourceLines.Count(), 0u);
    EXPECT_FALSE(ReadSourceLines(folder_.Path()));
    EXPECT_FALSE(ReadSourceLines(""));
}

TEST_F(ReadSourceLinesTest, EmptyFileExistsWithoutLines) {
    EXPECT_TRUE(ReadSourceLines(folder_.Write("empty.xml", "")));
    EXPECT_EQ(SourceLines.Count(), 0u);
    EXPECT_TRUE(ReadSourceLines(folder_.Write("blank.xml", "  \r\n\r\n\t")));
    EXPECT_EQ(SourceLines.Count(), 0u);
}

TEST_F(ReadSourceLinesTest, LineEndOnTheBlockBoundaryIsOneLineEnd) {
    // A CR as byte 2048 and its LF as byte 2049 of the file.
    std::string text = "<a>" + std::string(2044, 'x') + "\r\n<b>";
    ASSERT_EQ(text[ReadBlockSize - 1], '\r');
    ASSERT_TRUE(ReadSourceLines(folder_.Write("boundary.xml", text)));
    EXPECT_EQ(SourceLinesAsVector(), (Lines{"<a>" + std::string(2044, 'x'), "<b>"}));

    // A "<" as byte 2049 and text up to the end without a line end.
    text = std::string(2048, 'y') + "<c>last";
    ASSERT_TRUE(ReadSourceLines(folder_.Write("lt.xml", text)));
    EXPECT_EQ(SourceLinesAsVector(), (Lines{std::string(2048, 'y'), "<c>last"}));
}

TEST_F(ReadSourceLinesTest, CommentAcrossTheBlockBoundaryIsLeftOut) {
    // "<!--" from byte 2047 on, "-->" from byte 4095 on.
    const std::string text = std::string(2046, 'y') + "<!--" + std::string(2044, 'z') + "-->" + "w";
    ASSERT_TRUE(ReadSourceLines(folder_.Write("comment.xml", text)));
    EXPECT_EQ(SourceLinesAsVector(), (Lines{std::string(2046, 'y') + "w"}));
}

TEST_F(ReadSourceLinesTest, LargeFileLoadsWhole) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "<Keywords>k" + std::to_string(i) + "</Keywords>\n";
    ASSERT_TRUE(ReadSourceLines(folder_.Write("big.xml", text)));
    ASSERT_EQ(SourceLines.Count(), 10000u);
    EXPECT_EQ(SourceLines[9998], "<Keywords>k4999");
}

TEST_F(ReadSourceLinesTest, ReadOnlyFileReadsLikeAnyOther) {
    const std::string path = folder_.Write("ro.xml", "<a>1");
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
#else
    chmod(path.c_str(), 0444);
#endif
    EXPECT_TRUE(ReadSourceLines(path));
    EXPECT_EQ(SourceLinesAsVector(), (Lines{"<a>1"}));
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
}

TEST_F(ReadSourceLinesTest, UnreadableFileRaisesTheSystemError) {
#ifdef _WIN32
    // Another handle holds the file without sharing it.
    const std::string path = folder_.Write("locked.xml", "<a>1");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    try {
        ReadSourceLines(path);
        ADD_FAILURE() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(error.Code(), ERROR_SHARING_VIOLATION);
        EXPECT_STREQ(error.what(), "I/O error 32");
    }
    CloseHandle(lock);
#else
    // Reading this file from offset 0 fails with EIO.
    EXPECT_THROW(ReadSourceLines("/proc/self/mem"), IoError);
#endif
}

TEST(IoErrorTextTest, KnownCodesHaveTheirTexts) {
    EXPECT_EQ(IoErrorText(2), "File not found");
    EXPECT_EQ(IoErrorText(3), "Invalid filename");
    EXPECT_EQ(IoErrorText(4), "Too many open files");
    EXPECT_EQ(IoErrorText(5), "File access denied");
    EXPECT_EQ(IoErrorText(100), "Read beyond end of file");
    EXPECT_EQ(IoErrorText(112), "Disk full");
    EXPECT_EQ(IoErrorText(32), "I/O error 32");
}

}  // namespace
}  // namespace quillot
