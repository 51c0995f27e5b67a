#include "textroutine.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// The first occurrence of `marke` (not empty) in [anfang, ende), or nullptr.
const char* byteweise(const char* anfang, const char* ende, std::string_view marke) {
    return static_cast<const char*>(
        memmem(anfang, static_cast<std::size_t>(ende - anfang), marke.data(), marke.size()));
}

#if defined(__x86_64__)
// A set byte for each of the 32 start positions from p on where the first
// and the last byte of an n-byte marker stand.
__attribute__((target("avx2"))) inline __m256i kandidaten(const char* p, std::size_t n,
                                                          __m256i erstes, __m256i letztes) {
    const __m256i vorn = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i hinten = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + n - 1));
    return _mm256_and_si256(_mm256_cmpeq_epi8(vorn, erstes), _mm256_cmpeq_epi8(hinten, letztes));
}

// 64 start positions a round: only those where the marker's first and its
// last byte both stand are compared whole. A profile name lies behind most
// of a large settings text, so this scan is most of a load; it runs at
// about the speed of memchr, where memmem takes several times as long.
__attribute__((target("avx2"))) const char* breit(const char* anfang, const char* ende,
                                                  std::string_view marke) {
    const std::size_t n = marke.size();
    const __m256i erstes = _mm256_set1_epi8(marke.front());
    const __m256i letztes = _mm256_set1_epi8(marke.back());
    const char* p = anfang;
    // A round reads up to byte p + 63 + n - 1.
    for (; static_cast<std::size_t>(ende - p) >= 64 + n - 1; p += 64) {
        const __m256i a = kandidaten(p, n, erstes, letztes);
        const __m256i b = kandidaten(p + 32, n, erstes, letztes);
        const __m256i beide = _mm256_or_si256(a, b);
        if (_mm256_testz_si256(beide, beide) != 0) {
            continue;
        }
        std::uint64_t maske =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(a)) |
            static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(b))) << 32;
        for (; maske != 0; maske &= maske - 1) {
            const char* kandidat = p + __builtin_ctzll(maske);
            if (std::memcmp(kandidat, marke.data(), n) == 0) {
                return kandidat;
            }
        }
    }
    return byteweise(p, ende, marke);
}
#endif

const char* suchen(const char* anfang, const char* ende, std::string_view marke) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
    if (avx2) {
        return breit(anfang, ende, marke);
    }
#endif
    return byteweise(anfang, ende, marke);
}

} // namespace

std::size_t finde(std::string_view text, std::string_view marke, std::size_t ab) {
    if (ab > text.size()) {
        return 0;
    }
    if (marke.empty()) {
        return ab;
    }
    const char* treffer = suchen(text.data() + (ab - 1), text.data() + text.size(), marke);
    if (treffer == nullptr) {
        return 0;
    }
    return static_cast<std::size_t>(treffer - text.data()) + 1;
}
