#include "systemfehler.h"

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

laufzeitfehler systemfehler(int fehler, const std::string& name) {
    const std::string einzelheit = name + " (" + systemursache(fehler) + ")";
    switch (fehler) {
    case ENOENT:
    case ENOTDIR:
        return laufzeitfehler(laufzeitfehler::dateiNichtGefunden, einzelheit);
    case EACCES:
    case EPERM:
    case EROFS:
        return laufzeitfehler(laufzeitfehler::zugriffVerweigert, einzelheit);
    default:
        return laufzeitfehler(laufzeitfehler::pfadZugriffsfehler, einzelheit);
    }
}
