#include "profilwahl.h"

#include "laufzeitfehler.h"
#include "meldungen.h"
#include "textroutine.h"
#include "zeichensatz.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <string>

namespace {

using bestaetigung::namensmarke;

// True where one of the nine profile names follows the "<Name>" at the
// 0-based position `marke`, also as the start of a longer name: there the
// profile before it ends. So a profile "Car Fast 2" right behind "Car Fast"
// still bounds it, and no write into "Car Fast" can reach into the other.
bool profilnameDahinter(std::string_view text, std::size_t marke) {
    const std::string_view dahinter = text.substr(marke + namensmarke.size());
    const auto passt = [&](const namenszeile& z) { return dahinter.starts_with(z.name); };
    return std::ranges::any_of(fahrzeugnamen, passt) || std::ranges::any_of(routennamen, passt);
}

// True where `name` follows the "<Name>" at `marke` as a whole name, closed
// by the "<" of its end tag: only there does its profile begin.
bool ganzerName(std::string_view text, std::size_t marke, std::string_view name) {
    const std::string_view dahinter = text.substr(marke + namensmarke.size());
    return dahinter.starts_with(name) && dahinter.substr(name.size()).starts_with('<');
}

// The 0-based position of the first "<Name>" at or behind `ab`, or npos.
// A large file keeps its profiles behind everything else, so this search
// runs over most of the text. It looks for the marker's "N", the byte of it
// that is rarest in a settings text, with memchr, which runs at the speed of
// memory, and compares the whole marker only there.
std::size_t naechsteNamensmarke(std::string_view text, std::size_t ab) {
    constexpr std::size_t selten = 1; // where "N" stands in the marker
    for (std::size_t i = ab + selten; i < text.size(); ++i) {
        const void* treffer = std::memchr(text.data() + i, namensmarke[selten], text.size() - i);
        if (treffer == nullptr) {
            break;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(treffer) - text.data());
        if (text.substr(i - selten).starts_with(namensmarke)) {
            return i - selten;
        }
    }
    return std::string_view::npos;
}

// The profiles of up to two names: one pass over the "<Name>" markers,
// which ends once every profile sought has been found and has ended.
void suchen(std::string_view text, std::span<const std::string_view> namen,
            std::span<profilbereich> bereiche) {
    std::size_t offen = namen.size(); // profiles not yet found or not yet ended
    for (std::size_t marke = naechsteNamensmarke(text, 0);
         marke != std::string_view::npos && offen > 0;
         marke = naechsteNamensmarke(text, marke + namensmarke.size())) {
        if (!profilnameDahinter(text, marke)) {
            continue;
        }
        for (std::size_t i = 0; i < namen.size(); ++i) {
            profilbereich& b = bereiche[i];
            if (b.name != 0 && b.ende == 0) {
                b.ende = marke;
                --offen;
            } else if (b.name == 0 && ganzerName(text, marke, namen[i])) {
                b.name = marke + namensmarke.size() + 1; // 1-based
            }
        }
    }
    for (profilbereich& b : bereiche) {
        if (b.name != 0 && b.ende == 0) {
            b.ende = text.size();
        }
    }
}

} // namespace

std::string_view gewaehlterName(profilart profil, std::string_view beschriftung, zweck wofuer) {
    if (const auto name = profilname(profil, beschriftung)) {
        return *name;
    }
    if (wofuer == zweck::laden) {
        return vorgabename(profil);
    }
    throw meldungsfehler(
        meldung::auswahlOhneProfil,
        {{"auswahl", nachUtf8(beschriftung)},
         {"art", profil == profilart::fahrzeug ? "Fahrzeugprofil" : "Routenprofil"}});
}

profilbereich profilSuchen(std::string_view text, std::string_view name) {
    profilbereich bereich;
    suchen(text, {&name, 1}, {&bereich, 1});
    return bereich;
}

std::pair<profilbereich, profilbereich> profileSuchen(std::string_view text, std::string_view a,
                                                      std::string_view b) {
    const std::array<std::string_view, 2> namen{a, b};
    std::array<profilbereich, 2> bereiche{};
    suchen(text, namen, bereiche);
    return {bereiche[0], bereiche[1]};
}
