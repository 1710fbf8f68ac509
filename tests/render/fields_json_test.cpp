#include "render/fields_json.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "tests/support/reader_fixture.h"

namespace quillot {
namespace {

TEST(FieldsJson, Windows1252BecomesUtf8) {
    EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x80 \x93q\x94 \x81"),
              "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xC2\x81");
    EXPECT_EQ(Windows1252ToUtf8("\xFF"), "\xC3\xBF");
}

TEST(FieldsJson, FileNamesKeepValidUtf8) {
    EXPECT_EQ(FileNameToUtf8("caf\xC3\xA9.xml"), "caf\xC3\xA9.xml");
    EXPECT_EQ(FileNameToUtf8("caf\xE9.xml"), "caf\xC3\xA9.xml");
    EXPECT_EQ(FileNameToUtf8("\xC3"), "\xC3\x83");  // truncated sequence
    EXPECT_EQ(FileNameToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // surrogate
}

TEST(FieldsJson, JsonStringEscapes) {
    EXPECT_EQ(JsonString("a\"b\\c\r\n\t\x01\x1F/"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\\u001f/\"");
    EXPECT_EQ(JsonString(std::string("\0", 1)), "\"\\u0000\"");
}

// AppendJsonText is DocumentTextToUtf8 and JsonString in one pass, for
// chosen texts and for random bytes of every length up to 80.
TEST(FieldsJson, AppendJsonTextIsConversionAndEscaping) {
    std::vector<std::string> texts = {
        "", "plain text", std::string("\0\x01\x1F \"\\\x7F\b\f\t\r\n", 13),
        "caf\xC3\xA9 \xE9 \x80\x9F", "\xF0\x9F\x98\x80 \xED\xA0\x80 \xC3"};
    std::mt19937 random(12);
    for (size_t length = 0; length <= 80; ++length) {
        std::string text(length, ' ');
        for (char& c : text) {
            const unsigned pick = random() % 8;
            c = pick < 5 ? static_cast<char>('a' + pick) : static_cast<char>(random() % 256);
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        for (const TextEncoding encoding : {TextEncoding::Windows1252, TextEncoding::Utf8}) {
            std::string appended = "\"";
            AppendJsonText(appended, text, encoding);
            appended += '"';
            EXPECT_EQ(appended, JsonString(DocumentTextToUtf8(text, encoding))) << text;
        }
    }
}

class FieldsJsonLines : public test::ReaderTest {};

TEST_F(FieldsJsonLines, OneObjectPerField) {
    test::LoadDocumentText(
        "<Program_Name>Caf\xE9 \"X\"</Program_Name><Program_Descriptions><English>"
        "<Char_Desc_2000>one\ntwo</Char_Desc_2000>");
    std::ostringstream out;
    WriteFieldsAsJsonLines(out, "dir/f.xml");
    EXPECT_EQ(out.str(),
              "{\"file\":\"dir/f.xml\",\"tag\":\"Program_Name\",\"number\":24,\"section\":\"\","
              "\"value\":\"Caf\xC3\xA9 \\\"X\\\"\",\"short\":true,\"encoding\":\"Windows-1252\"}\n"
              "{\"file\":\"dir/f.xml\",\"tag\":\"Char_Desc_2000\",\"number\":64,"
              "\"section\":\"English\",\"value\":\"one\\rtwo\",\"short\":true,"
              "\"encoding\":\"Windows-1252\"}\n");
}

// A UTF-8 document's text is passed on once encoded; only a byte outside a
// valid sequence (here one from a named entity) is decoded from Windows-1252.
TEST_F(FieldsJsonLines, Utf8DocumentKeepsItsText) {
    test::LoadDocumentText(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><Program_Descriptions><Fran\xC3\xA7"
        "ais>"
        "<Keywords>caf\xC3\xA9 &eacute; \xF0\x9F\x98\x80</Keywords>");
    std::ostringstream out;
    WriteFieldsAsJsonLines(out, "f.xml");
    EXPECT_EQ(out.str(),
              "{\"file\":\"f.xml\",\"tag\":\"Keywords\",\"number\":59,"
              "\"section\":\"Fran\xC3\xA7"
              "ais\",\"value\":\"caf\xC3\xA9 \xC3\xA9 \xF0\x9F\x98\x80\","
              "\"short\":true,\"encoding\":\"UTF-8\"}\n");
}

}  // namespace
}  // namespace quillot
