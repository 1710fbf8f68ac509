// Searches for the first of a few given bytes, for the scans over whole
// documents, reports and field lists: the line splitter's line ends and "<",
// the RTF escaping's "\", "{" and "}" (and, for UTF-8 text, every byte above
// 127), the bytes that JSON strings escape, and the UTF-8 check's first byte
// above 127. They look at sixteen bytes at a time where the processor has
// SSE2 (every x86-64 one), and otherwise at eight bytes at a time with the
// has-zero-byte test on 64-bit words.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillot {

namespace byte_scan_detail {
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

// Non-zero when one of the eight bytes of `word` equals `byte`. Only the
// bytes from the first equal one upwards are marked: a borrow runs upwards.
inline uint64_t HasByte(uint64_t word, unsigned char byte) {
    const uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighBits;
}

// Non-zero when one of the eight bytes is below 0x20 (marked likewise).
inline uint64_t HasControl(uint64_t word) {
    return (word - kOnes * 0x20) & ~word & kHighBits;
}

// The position of the lowest marked byte of a word read at `p`, or nullptr
// where the byte order does not allow to tell it from the marks.
inline const char* FirstMarked(const char* p, uint64_t marks) {
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    return p + (__builtin_ctzll(marks) >> 3);
#else
    (void)p;
    (void)marks;
    return nullptr;
#endif
}

// The first position in [begin, end) whose byte `matches`, looked for in
// blocks whose marks `marks16` (a 16-bit mask of a 16-byte vector, SSE2)
// and `marks8` (the high bits of a 64-bit word) compute.
template <typename Matches, typename Marks16, typename Marks8>
inline const char* Find(const char* begin, const char* end, Matches matches, Marks16 marks16,
                        Marks8 marks8) {
    const char* p = begin;
#if defined(__SSE2__)
    while (end - p >= 16) {
        const int marks = marks16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        if (marks != 0) return p + __builtin_ctz(static_cast<unsigned>(marks));
        p += 16;
    }
#else
    (void)marks16;
#endif
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const uint64_t marks = marks8(word);
        if (marks != 0) {
            if (const char* found = FirstMarked(p, marks)) return found;
            break;
        }
        p += 8;
    }
    for (; p != end; ++p) {
        if (matches(static_cast<unsigned char>(*p))) return p;
    }
    return end;
}

#if defined(__SSE2__)
inline __m128i Equal(__m128i v, char c) {
    return _mm_cmpeq_epi8(v, _mm_set1_epi8(c));
}
#endif

// The first position in [begin, end) holding a, b or c, or a byte above 127
// when `high` is set; end when none does.
inline const char* FindFirst(const char* begin, const char* end, char a, char b, char c,
                             bool high) {
    const auto ua = static_cast<unsigned char>(a);
    const auto ub = static_cast<unsigned char>(b);
    const auto uc = static_cast<unsigned char>(c);
    return Find(
        begin, end,
        [=](unsigned char x) { return x == ua || x == ub || x == uc || (high && x >= 0x80); },
        [=]([[maybe_unused]] auto v) {
#if defined(__SSE2__)
            const int marks = _mm_movemask_epi8(
                _mm_or_si128(_mm_or_si128(Equal(v, a), Equal(v, b)), Equal(v, c)));
            return high ? marks | _mm_movemask_epi8(v) : marks;
#else
            return 0;
#endif
        },
        [=](uint64_t word) {
            return HasByte(word, ua) | HasByte(word, ub) | HasByte(word, uc) |
                   (high ? word & kHighBits : 0);
        });
}
}  // namespace byte_scan_detail

// The first position in [begin, end) holding a, b or c; end when none does.
inline const char* FindFirstOfThree(const char* begin, const char* end, char a, char b, char c) {
    return byte_scan_detail::FindFirst(begin, end, a, b, c, false);
}

// The same, stopping also at every byte above 127.
inline const char* FindFirstOfThreeOrHigh(const char* begin, const char* end, char a, char b,
                                          char c) {
    return byte_scan_detail::FindFirst(begin, end, a, b, c, true);
}

// The first position in [begin, end) holding a byte below 0x20, '"', "\" or
// a byte above 127: what a JSON string cannot take as it is, or may have to
// decode; end when none does.
inline const char* FindFirstJsonSpecial(const char* begin, const char* end) {
    using namespace byte_scan_detail;
    return Find(
        begin, end, [](unsigned char x) { return x < 0x20 || x == '"' || x == '\\' || x >= 0x80; },
        [](auto v) {
#if defined(__SSE2__)
            // Signed, so the bytes above 127 count as below 0x20 too.
            const __m128i low = _mm_cmplt_epi8(v, _mm_set1_epi8(0x20));
            return _mm_movemask_epi8(
                _mm_or_si128(low, _mm_or_si128(Equal(v, '"'), Equal(v, '\\'))));
#else
            (void)v;
            return 0;
#endif
        },
        [](uint64_t word) {
            return HasControl(word) | HasByte(word, '"') | HasByte(word, '\\') | (word & kHighBits);
        });
}

// The first position in [begin, end) holding a byte above 127; end when none does.
inline const char* FindFirstHigh(const char* begin, const char* end) {
    using namespace byte_scan_detail;
    return Find(
        begin, end, [](unsigned char x) { return x >= 0x80; },
        [](auto v) {
#if defined(__SSE2__)
            return _mm_movemask_epi8(v);
#else
            (void)v;
            return 0;
#endif
        },
        [](uint64_t word) { return word & kHighBits; });
}

}  // namespace quillot
