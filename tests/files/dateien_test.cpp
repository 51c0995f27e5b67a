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


TEST(systemfehlertexte, wortlautUndNummer) {
    const struct {
        int fehler;
        int nummer;
        const char* ursache;
    } faelle[] = {
        {ENOENT, 53, "Datei oder Ordner nicht vorhanden"},
        {ENOTDIR, 53, "ein Teil des Pfades ist kein Ordner"},
        {EACCES, 70, "keine Berechtigung"},
        {EPERM, 70, "keine Berechtigung"},
        {EROFS, 70, "Dateisystem nur lesbar"},
        {ENOSPC, 75, "kein Platz mehr auf dem Datenträger"},
        {EFBIG, 75, "Datei zu groß"},
        {ELOOP, 75, "zu viele symbolische Verweise oder ein geschützter Verweis"},
        {EBUSY, 75, "Datei oder Gerät belegt"},
        {EXDEV, 75, "Verschieben über Laufwerks- oder Dateisystemgrenzen nicht möglich"},
        {EINTR, 75, "Vorgang unterbrochen"},
        {EISDIR, 75, "ist ein Ordner"},
        {EIO, 75, "Ein-/Ausgabefehler"},
        {ENAMETOOLONG, 75, "Name zu lang"},
#ifdef EDQUOT
        {EDQUOT, 75, "Speicherkontingent überschritten"},
#endif
    };
    for (const auto& fall : faelle) {
        const laufzeitfehler f = systemfehler(fall.fehler, "/a/b");
        EXPECT_EQ(f.nummer(), fall.nummer) << fall.ursache;
        EXPECT_NE(f.beschreibung().find("„/a/b“"), std::string::npos) << f.beschreibung();
        EXPECT_NE(f.beschreibung().find(std::string(": ") + fall.ursache + ". "), std::string::npos)
            << f.beschreibung();
    }
    // A cause without a German text names its number.
    const laufzeitfehler unbekannt = systemfehler(EMFILE, "/a/b");
    EXPECT_NE(unbekannt.beschreibung().find(": Systemfehler " + std::to_string(EMFILE) + ". "),
              std::string::npos);
    EXPECT_EQ(unbekannt.nummer(), 75);
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
    for (const char* n :
         {"a|b", "a<b", "a>b", "a\"b", "a?b", "a*b", "ab:c", "a\tb", "C:\\x\\a:b"}) {
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
