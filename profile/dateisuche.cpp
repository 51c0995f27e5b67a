#include "dateisuche.h"

#include "dateien.h"
#include "feldkarte.h"
#include "laufzeitfehler.h"
#include "ordnersuche.h"
#include "profilformular.h"

#include <algorithm>
#include <array>

namespace {

std::vector<std::string_view> teile(std::string_view relativ) {
    std::vector<std::string_view> namen;
    for (std::size_t anfang = 0;;) {
        const std::size_t ende = relativ.find('/', anfang);
        namen.push_back(relativ.substr(anfang, ende - anfang));
        if (ende == std::string_view::npos) {
            return namen;
        }
        anfang = ende + 1;
    }
}

#ifndef _WIN32
// The Wine prefixes below the home folder; "*" stands for any one name.
constexpr std::array<std::array<std::string_view, 7>, 7> praefixe{{
    {".wine"},
    {".local", "share", "wineprefixes", "*"},
    {".local", "share", "bottles", "bottles", "*"},
    {".var", "app", "com.usebottles.bottles", "data", "bottles", "bottles", "*"},
    {".local", "share", "lutris", "prefixes", "*"},
    {".PlayOnLinux", "wineprefix", "*"},
    {".cxoffice", "*"},
}};

std::size_t laenge(const std::array<std::string_view, 7>& muster) {
    return static_cast<std::size_t>(
        std::ranges::count_if(muster, [](auto n) { return !n.empty(); }));
}

bool passt(std::string_view muster, std::string_view name) {
    return muster == "*" || muster == name;
}

bool versteckt(std::string_view name) {
    return name.starts_with('.');
}

// A hidden folder on the way to a prefix, a prefix itself, or its "drive_c".
bool zumPraefix(const std::vector<std::string_view>& namen) {
    for (const auto& muster : praefixe) {
        const std::size_t n = laenge(muster);
        std::size_t gleich = 0;
        while (gleich < std::min(n, namen.size()) && passt(muster[gleich], namen[gleich])) {
            ++gleich;
        }
        if (gleich == namen.size() && gleich <= n) {
            return true;
        }
        if (gleich == n && namen.size() > n && namen[n] == "drive_c") {
            return std::none_of(namen.begin() + static_cast<std::ptrdiff_t>(n) + 1, namen.end(),
                                versteckt);
        }
    }
    return false;
}
#endif

} // namespace

bool suchordnerBetreten(std::string_view relativ) {
    const std::vector<std::string_view> namen = teile(relativ);
    const auto laufwerk = std::find(namen.rbegin(), namen.rend(), "drive_c");
    if (std::distance(namen.rbegin(), laufwerk) > suchtiefe) {
        return false;
    }
#ifdef _WIN32
    return true;
#else
    return std::none_of(namen.begin(), namen.end(), versteckt) || zumPraefix(namen);
#endif
}

bool haeltProfile(std::string_view text) {
    constexpr std::string_view marke = "<Name>";
    for (std::size_t i = text.find(marke); i != std::string_view::npos;
         i = text.find(marke, i + 1)) {
        const std::string_view rest = text.substr(i + marke.size());
        const auto benannt = [rest](const namenszeile& z) {
            return rest.starts_with(z.name) && rest.substr(z.name.size()).starts_with('<');
        };
        if (std::ranges::any_of(fahrzeugnamen, benannt) ||
            std::ranges::any_of(routennamen, benannt)) {
            return true;
        }
    }
    return false;
}

namespace {

// Whether the file holds a profile, read block by block: a large settings
// file keeps its profiles at its end, and a file of that name may be far
// larger than any settings file. The read ends at the first profile, at
// `frist` or when `halt` asks; then `vorzeitig` is set.
bool dateiHaeltProfile(const std::string& datei, std::chrono::steady_clock::time_point frist,
                       const std::stop_token& halt, bool& vorzeitig) {
    // Enough of the previous block for a marker that spans two blocks.
    constexpr std::size_t ueberhang = 32;
    std::string text;
    bool gefunden = false;
    dateiBlockweiseLesen(datei, [&](std::string_view block) {
        text.append(block);
        gefunden = haeltProfile(text);
        if (gefunden) {
            return false;
        }
        if (halt.stop_requested() || std::chrono::steady_clock::now() > frist) {
            vorzeitig = true;
            return false;
        }
        text.erase(0, text.size() - std::min(text.size(), ueberhang));
        return true;
    });
    return gefunden;
}

} // namespace

einstellungssuche einstellungenSuchen(std::string_view heim,
                                      std::chrono::steady_clock::time_point frist,
                                      std::size_t eintraege, std::stop_token halt) {
    const ordnerlauf lauf = dateienSuchen(heim, profilformular::einstellungsdatei,
                                          suchordnerBetreten, {frist, eintraege}, halt);
    einstellungssuche ergebnis{{}, lauf.vorzeitig};
    for (const gefundenedatei& datei : lauf.dateien) {
        try {
            if (dateiHaeltProfile(datei.ordner + std::string(profilformular::einstellungsdatei),
                                  frist, halt, ergebnis.vorzeitig)) {
                ergebnis.funde.push_back({datei.ordner, datei.geaendert});
            }
        } catch (const laufzeitfehler&) {
            // Unreadable: not one the user can edit here.
        }
    }
    std::ranges::stable_sort(ergebnis.funde, std::ranges::greater{}, &einstellungsfund::geaendert);
    return ergebnis;
}
