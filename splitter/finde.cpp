#include "textroutine.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// The first occurrence of `marke` (not empty) in [anfang, ende), or nullptr.
// The C library's memmem where it has one, else the standard search.
const char* byteweise(const char* anfang, const char* ende, std::string_view marke) {
#if defined(__GLIBC__)
    return static_cast<const char*>(
        memmem(anfang, static_cast<std::size_t>(ende - anfang), marke.data(), marke.size()));
#else
    const std::string_view text(anfang, static_cast<std::size_t>(ende - anfang));
    const std::size_t stelle = text.find(marke);
    return stelle == std::string_view::npos ? nullptr : anfang + stelle;
#endif
}

// The block scan needs x86-64 and a compiler that builds AVX2 code for one
// function and asks the processor at run time.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TAMVORIL_BLOCKSUCHE 1
#endif

#if defined(TAMVORIL_BLOCKSUCHE)
// A set byte for each of the 32 start positions from p on where the first
// and the last byte of an n-byte marker stand: the candidates, the only
// positions compared whole.
__attribute__((target("avx2"))) inline __m256i kandidaten(const char* p, std::size_t n,
                                                          __m256i erstes, __m256i letztes) {
    const __m256i vorn = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i hinten = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + n - 1));
    return _mm256_and_si256(_mm256_cmpeq_epi8(vorn, erstes), _mm256_cmpeq_epi8(hinten, letztes));
}

// The candidates of `marke` among the 64 start positions from p on, one bit
// each.
__attribute__((target("avx2"))) std::uint64_t blockmaske(const char* p, std::string_view marke) {
    const __m256i erstes = _mm256_set1_epi8(marke.front());
    const __m256i letztes = _mm256_set1_epi8(marke.back());
    const auto haelfte = static_cast<std::uint32_t>(
        _mm256_movemask_epi8(kandidaten(p + 32, marke.size(), erstes, letztes)));
    return static_cast<std::uint32_t>(
               _mm256_movemask_epi8(kandidaten(p, marke.size(), erstes, letztes))) |
           static_cast<std::uint64_t>(haelfte) << 32;
}

// The end of the 64-byte blocks from `anfang` on whose candidates of a
// marker of n bytes lie wholly before `ende`.
const char* blockgrenze(const char* anfang, const char* ende, std::size_t n) {
    const auto laenge = static_cast<std::size_t>(ende - anfang);
    return laenge < 64 + n - 1 ? anfang : anfang + (laenge - (64 + n - 1)) / 64 * 64 + 64;
}

// The first block from p on before `grenze` that holds a candidate of
// `marke`, or `grenze`. The loop calls nothing, so that the vectors stay in
// registers.
__attribute__((target("avx2"))) const char* naechsterBlock(const char* p, const char* grenze,
                                                           std::string_view marke) {
    const __m256i erstes = _mm256_set1_epi8(marke.front());
    const __m256i letztes = _mm256_set1_epi8(marke.back());
    for (; p < grenze; p += 64) {
        const __m256i alle = _mm256_or_si256(kandidaten(p, marke.size(), erstes, letztes),
                                             kandidaten(p + 32, marke.size(), erstes, letztes));
        if (_mm256_testz_si256(alle, alle) == 0) {
            return p;
        }
    }
    return grenze;
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

// `marke` (not empty) block by block; it runs at about the speed of memchr,
// where memmem takes several times as long.
const char* breit(const char* anfang, const char* ende, std::string_view marke) {
    const char* grenze = blockgrenze(anfang, ende, marke.size());
    for (const char* p = anfang;; p += 64) {
        p = naechsterBlock(p, grenze, marke);
        if (p == grenze) {
            return byteweise(p, ende, marke);
        }
        if (const char* treffer = bestaetigt(p, blockmaske(p, marke), marke)) {
            return treffer;
        }
    }
}
#endif

// True where the block scan can run: x86-64 with AVX2.
bool breitMoeglich() {
#if defined(TAMVORIL_BLOCKSUCHE)
    static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
    return avx2;
#else
    return false;
#endif
}

const char* suchen(const char* anfang, const char* ende, std::string_view marke) {
    if (marke.size() == 1) {
        // The value lists' "|": memchr is the fastest search for one byte.
        return static_cast<const char*>(
            std::memchr(anfang, marke.front(), static_cast<std::size_t>(ende - anfang)));
    }
#if defined(TAMVORIL_BLOCKSUCHE)
    if (breitMoeglich()) {
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
