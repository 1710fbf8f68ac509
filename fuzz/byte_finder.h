// The walks of the checks over lines and reports: the next byte of a small
// set, looked for sixteen bytes at a time where the processor has SSE2, so
// that a walk spends its time on the bytes that matter rather than on every
// byte (under AddressSanitizer each byte read one at a time is checked on its
// own). Kept apart from reader/byte_scan.h: the checks are built without
// coverage instrumentation, and inline functions shared with the libraries
// would leave the linker to pick either copy.
#pragma once

#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillot::fuzz {

// The first position at or after `from` whose byte is one of kBytes or, with
// kHigh, above 127; text.size() when there is none.
template <bool kHigh, char... kBytes>
size_t NextByte(std::string_view text, size_t from) {
    size_t i = from;
#if defined(__SSE2__)
    while (text.size() - i >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i marks = ((kHigh ? block : _mm_setzero_si128()) | ... |
                               _mm_cmpeq_epi8(block, _mm_set1_epi8(kBytes)));
        const int mask = _mm_movemask_epi8(marks);
        if (mask != 0) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        i += 16;
    }
#endif
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if ((kHigh && static_cast<unsigned char>(c) >= 0x80) || ((c == kBytes) || ...)) break;
    }
    return i;
}

// Whether the n bytes at a and b are equal, compared sixteen at a time;
// without memcmp, whose sanitizer and fuzzer hooks cost more than the
// comparison of a line.
inline bool SameBytes(const char* a, const char* b, size_t n) {
    size_t i = 0;
#if defined(__SSE2__)
    for (; n - i >= 16; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(x, y)) != 0xFFFF) return false;
    }
#endif
    for (; i < n; ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

}  // namespace quillot::fuzz
