#include "sicherung.h"

#include "dateien.h"
#include "laufzeitfehler.h"
#include "meldungen.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <optional>
#include <vector>

namespace {

// "2026-12-07 16-59-09": sorts as the time it names.
constexpr const char* zeitformat = "%Y-%m-%d %H-%M-%S";
constexpr std::size_t zeitlaenge = 19;

std::tm ortszeit(std::time_t zeit) {
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &zeit);
#else
    localtime_r(&zeit, &t);
#endif
    return t;
}

struct namensteile {
    std::string_view stamm;  // "ApplicationSettings"
    std::string_view endung; // ".xml", or empty
};

namensteile zerlegen(std::string_view dateiname) {
    const std::size_t punkt = dateiname.rfind('.');
    if (punkt == std::string_view::npos || punkt == 0) {
        return {dateiname, {}};
    }
    return {dateiname.substr(0, punkt), dateiname.substr(punkt)};
}

std::string kopiename(const namensteile& datei, std::string_view zeit, int nummer) {
    std::string name = std::string(datei.stamm) + " " + std::string(zeit);
    if (nummer > 1) {
        name += " (" + std::to_string(nummer) + ")";
    }
    return name + std::string(datei.endung);
}

// Where a copy stands among the others, from its name: its time, then its
// number in that second. Nothing for a name that no copy of the file has.
std::optional<std::pair<std::string, int>> rang(const namensteile& datei, std::string_view name) {
    const std::string vorn = std::string(datei.stamm) + " ";
    if (!name.starts_with(vorn) || !name.ends_with(datei.endung)) {
        return std::nullopt;
    }
    name.remove_prefix(vorn.size());
    name.remove_suffix(datei.endung.size());
    if (name.size() < zeitlaenge) {
        return std::nullopt;
    }
    const std::string_view zeit = name.substr(0, zeitlaenge);
    const std::string_view muster = "0000-00-00 00-00-00";
    for (std::size_t i = 0; i < zeitlaenge; ++i) {
        const bool ziffer = zeit[i] >= '0' && zeit[i] <= '9';
        if (muster[i] == '0' ? !ziffer : zeit[i] != muster[i]) {
            return std::nullopt;
        }
    }
    std::string_view rest = name.substr(zeitlaenge);
    int nummer = 1;
    if (!rest.empty()) {
        if (!rest.starts_with(" (") || !rest.ends_with(")")) {
            return std::nullopt;
        }
        rest = rest.substr(2, rest.size() - 3);
        const auto [ende, fehler] = std::from_chars(rest.data(), rest.data() + rest.size(), nummer);
        if (fehler != std::errc{} || ende != rest.data() + rest.size() || nummer < 2) {
            return std::nullopt;
        }
    }
    return std::pair{std::string(zeit), nummer};
}

// The copy's own failure, said once: nothing was written, and why.
[[noreturn]] void nichtGesichert(const laufzeitfehler& f) {
    throw meldungsfehler(meldung::sicherungUnmoeglich, {{"ursache", f.beschreibung()}}, f.nummer());
}

// True where the file holds `text`: a replace that failed only after the
// new file was in place (a folder flush) has written, and keeps its backup.
bool haelt(const std::string& datei, const std::string& text) {
    try {
        return dateiLesen(datei) == text;
    } catch (const laufzeitfehler&) {
        return false;
    }
}

} // namespace

std::string sichern(std::string_view dateiname, std::string_view inhalt, std::time_t zeit) {
    const std::string ordner(sicherungsordner);
    const namensteile datei = zerlegen(dateiname);
    char zeittext[32];
    const std::tm t = ortszeit(zeit);
    std::strftime(zeittext, sizeof zeittext, zeitformat, &t);
    std::string name;
    try {
        ordnerAnlegen(ordner);
        for (int nummer = 1;; ++nummer) {
            name = ordner + pfadtrenner + kopiename(datei, zeittext, nummer);
            if (!dateiExistiert(name) && !ordnerExistiert(name)) {
                break;
            }
        }
        dateiErsetzen(name, inhalt);
    } catch (const laufzeitfehler& f) {
        nichtGesichert(f);
    }
    return name;
}

