#include "fuzz/json_check.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace quillot::fuzz {
namespace {

TEST(JsonCheck, ReadsTheMembersInOrder) {
    JsonObject object;
    std::string error;
    ASSERT_TRUE(
        ReadJsonObject(" {\"a\":\"x\\\"\\\\\\/\\b\\f\\n\\r\\t\\u00e9\\ud83d\\ude00\",\"b\":-0.5e+3,"
                       "\"c\":true,\"d\":false,\"e\":null,\"f\":{\"g\":[1,[]]},\"h\":[]}\n",
                       object, error))
        << error;
    const JsonMember expected[] = {
        {"a", JsonKind::String, "x\"\\/\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80"},
        {"b", JsonKind::Number, "-0.5e+3"},
        {"c", JsonKind::True, "true"},
        {"d", JsonKind::False, "false"},
        {"e", JsonKind::Null, "null"},
        {"f", JsonKind::Object, "{\"g\":[1,[]]}"},
        {"h", JsonKind::Array, "[]"}};
    const std::vector<JsonMember>& members = object.members;
    ASSERT_EQ(members.size(), std::size(expected));
    for (size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(members[i].name, expected[i].name);
        EXPECT_EQ(members[i].kind, expected[i].kind) << i;
        EXPECT_EQ(members[i].text, expected[i].text) << i;
    }
}

TEST(JsonCheck, RejectsWhatIsNotStrictJson) {
    const std::string rows[] = {
        "",
        "[]",
        "\"a\"",
        "{",
        "{}}",
        "{} {}",
        "{\"a\":1,}",
        "{\"a\" 1}",
        "{a:1}",
        "{'a':1}",
        "{\"a\":1,\"a\":2}",
        "{\"a\":{\"b\":1,\"b\":2}}",
        "{\"a\":01}",
        "{\"a\":1.}",
        "{\"a\":.5}",
        "{\"a\":+1}",
        "{\"a\":1e}",
        "{\"a\":-}",
        "{\"a\":tru}",
        "{\"a\":True}",
        "{\"a\":\"\x01\"}",
        "{\"a\":\"\t\"}",
        "{\"a\":\"\\x41\"}",
        "{\"a\":\"\\u12\"}",
        "{\"a\":\"\\ud800\"}",
        "{\"a\":\"\\udc00\"}",
        "{\"a\":\"\\ud800\\u0041\"}",
        "{\"a\":\"\xC3\"}",
        "{\"a\":\"\xC0\xAF\"}",
        "{\"a\":\"\xED\xA0\x80\"}",
        "{\"a\":\"\xF4\x90\x80\x80\"}",
        "{\"a\":\"\xE9\"}",
        "{\"a\":\"x}",
        "{\"a\":[1,]}",
        "{\"a\":1}\x01",
        std::string(70, '[') + std::string(70, ']'),
        "{\"a\":" + std::string(70, '[') + std::string(70, ']') + "}",
    };
    JsonObject object;  // reused, as the fuzz targets do
    for (const std::string& text : rows) {
        std::string error;
        EXPECT_FALSE(ReadJsonObject(text, object, error)) << text;
        EXPECT_NE(error, "") << text;
    }
}

TEST(JsonCheck, StrictUtf8) {
    EXPECT_TRUE(IsStrictUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"));
    for (const char* text : {"\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xBF\xBF", "\xF0\x8F\xBF\xBF",
                             "\xF5\x80\x80\x80", "\xE2\x82", "\xFF"}) {
        EXPECT_FALSE(IsStrictUtf8(text)) << text;
    }
}

}  // namespace
}  // namespace quillot::fuzz
