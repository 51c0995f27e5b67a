#include "dateiname.h"

#include "dateien.h"
#include "laufzeitfehler.h"
#include "meldungen.h"
#include "zeichensatz.h"

#include <random>

namespace {

// The longest name of a folder entry on every file system the program meets:
// NAME_MAX bytes, and 255 UTF-16 units on Windows, where a character never
// takes more units than its UTF-8 takes bytes.
constexpr std::size_t laengsterEintrag = 255;

bool istFolgebyte(char b) {
    return (static_cast<unsigned char>(b) & 0xC0) == 0x80;
}

[[noreturn]] void falscherName(std::string_view name, const std::string& grund) {
    std::string gezeigt;
    for (char c : name) {
        gezeigt += c == '\0' ? std::string("\\0") : std::string(1, c);
    }
    throw meldungsfehler(meldung::nameUngueltig, {{"datei", gezeigt}, {"grund", grund}});
}

#ifdef _WIN32
// The part of a name that Windows checks for forbidden characters: without
// a "\\?\" prefix and without a drive's colon.
std::string_view ohneWurzel(std::string_view name) {
    if (name.starts_with("\\\\?\\")) {
        name.remove_prefix(4);
    }
    if (name.size() >= 2 && name[1] == ':' &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'))) {
        name.remove_prefix(2);
    }
    return name;
}
#endif

} // namespace

std::string ordnerVon(std::string_view dateiname) {
    const std::size_t stelle = dateiname.find_last_of(pfadtrennzeichen);
    return stelle == std::string_view::npos ? "./" : std::string(dateiname.substr(0, stelle + 1));
}

void namePruefen(std::string_view name) {
    if (name.find('\0') != std::string_view::npos) {
        falscherName(name, "der Name enthält ein Nullzeichen");
    }
#ifdef _WIN32
    for (std::size_t i = 0; i < name.size();) {
        const auto z = utf8Lesen(name, i);
        if (!z) {
            falscherName(name, "der Name ist kein gültiges UTF-8");
        }
        i += z->laenge;
    }
    for (const char c : ohneWurzel(name)) {
        if (static_cast<unsigned char>(c) < 0x20) {
            falscherName(name, "der Name enthält ein Steuerzeichen");
        }
        if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
            falscherName(name,
                         std::string("das Zeichen „") + c + "“ ist in Windows-Namen nicht erlaubt");
        }
    }
#endif
}

std::string vorlaeufigerName(std::string_view dateiname, std::string_view kennung) {
    const std::string ordner = ordnerVon(dateiname);
    // npos + 1 is 0: a bare name is its own last part.
    std::string_view eigen = dateiname.substr(dateiname.find_last_of(pfadtrennzeichen) + 1);
    std::size_t platz = laengsterEintrag - 2 - kennung.size();
    if (eigen.size() > platz) {
        while (platz > 0 && istFolgebyte(eigen[platz])) {
            --platz;
        }
        eigen = eigen.substr(0, platz);
    }
    return ordner + "." + std::string(eigen) + "." + std::string(kennung);
}

std::string zufallskennung(std::string_view art) {
    thread_local std::mt19937_64 zufall{std::random_device{}()};
    constexpr std::string_view zeichen = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string kennung(art);
    std::uniform_int_distribution<std::size_t> wahl(0, zeichen.size() - 1);
    for (std::size_t i = 0; i < zufallslaenge; ++i) {
        kennung += zeichen[wahl(zufall)];
    }
    return kennung;
}

void geaendert(const std::string& name) {
    throw meldungsfehler(meldung::anderswoGeaendert, {{"datei", name}});
}