void sicherungVerwerfen(const std::string& kopie) {
    try {
        dateiLoeschen(kopie);
    } catch (const laufzeitfehler&) {
        // It stays: the write's own outcome is what the user needs to hear.
    }
}

namespace {

// The copies of the file in the backup folder, newest first; none where the
// folder cannot be listed.
std::vector<std::pair<std::pair<std::string, int>, std::string>>
kopien(std::string_view dateiname) {
    const namensteile datei = zerlegen(dateiname);
    std::vector<std::pair<std::pair<std::string, int>, std::string>> liste;
    try {
        for (std::string& name : dateienIn(sicherungsordner)) {
            if (auto r = rang(datei, name)) {
                liste.emplace_back(std::move(*r), std::move(name));
            }
        }
    } catch (const laufzeitfehler&) {
        return {};
    }
    std::ranges::sort(liste, std::greater{});
    return liste;
}

// "2026-12-07 16-59-09" as "07.12.2026 16:59:09".
std::string gezeigteZeit(std::string_view z) {
    return std::string(z.substr(8, 2)) + "." + std::string(z.substr(5, 2)) + "." +
           std::string(z.substr(0, 4)) + " " + std::string(z.substr(11, 2)) + ":" +
           std::string(z.substr(14, 2)) + ":" + std::string(z.substr(17, 2));
}

} // namespace

void sicherungenAusduennen(std::string_view dateiname) {
    const auto liste = kopien(dateiname);
    for (std::size_t i = behalteneSicherungen; i < liste.size(); ++i) {
        sicherungVerwerfen(std::string(sicherungsordner) + pfadtrenner + liste[i].second);
    }
}

std::vector<sicherungsangabe> sicherungenAuflisten(std::string_view dateiname) {
    std::vector<sicherungsangabe> angaben;
    for (const auto& [rang, name] : kopien(dateiname)) {
        std::string zeit = gezeigteZeit(rang.first);
        if (rang.second > 1) {
            zeit += " (" + std::to_string(rang.second) + ")";
        }
        angaben.push_back({std::string(sicherungsordner) + pfadtrenner + name, std::move(zeit)});
    }
    return angaben;
}

namespace {} // namespace

schreibergebnis gesichertErsetzen(const std::string& datei, spleisstext& text, bool aendert,
                                  const std::function<void(spleisstext&)>& aendern) {
    if (!aendert) {
        return {}; // no folder, no copy, no replace: the file stays as it is
    }
    // Another program may have changed the file since it was read: the
    // replace goes ahead only while the file still holds exactly the text
    // read, so that the other program's change is not overwritten. The
    // backup, the text as read, is made first; a write that does not go
    // ahead removes it again, and only a write that did lets the oldest
    // copies go.
    const std::string einstellungsdatei = datei.substr(datei.find_last_of(pfadtrennzeichen) + 1);
    const std::time_t zeit = std::time(nullptr);
    const std::string kopie = sichern(einstellungsdatei, text.text(), zeit);
    aendern(text);
    try {
        dateiErsetzen(datei, text.text(), text.ursprung());
    } catch (const laufzeitfehler&) {
        if (!haelt(datei, text.text())) {
            sicherungVerwerfen(kopie);
        }
        throw;
    }
    sicherungenAusduennen(einstellungsdatei);
    char uhrzeit[16];
    const std::tm t = ortszeit(zeit);
    std::strftime(uhrzeit, sizeof uhrzeit, "%H:%M:%S", &t);
    return {kopie.substr(kopie.find_last_of(pfadtrennzeichen) + 1), uhrzeit};
}

std::string schreibzeile(const schreibergebnis& ergebnis) {
    return ergebnis.sicherung.empty()
               ? meldungstext(meldung::nichtsGeaendert, {})
               : meldungstext(meldung::gespeichert,
                              {{"uhrzeit", ergebnis.uhrzeit}, {"sicherung", ergebnis.sicherung}});
}
