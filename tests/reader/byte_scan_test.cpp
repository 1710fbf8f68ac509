#include "reader/byte_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace quillot {
namespace {

// Each search finds what a plain scan finds, from every start to every end
// of random texts in which the wanted bytes are rare or frequent.
TEST(ByteScan, FindsWhatAPlainScanFinds) {
    const struct {
        const char* name;
        const char* (*find)(const char*, const char*);
        bool (*wanted)(unsigned char);
    } searches[] = {
        {"three",
         [](const char* b, const char* e) { return FindFirstOfThree(b, e, '\r', '\n', '<'); },
         [](unsigned char c) { return c == '\r' || c == '\n' || c == '<'; }},
        {"three or high",
         [](const char* b, const char* e) { return FindFirstOfThreeOrHigh(b, e, '\\', '{', '}'); },
         [](unsigned char c) { return c == '\\' || c == '{' || c == '}' || c >= 0x80; }},
        {"json", FindFirstJsonSpecial,
         [](unsigned char c) { return c < 0x20 || c == '"' || c == '\\' || c >= 0x80; }},
        {"high", FindFirstHigh, [](unsigned char c) { return c >= 0x80; }},
    };
    std::mt19937 random(7);
    for (const unsigned rarity : {2u, 40u, 1000u}) {
        std::string text(70, ' ');
        for (char& c : text)
            c = random() % rarity == 0 ? static_cast<char>(random() % 256) : 'a';
        const char* const data = text.data();
        for (const auto& search : searches) {
            for (size_t begin = 0; begin <= text.size(); ++begin) {
                for (size_t end = begin; end <= text.size(); ++end) {
                    const char* expected = std::find_if(data + begin, data + end, [&](char c) {
                        return search.wanted(static_cast<unsigned char>(c));
                    });
                    ASSERT_EQ(search.find(data + begin, data + end), expected)
                        << search.name << " " << rarity << " " << begin << ".." << end;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quillot
