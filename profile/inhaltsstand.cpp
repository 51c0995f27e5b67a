#include "inhaltsstand.h"

inhaltsstand standVon(std::string_view inhalt) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const char c : inhalt) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return {inhalt.size(), h};
}
