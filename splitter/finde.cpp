#include "textroutine.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

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

// The candidates among the 64 start positions from p on, one bit each.
__attribute__((target("avx2"))) inline std::uint64_t blockmaske(const char* p, std::size_t n,
                                                                __m256i erstes, __m256i letztes) {
    const auto vorn =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(kandidaten(p, n, erstes, letztes)));
    const auto hinten =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(kandidaten(p + 32, n, erstes, letztes)));
    return vorn | static_cast<std::uint64_t>(hinten) << 32;
}

// The first candidate in `maske` (relative to p) that is the whole marker.
const char* bestaetigt(const char* p, std::uint64_t maske, std::string_view marke) {
    for (; maske != 0; maske &= maske - 1) {
        const char* kandidat = p + __builtin_ctzll(maske);
        if (std::memcmp(kandidat, marke.data(), marke.size()) == 0) {
            return kandidat;
        }
    }
    return nullptr;
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
        const std::uint64_t maske = blockmaske(p, n, erstes, letztes);
        if (maske == 0) {
            continue;
        }
        if (const char* treffer = bestaetigt(p, maske, marke)) {
            return treffer;
        }
    }
    return byteweise(p, ende, marke);
}

// Both markers (neither empty) in one pass until both are found: a load
// looks for the vehicle and the route name, which a large file keeps behind
// everything else.
__attribute__((target("avx2"))) std::pair<const char*, const char*>
breitBeide(const char* anfang, const char* ende, std::string_view a, std::string_view b) {
    const __m256i a0 = _mm256_set1_epi8(a.front());
    const __m256i a1 = _mm256_set1_epi8(a.back());
    const __m256i b0 = _mm256_set1_epi8(b.front());
    const __m256i b1 = _mm256_set1_epi8(b.back());
    const std::size_t reichweite = 64 + std::max(a.size(), b.size()) - 1;
    const char* p = anfang;
    for (; static_cast<std::size_t>(ende - p) >= reichweite; p += 64) {
        const std::uint64_t ma = blockmaske(p, a.size(), a0, a1);
        const std::uint64_t mb = blockmaske(p, b.size(), b0, b1);
        if ((ma | mb) == 0) {
            continue;
        }
        const char* ta = bestaetigt(p, ma, a);
        const char* tb = bestaetigt(p, mb, b);
        if (ta != nullptr || tb != nullptr) {
            return {ta != nullptr ? ta : breit(p + 64, ende, a),
                    tb != nullptr ? tb : breit(p + 64, ende, b)};
        }
    }
    return {byteweise(p, ende, a), byteweise(p, ende, b)};
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

std::pair<std::size_t, std::size_t> findeBeide(std::string_view text, std::string_view a,
                                               std::string_view b) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
    if (avx2 && !a.empty() && !b.empty()) {
        const auto [ta, tb] = breitBeide(text.data(), text.data() + text.size(), a, b);
        const auto stelle = [&](const char* t) {
            return t == nullptr ? 0 : static_cast<std::size_t>(t - text.data()) + 1;
        };
        return {stelle(ta), stelle(tb)};
    }
#endif
    return {finde(text, a, 1), finde(text, b, 1)};
}
