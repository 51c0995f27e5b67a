// Loading and both writers on arbitrary settings bytes, each against a plain
// find-and-split of its own, within the chosen profile. The load fills the fields and the result
// boxes as the oracle computes them, or raises the oracle's error with the fields spread up to it.
// A writer, answering Yes, either leaves the file unchanged and raises an error (the type-mismatch
// error exactly when a field of its half is not a number), or rewrites it with exactly the text
// read and the writer's value passages replaced; it writes whenever its profile has every group
// and every field of its half is a number.

#include "feldkarte.h"
#include "laufzeitfehler.h"
#include "leeren.h"
#include "profilformular.h"
#include "pruefen.h"
#include "speicherablage.h"
#include "zahlen.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::array<std::string_view, 7> fahrzeuge{
    "PKW schnell", "PKW normal", "PKW langs.", "PKW Normal", "Motorrad", "LKW", "Bus"};
const std::array<std::string_view, 5> routen{"Schnelle", "Optimale", "Kurze", "Schöne"_cp1252,
                                             "Weite"};

std::string lesen(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Where the passage of group `g` in the profile `name` of `text` starts and
// ends, or which marker is missing: 1 the profile, 2 such2, 3 such3, 4
// suchnach1. The profile begins at the first "<Name>" directly followed by
// `name` and "<", and ends at the next "<Name>" directly followed by the start
// of any profile name, or at the end of the text; every marker must lie wholly
// within it.
struct passage {
    std::size_t anfang = 0;
    std::size_t ende = 0;
    int fehlt = 0;
};

std::size_t profilende(const std::string& text, std::size_t ab) {
    for (std::size_t p = text.find("<Name>", ab); p != std::string::npos;
         p = text.find("<Name>", p + 1)) {
        for (const auto& zeile : fahrzeugnamen) {
            if (text.compare(p + 6, zeile.name.size(), zeile.name) == 0) {
                return p;
            }
        }
        for (const auto& zeile : routennamen) {
            if (text.compare(p + 6, zeile.name.size(), zeile.name) == 0) {
                return p;
            }
        }
    }
    return text.size();
}

passage finden(const std::string& ganz, const std::string& name, const feldgruppe& g) {
    const std::string profil = "<Name>" + name + "<";
    std::size_t stelle = ganz.find(profil);
    if (stelle == std::string::npos) {
        return {0, 0, 1};
    }
    const std::string text = ganz.substr(0, profilende(ganz, stelle + 6));
    stelle += profil.size() - 1;
    for (const auto& [marke, nummer] : {std::pair{g.such2, 2}, std::pair{g.such3, 3}}) {
        if (marke.empty()) {
            continue;
        }
        stelle = text.find(marke, stelle);
        if (stelle == std::string::npos) {
            return {0, 0, nummer};
        }
        stelle += marke.size();
    }
    const std::size_t ende = text.find(g.suchnach1, stelle);
    if (ende == std::string::npos) {
        return {0, 0, 4};
    }
    return {stelle, ende, 0};
}

// What a load must leave: the fields and result boxes, and the error number
// it raises (0 for none).
struct ladung {
    std::array<std::string, ablage::anzahlFelder> felder;
    std::array<std::string, ablage::anzahlErgebnisse> ergebnisse;
    int fehler = 0;
};

ladung erwarteteLadung(const std::string& text, const speicherablage& fenster) {
    ladung soll;
    soll.felder.fill(std::string(platzhalter));
    soll.ergebnisse = fenster.ergebnisse;
    for (const feldgruppe& g : feldgruppen) {
        const auto welche =
            g.profil == profilart::fahrzeug ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
        const std::string name(
            profilname(g.profil, fenster.beschriftung(welche)).value_or(vorgabename(g.profil)));
        // A group the profile lacks stops the load before its fields.
        const passage p = finden(text, name, g);
        if (p.fehlt != 0) {
            soll.fehler = laufzeitfehler::ungueltigesArgument;
            return soll;
        }
        const std::string liste = text.substr(p.anfang, p.ende - p.anfang);
        std::size_t von = 0;
        for (int i = 0; i < g.anzahl - 1; ++i) {
            const std::size_t trenner = liste.find('|', von);
            if (trenner == std::string::npos) {
                soll.fehler = laufzeitfehler::ungueltigesArgument;
                return soll;
            }
            soll.felder[static_cast<std::size_t>(g.erstesFeld + i)] =
                liste.substr(von, trenner - von);
            von = trenner + 1;
        }
        soll.felder[static_cast<std::size_t>(g.erstesFeld + g.anzahl - 1)] = liste.substr(von);
    }
    // Road class k: town speed 20 + k, vehicle factor k, route factor 36 + k;
    // open road 28 + k, 8 + k and 44 + k.
    try {
        for (std::size_t k = 0; k < 8; ++k) {
            for (const auto& [geschwindigkeit, fahrzeug, route, ergebnis] :
                 {std::array<std::size_t, 4>{20, 0, 36, 0}, {28, 8, 44, 8}}) {
                double wert = zahlLesen(soll.felder[geschwindigkeit + k]);
                for (const std::size_t faktor : {fahrzeug + k, route + k}) {
                    wert *= zahlLesen(soll.felder[faktor]);
                    if (!std::isfinite(wert)) {
                        throw laufzeitfehler(laufzeitfehler::ueberlauf);
                    }
                }
                soll.ergebnisse[ergebnis + k] = zahlText(wert);
            }
        }
    } catch (const laufzeitfehler& f) {
        soll.fehler = f.nummer();
    }
    return soll;
}

// What a writer must produce from `text`, or nothing when the caption names
// no profile, a group's markers are missing, or two groups' passages meet
// (one of them lacks a marker of its own and runs into the other's).
std::optional<std::string> erwartet(std::string text, const speicherablage& fenster,
                                    profilart profil) {
    const auto welche =
        profil == profilart::fahrzeug ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
    const auto name = profilname(profil, fenster.beschriftung(welche));
    if (!name) {
        return std::nullopt;
    }
    std::vector<passage> passagen;
    for (const feldgruppe& g : feldgruppen) {
        if (g.profil == profil) {
            passagen.push_back(finden(text, std::string(*name), g));
        }
    }
    for (const passage& a : passagen) {
        for (const passage& b : passagen) {
            if (&a != &b && a.fehlt == 0 && b.fehlt == 0 &&
                (a.anfang == b.anfang || (a.anfang < b.ende && b.anfang < a.ende))) {
                return std::nullopt;
            }
        }
    }
    for (const feldgruppe& g : feldgruppen) {
        if (g.profil != profil) {
            continue;
        }
        const passage p = finden(text, std::string(*name), g);
        if (p.fehlt != 0) {
            return std::nullopt;
        }
        std::string liste;
        for (int i = 0; i < g.anzahl; ++i) {
            liste +=
                (i > 0 ? "|" : "") + fenster.felder[static_cast<std::size_t>(g.erstesFeld + i)];
        }
        text = text.substr(0, p.anfang) + liste + text.substr(p.ende);
    }
    return text;
}

// The writers' guard, decided here on its own: every field of the writer's
// half (vehicle Text1(0..35), route Text1(36..56)) reads as a finite number.
bool alleZahlen(const speicherablage& fenster, profilart profil) {
    const std::size_t von = profil == profilart::fahrzeug ? 0 : 36;
    const std::size_t bis = profil == profilart::fahrzeug ? 36 : 57;
    for (std::size_t i = von; i < bis; ++i) {
        const std::string& text = fenster.felder[i];
        if (text.empty() || text == platzhalter || text.find('|') != std::string::npos) {
            return false;
        }
        try {
            if (!std::isfinite(zahlLesen(text))) {
                return false;
            }
        } catch (const laufzeitfehler&) {
            return false;
        }
    }
    return true;
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
    static const fs::path ordner = muster;
    std::atexit([] {
        std::error_code egal;
        fs::remove_all(ordner, egal);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    speicherablage fenster;
    fenster.beschriftungen = {std::string(eingabe.PickValueInArray(fahrzeuge)),
                              std::string(eingabe.PickValueInArray(routen))};
    const std::string datei = "ApplicationSettings.xml";
    const std::string text = eingabe.ConsumeRemainingBytesAsString();
    std::ofstream(datei, std::ios::binary | std::ios::trunc) << text;

    const ladung geladen = erwarteteLadung(text, fenster);
    profilformular formular(fenster);
    int fehler = 0;
    try {
        formular.lesen();
    } catch (const laufzeitfehler& f) {
        fehler = f.nummer();
    }
    PRUEFEN(fehler == geladen.fehler);
    PRUEFEN(fenster.felder == geladen.felder);
    PRUEFEN(fehler != 0 || fenster.ergebnisse == geladen.ergebnisse);

    for (const profilart profil : {profilart::fahrzeug, profilart::route}) {
        const std::string vorher = lesen(datei);
        const std::optional<std::string> soll = erwartet(vorher, fenster, profil);
        const bool zahlen = alleZahlen(fenster, profil);
        int fehler = 0;
        try {
            if (profil == profilart::fahrzeug) {
                formular.fahrzeugUebernehmen();
            } else {
                formular.routeUebernehmen();
            }
        } catch (const laufzeitfehler& f) {
            fehler = f.nummer();
        }
        const std::string nachher = lesen(datei);
        // The type-mismatch error exactly when a field is not a number.
        PRUEFEN((fehler == laufzeitfehler::typenUnvertraeglich) == !zahlen);
        PRUEFEN((fehler == 0) == (soll.has_value() && zahlen));
        if (fehler == 0) {
            PRUEFEN(soll.has_value() && nachher == *soll);
        } else {
            PRUEFEN(nachher == vorher);
        }
    }
    return 0;
}
