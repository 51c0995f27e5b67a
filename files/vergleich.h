#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>

// True while a file, read through `lesen`, holds exactly the pieces of
// `bisher` one after the other. `lesen(ziel, laenge)` fills up to `laenge`
// bytes and returns how many, fewer only at the end of the file. Comparing
// every byte sees a rewrite in place, whatever its size and time stamps.
template <typename leser> bool haeltGenau(leser&& lesen, std::span<const std::string_view> bisher) {
    constexpr std::size_t groesse = std::size_t{1} << 20;
    const auto puffer = std::make_unique_for_overwrite<char[]>(groesse);
    std::size_t gefuellt = 0;
    std::size_t stelle = 0;
    for (std::string_view stueck : bisher) {
        while (!stueck.empty()) {
            if (stelle == gefuellt) {
                gefuellt = lesen(puffer.get(), groesse);
                stelle = 0;
                if (gefuellt == 0) {
                    return false; // the file is shorter
                }
            }
            const std::size_t n = std::min(stueck.size(), gefuellt - stelle);
            if (std::memcmp(puffer.get() + stelle, stueck.data(), n) != 0) {
                return false;
            }
            stelle += n;
            stueck.remove_prefix(n);
        }
    }
    return stelle == gefuellt && lesen(puffer.get(), 1) == 0;
}
