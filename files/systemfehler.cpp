#include "systemfehler.h"
#include "meldungen.h"

#include <cerrno>

std::string systemursache(int fehler) {
    switch (fehler) {
    case ENOENT:
        return "Datei oder Ordner nicht vorhanden";
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case EROFS:
        return "Dateisystem nur lesbar";
    case ENOSPC:
        return "kein Platz mehr auf dem Datenträger";
#ifdef EDQUOT
    case EDQUOT:
        return "Speicherkontingent überschritten";
#endif
    case EISDIR:
        return "ist ein Ordner";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Ordner";
    case EIO:
        return "Ein-/Ausgabefehler";
    case ENAMETOOLONG:
        return "Name zu lang";
    case EFBIG:
        return "Datei zu groß";
    case ELOOP:
        return "zu viele symbolische Verweise oder ein geschützter Verweis";
    case EBUSY:
        return "Datei oder Gerät belegt";
    case EXDEV:
        return "Verschieben über Laufwerks- oder Dateisystemgrenzen nicht möglich";
    case EINTR:
        return "Vorgang unterbrochen";
    default:
        return "Systemfehler " + std::to_string(fehler);
    }
}

laufzeitfehler systemmeldung(int nummer, const std::string& name, const std::string& ursache) {
    const auto art = [&] {
        switch (nummer) {
        case laufzeitfehler::dateinameFalsch:
            return meldung::nameUngueltig;
        case laufzeitfehler::dateiNichtGefunden:
            return meldung::nichtGefunden;
        case laufzeitfehler::zugriffVerweigert:
            return meldung::keinZugriff;
        default:
            return meldung::zugriffsfehler;
        }
    }();
    return meldungsfehler(art, {{"datei", name}, {"ursache", ursache}, {"grund", ursache}});
}

laufzeitfehler systemfehler(int fehler, const std::string& name) {
    switch (fehler) {
    case ENOENT:
    case ENOTDIR:
        return systemmeldung(laufzeitfehler::dateiNichtGefunden, name, systemursache(fehler));
    case EACCES:
    case EPERM:
    case EROFS:
        return systemmeldung(laufzeitfehler::zugriffVerweigert, name, systemursache(fehler));
    default:
        return systemmeldung(laufzeitfehler::pfadZugriffsfehler, name, systemursache(fehler));
    }
}
