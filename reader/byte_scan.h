// A search for the first of three given bytes that looks at eight bytes at a
// time (the has-zero-byte test on 64-bit words), for the scans over whole
// documents and reports: the line splitter's line ends and "<", the RTF
// escaping's "\", "{" and "}" (and, for UTF-8 text, every byte above 127).
#pragma once

#include <cstdint>
#include <cstring>

namespace quillot {

namespace byte_scan_detail {
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

// Non-zero when one of the eight bytes of `word` equals `byte`.
inline uint64_t HasByte(uint64_t word, unsigned char byte) {
    const uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighBits;
}

// The first position in [begin, end) holding a, b or c, or a byte above 127
// when `highBits` is kHighBits; end when none does.
inline const char* FindFirst(const char* begin, const char* end, char a, char b, char c,
                             uint64_t highBits) {
    const char* p = begin;
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if ((HasByte(word, static_cast<unsigned char>(a)) |
             HasByte(word, static_cast<unsigned char>(b)) |
             HasByte(word, static_cast<unsigned char>(c)) | (word & highBits)) != 0) {
            break;
        }
        p += 8;
    }
    const bool high = highBits != 0;
    for (; p != end; ++p) {
        if (*p == a || *p == b || *p == c || (high && static_cast<unsigned char>(*p) >= 0x80)) {
            return p;
        }
    }
    return end;
}
}  // namespace byte_scan_detail

// The first position in [begin, end) holding a, b or c; end when none does.
inline const char* FindFirstOfThree(const char* begin, const char* end, char a, char b, char c) {
    return byte_scan_detail::FindFirst(begin, end, a, b, c, 0);
}

// The same, stopping also at every byte above 127.
inline const char* FindFirstOfThreeOrHigh(const char* begin, const char* end, char a, char b,
                                          char c) {
    return byte_scan_detail::FindFirst(begin, end, a, b, c, byte_scan_detail::kHighBits);
}

}  // namespace quillot
