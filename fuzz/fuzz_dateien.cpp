// Loading and both writers on arbitrary settings bytes, answering Yes: either
// the file is unchanged and an error was raised, or it was rewritten, and then
// it holds exactly the text read with the writer's value passages replaced,
// as a plain find-and-splice computes it.

#include "feldkarte.h"
#include "laufzeitfehler.h"
#include "profilformular.h"
#include "pruefen.h"
#include "speicherablage.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::array<const char*, 7> fahrzeuge{"PKW schnell", "PKW normal", "PKW langs.", "PKW Normal",
                                           "Motorrad",    "LKW",        "Bus"};
const std::array<const char*, 5> routen{"Schnelle", "Optimale", "Kurze", "Sch\xF6ne", "Weite"};

std::string lesen(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// What a writer must produce from `text`, or nothing when a group's markers
// are missing.
std::optional<std::string> erwartet(std::string text, const speicherablage& fenster,
                                    profilart profil) {
    const auto welche =
        profil == profilart::fahrzeug ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
    const std::string name(profilname(profil, fenster.beschriftung(welche)).value_or(""));
    for (const feldgruppe& g : feldgruppen) {
        if (g.profil != profil) {
            continue;
        }
        // The name is found at the top when empty, like any empty marker.
        std::size_t stelle =
            name.empty() ? (text.empty() ? std::string::npos : 0) : text.find(name);
        if (stelle == std::string::npos) {
            return std::nullopt;
        }
        stelle += name.size();
        for (std::string_view marke : {g.such2, g.such3}) {
            if (marke.empty()) {
                continue;
            }
            stelle = text.find(marke, stelle);
            if (stelle == std::string::npos) {
                return std::nullopt;
            }
            stelle += marke.size();
        }
        const std::size_t ende = text.find(g.suchnach1, stelle);
        if (ende == std::string::npos) {
            return std::nullopt;
        }
        std::string liste;
        for (int i = 0; i < g.anzahl; ++i) {
            liste +=
                (i > 0 ? "|" : "") + fenster.felder[static_cast<std::size_t>(g.erstesFeld + i)];
        }
        text = text.substr(0, stelle) + liste + text.substr(ende);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fs::path basis =
        fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string muster = (basis / "tamvoril-fuzz-XXXXXX").string();
    if (::mkdtemp(muster.data()) == nullptr) {
        std::abort();
    }
    fs::current_path(muster);
    std::ofstream("ini.txt", std::ios::binary) << muster << "/";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    speicherablage fenster;
    fenster.beschriftungen = {eingabe.PickValueInArray(fahrzeuge),
                              eingabe.PickValueInArray(routen)};
    const std::string datei = "ApplicationSettings.xml";
    std::ofstream(datei, std::ios::binary | std::ios::trunc)
        << eingabe.ConsumeRemainingBytesAsString();

    profilformular formular(fenster);
    try {
        formular.lesen();
    } catch (const laufzeitfehler&) {
        // The fields keep what was loaded before the error.
    }
    for (const profilart profil : {profilart::fahrzeug, profilart::route}) {
        const std::string vorher = lesen(datei);
        const std::optional<std::string> soll = erwartet(vorher, fenster, profil);
        bool geschrieben = true;
        try {
            if (profil == profilart::fahrzeug) {
                formular.fahrzeugUebernehmen();
            } else {
                formular.routeUebernehmen();
            }
        } catch (const laufzeitfehler&) {
            geschrieben = false;
        }
        const std::string nachher = lesen(datei);
        if (geschrieben) {
            PRUEFEN(soll.has_value() && nachher == *soll);
        } else {
            PRUEFEN(nachher == vorher);
        }
    }
    return 0;
}
