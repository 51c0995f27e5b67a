#include "dateiname.h"

#include "dateien.h"
#include "laufzeitfehler.h"

#include <random>

namespace {

// The longest name of a folder entry on every file system the program meets
// (NAME_MAX, and 255 UTF-16 units on Windows, where one byte of a
// Windows-1252 name is one unit).
constexpr std::size_t laengsterEintrag = 255;

} // namespace

std::string ordnerVon(std::string_view dateiname) {
    const std::size_t stelle = dateiname.find_last_of(pfadtrennzeichen);
    return stelle == std::string_view::npos ? "./" : std::string(dateiname.substr(0, stelle + 1));
}

std::string vorlaeufigerName(std::string_view dateiname, std::string_view kennung) {
    const std::string ordner = ordnerVon(dateiname);
    // npos + 1 is 0: a bare name is its own last part.
    std::string_view eigen = dateiname.substr(dateiname.find_last_of(pfadtrennzeichen) + 1);
    const std::size_t platz = laengsterEintrag - 2 - kennung.size();
    eigen = eigen.substr(0, platz);
    return ordner + "." + std::string(eigen) + "." + std::string(kennung);
}

std::string zufallskennung() {
    thread_local std::mt19937_64 zufall{std::random_device{}()};
    constexpr std::string_view zeichen = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string kennung = "tmp";
    std::uniform_int_distribution<std::size_t> wahl(0, zeichen.size() - 1);
    for (int i = 0; i < 8; ++i) {
        kennung += zeichen[wahl(zufall)];
    }
    return kennung;
}

void geaendert(const std::string& name) {
    throw laufzeitfehler(laufzeitfehler::pfadZugriffsfehler,
                         name + " wurde von einem anderen Programm geändert, während die Frage "
                                "offen war. Nichts wurde geschrieben; bitte erneut übernehmen, "
                                "dann gilt die geänderte Datei.");
}
