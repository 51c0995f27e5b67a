#include "inhaltsstand.h"

#include <chrono>

inhaltsstand standVon(std::string_view inhalt) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const char c : inhalt) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return {inhalt.size(), h};
}

std::optional<dateistempel> stempelVorDemLesen(std::string_view name) {
    using namespace std::chrono;
    // FAT keeps write times in steps of two seconds.
    const std::int64_t grenze =
        duration_cast<nanoseconds>(system_clock::now().time_since_epoch() - seconds(3)).count();
    const std::optional<dateistempel> stempel = dateiStempel(name);
    if (stempel && stempel->geaendert < grenze) {
        return stempel;
    }
    return std::nullopt;
}
