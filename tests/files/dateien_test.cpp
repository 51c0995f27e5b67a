// The file layer on every platform: the German causes in their exact
// wording, and names at the length limit.

#include "arbeitsordner.h"
#include "dateien.h"
#include "dateiname.h"
#include "fehlernummer.h"
#include "systemfehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#ifdef _WIN32
#include "windowsname.h"

#include <windows.h>
#endif

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
#ifdef _WIN32
        // Wine ignores the classic limit of 259 characters; Windows takes
        // such names only with the prefix.
        if ((ordner_ / name).wstring().size() >= MAX_PATH - 12) {
            EXPECT_TRUE(windowsname(name).starts_with(L"\\\\?\\")) << laenge;
            EXPECT_TRUE(
                windowsname(vorlaeufigerName(name, zufallskennung())).starts_with(L"\\\\?\\"));
        }
#endif
        schreiben(name, "alt");
        dateiErsetzen(name, "neu");
        dateiSchreiben(name, "neuer");
        EXPECT_EQ(lesen(name), "neuer") << laenge;
        fs::remove(name);
        EXPECT_TRUE(fs::is_empty(ordner_)) << "no temporary file is left behind";
    }
}

// A name that no file can have is refused before any file is touched: a NUL
// would end it early, so that "a\0b" reached the file "a".
TEST_F(dateien, unmoeglicheNamenWerdenAbgewiesen) {
    schreiben("a", "alt");
    std::vector<std::string> namen{std::string("a\0b", 3), std::string("\0", 1)};
#ifdef _WIN32
    for (const char* n : {"a|b", "a<b", "a>b", "a\"b", "a?b", "a*b", "ab:c", "a\tb", "C:\\x\\a:b"}) {
        namen.emplace_back(n);
    }
#endif
    for (const std::string& name : namen) {
        EXPECT_EQ(fehlernummer([&] { dateiLesen(name); }), 52) << name;
        EXPECT_EQ(fehlernummer([&] { dateiErsetzen(name, "neu"); }), 52) << name;
        EXPECT_EQ(fehlernummer([&] { dateiSchreiben(name, "neu"); }), 52) << name;
        EXPECT_EQ(fehlernummer([&] { dateiExistiert(name); }), 52) << name;
        EXPECT_EQ(fehlernummer([&] { ordnerExistiert(name); }), 52) << name;
    }
    EXPECT_EQ(lesen("a"), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_), fs::directory_iterator{}), 1);
#ifdef _WIN32
    EXPECT_TRUE(ordnerExistiert("C:\\")) << "a drive's colon is no forbidden one";
#endif
}

} // namespace
