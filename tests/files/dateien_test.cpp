// The file layer on every platform: the German causes in their exact
// wording, and names at the length limit.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"
#include "systemfehler.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

namespace fs = std::filesystem;
using dateien = arbeitsordner;

std::size_t vorkommen(const std::string& text, const std::string& teil) {
    std::size_t anzahl = 0;
    for (std::size_t stelle = text.find(teil); stelle != std::string::npos;
         stelle = text.find(teil, stelle + 1)) {
        ++anzahl;
    }
    return anzahl;
}

TEST(systemfehlertexte, wortlautUndNummer) {
    const struct {
        int fehler;
        int nummer;
        const char* text;
    } faelle[] = {
        {ENOENT, 53, "Datei nicht gefunden: /a/b (Datei oder Ordner nicht vorhanden)"},
        {ENOTDIR, 53, "Datei nicht gefunden: /a/b (ein Teil des Pfades ist kein Ordner)"},
        {EACCES, 70, "Zugriff verweigert: /a/b (keine Berechtigung)"},
        {EPERM, 70, "Zugriff verweigert: /a/b (keine Berechtigung)"},
        {EROFS, 70, "Zugriff verweigert: /a/b (Dateisystem nur lesbar)"},
        {ENOSPC, 75,
         "Fehler beim Zugriff auf Pfad/Datei: /a/b (kein Platz mehr auf dem "
         "Datenträger)"},
        {EFBIG, 75, "Fehler beim Zugriff auf Pfad/Datei: /a/b (Datei zu groß)"},
        {ELOOP, 75,
         "Fehler beim Zugriff auf Pfad/Datei: /a/b (zu viele symbolische Verweise "
         "oder ein geschützter Verweis)"},
        {EBUSY, 75, "Fehler beim Zugriff auf Pfad/Datei: /a/b (Datei oder Gerät belegt)"},
        {EXDEV, 75,
         "Fehler beim Zugriff auf Pfad/Datei: /a/b (Verschieben über Laufwerks- oder "
         "Dateisystemgrenzen nicht möglich)"},
        {EINTR, 75, "Fehler beim Zugriff auf Pfad/Datei: /a/b (Vorgang unterbrochen)"},
        {EISDIR, 75, "Fehler beim Zugriff auf Pfad/Datei: /a/b (ist ein Ordner)"},
        {EIO, 75, "Fehler beim Zugriff auf Pfad/Datei: /a/b (Ein-/Ausgabefehler)"},
        {ENAMETOOLONG, 75, "Fehler beim Zugriff auf Pfad/Datei: /a/b (Name zu lang)"},
#ifdef EDQUOT
        {EDQUOT, 75, "Fehler beim Zugriff auf Pfad/Datei: /a/b (Speicherkontingent überschritten)"},
#endif
    };
    for (const auto& fall : faelle) {
        const laufzeitfehler f = systemfehler(fall.fehler, "/a/b");
        EXPECT_EQ(f.nummer(), fall.nummer) << fall.text;
        EXPECT_EQ(f.beschreibung(), fall.text);
    }
    // A cause without a German text names its number, and the standard
    // text stands once.
    const laufzeitfehler unbekannt = systemfehler(EMFILE, "/a/b");
    EXPECT_EQ(unbekannt.beschreibung(), "Fehler beim Zugriff auf Pfad/Datei: /a/b (Systemfehler " +
                                            std::to_string(EMFILE) + ")");
    EXPECT_EQ(vorkommen(unbekannt.beschreibung(), "Fehler beim Zugriff"), 1u);
}

// A file whose name is as long as a folder entry may be is replaced like
// any other: its temporary name is cut to fit.
TEST_F(dateien, nameAnDerLaengengrenze) {
    for (const std::size_t laenge : {200u, 250u, 255u}) {
        const std::string name(laenge, 'n');
        schreiben(name, "alt");
        dateiErsetzen(name, "neu");
        dateiSchreiben(name, "neuer");
        EXPECT_EQ(lesen(name), "neuer") << laenge;
        fs::remove(name);
        EXPECT_TRUE(fs::is_empty(ordner_)) << "no temporary file is left behind";
    }
}

} // namespace
