#include "meldungen.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every placeholder of a row filled with a sample, as the program fills it:
// a cause is a system's cause, but where a message wraps another one.
std::string gebaut(meldung m) {
    const std::string ursache = m == meldung::sicherungUnmoeglich
                                    ? gebaut(meldung::gesperrtSpeichern)
                                    : std::string("keine Berechtigung");
    return meldungstext(m, {{"datei", "/home/anna/ApplicationSettings.xml"},
                            {"bisher", "/home/anna/.ApplicationSettings.xml.bisher12345678"},
                            {"ursache", ursache},
                            {"grund", "der Name enthält ein Nullzeichen"},
                            {"attribut", "system.posix_acl_access"},
                            {"feld", "Preverenz City Fahrzeug, Autobahn"},
                            {"text", "abc"},
                            {"profil", "Car Fast"},
                            {"marke", "<Special>"},
                            {"auswahl", "PKW sportlich"},
                            {"art", "Fahrzeugprofil"},
                            {"element", "Text1(57)"},
                            {"ordner", "/home/anna/Navi/"},
                            {"uhrzeit", "16:59:09"},
                            {"sicherung", "ApplicationSettings 2026-12-07 16-59-09.xml"}});
}

// What reads as one sentence sequence: no placeholder left, no doubled or
// misplaced punctuation, no doubled "nichts wurde geschrieben", and an end.
void pruefeSatzfolge(const std::string& text) {
    SCOPED_TRACE(text);
    EXPECT_EQ(text.find('{'), std::string::npos);
    for (const char* falsch : {"..", " .", ",.", ".,", ";.", ".;", " ,", "  ", ". ;"}) {
        EXPECT_EQ(text.find(falsch), std::string::npos) << falsch;
    }
    EXPECT_TRUE(text.ends_with('.'));
    std::string klein = text;
    for (char& c : klein) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string nichts = "nichts wurde geschrieben";
    const auto erstes = klein.find(nichts);
    EXPECT_TRUE(erstes == std::string::npos || klein.find(nichts, erstes + 1) == std::string::npos);
}

TEST(meldungen, jedeLiestSichAlsSatzfolgeMitIhrerNummer) {
    std::set<meldung> gesehen;
    for (const meldungszeile& zeile : meldungstabelle) {
        SCOPED_TRACE(static_cast<int>(zeile.art));
        EXPECT_TRUE(gesehen.insert(zeile.art).second) << "listed twice";
        const std::string text = gebaut(zeile.art);
        if (zeile.tun.empty()) {
            // A line or a question: no number, nothing to fill in but its
            // values.
            EXPECT_EQ(zeile.nummer, 0);
            EXPECT_EQ(text.find('{'), std::string::npos) << text;
            continue;
        }
        EXPECT_TRUE(zeile.was.ends_with('.'));
        EXPECT_TRUE(text.starts_with(zeile.was.substr(0, 1)));
        pruefeSatzfolge(text);
        if (zeile.nummer != 0) {
            const laufzeitfehler f = meldungsfehler(zeile.art, {});
            EXPECT_EQ(f.nummer(), zeile.nummer);
            const std::string zeilentext = f.nummernzeile();
            EXPECT_EQ(zeilentext, "Fehlernummer " + std::to_string(zeile.nummer) + ": " +
                                      laufzeitfehler::standardtext(
                                          static_cast<laufzeitfehler::fehlernummer>(zeile.nummer)));
            EXPECT_EQ(zeilentext.find("Unbekannter"), std::string::npos);
        }
    }
    EXPECT_EQ(gesehen.size(), meldungstabelle.size());
}

// A backup copy that cannot be made wraps the cause, whichever it is, and
// still says once that nothing was written.
TEST(meldungen, dieSicherungUmfasstJedeUrsache) {
    for (const meldungszeile& innen : meldungstabelle) {
        if (innen.nummer == 0) {
            continue; // no error, no cause
        }
        const laufzeitfehler f = meldungsfehler(meldung::sicherungUnmoeglich,
                                                {{"ursache", gebaut(innen.art)}}, innen.nummer);
        pruefeSatzfolge(f.beschreibung());
        EXPECT_EQ(f.nummer(), innen.nummer);
    }
}

} // namespace
