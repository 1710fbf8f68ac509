#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "settings/ini_integer.h"

namespace quillot {
namespace {

TEST(IniInteger, AcceptedTexts) {
    const struct {
        const char* text;
        int32_t expected;
    } rows[] = {
        {"42", 42},
        {"  42", 42},
        {"0", 0},
        {"-0", 0},
        {"+7", 7},
        {"-5", -5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483647", -2147483647},
        {"$FF", 255},
        {"$ff", 255},
        {"$0", 0},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$000000000FF", 255},
        {"00000000000000000012", 12},
    };
    for (const auto& row : rows) {
        int32_t value = 12345;
        EXPECT_TRUE(ParseIniInteger(row.text, value)) << '"' << row.text << '"';
        EXPECT_EQ(value, row.expected) << '"' << row.text << '"';
    }
}

TEST(IniInteger, RejectedTextsLeaveTheValueAlone) {
    const char* const rows[] = {
        "",
        "   ",
        "12abc",
        "4.5",
        "$",
        "42 ",
        "\t42",
        "2147483648",
        "-2147483648",
        "-",
        "+",
        "- 5",
        "$100000000",
        "$-1",
        "-$1",
        "$FG",
        "0x10",
        "1e3",
        "99999999999999999999",
        "4 2",
        "+-1",
        "\xB9",
    };
    for (const char* text : rows) {
        int32_t value = 12345;
        EXPECT_FALSE(ParseIniInteger(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 12345) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace quillot
