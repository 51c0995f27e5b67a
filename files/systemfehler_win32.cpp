#include "meldungen.h"
#include "systemfehler.h"

#include <cerrno>
#include <windows.h>

namespace {

// The errno value of a Win32 error code with the same German cause, or 0.
int alsErrno(unsigned long fehler) {
    switch (fehler) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
        return EIO;
    case ERROR_BUSY:
        return EBUSY;
    default:
        return 0;
    }
}

// Win32 errors that have no errno of the same meaning, with their German
// cause: names Windows refuses, drives and shares that are gone, and files
// kept by a cloud-storage client that cannot fetch or write them now.
struct windowsursache {
    unsigned long fehler;
    laufzeitfehler::fehlernummer nummer;
    const char* ursache;
};

constexpr windowsursache eigeneUrsachen[] = {
    {ERROR_INVALID_NAME, laufzeitfehler::dateinameFalsch,
     "Datei-, Ordner- oder Laufwerksname ungültig"},
    {ERROR_BAD_NET_NAME, laufzeitfehler::dateiNichtGefunden, "Netzwerkfreigabe nicht gefunden"},
    {ERROR_NOT_READY, laufzeitfehler::pfadZugriffsfehler,
     "Laufwerk nicht bereit, etwa ohne eingelegten Datenträger"},
    {ERROR_DEVICE_NOT_CONNECTED, laufzeitfehler::pfadZugriffsfehler, "Gerät nicht angeschlossen"},
    {ERROR_USER_MAPPED_FILE, laufzeitfehler::zugriffVerweigert,
     "die Datei ist von einem anderen Programm in den Speicher geladen"},
    {362, laufzeitfehler::pfadZugriffsfehler,
     "der Synchronisierungsdienst des Cloud-Speichers läuft nicht; bitte ihn starten"},
    {404, laufzeitfehler::pfadZugriffsfehler,
     "der Synchronisierungsdienst des Cloud-Speichers wurde beendet; bitte ihn starten"},
    {382, laufzeitfehler::pfadZugriffsfehler,
     "die Datei liegt nur im Cloud-Speicher, und dessen Dienst ist nicht verbunden"},
    {388, laufzeitfehler::pfadZugriffsfehler,
     "die Datei liegt nur im Cloud-Speicher, und das Netzwerk ist nicht erreichbar"},
    {389, laufzeitfehler::pfadZugriffsfehler,
     "die Datei liegt nur im Cloud-Speicher und konnte nicht geladen werden"},
};

} // namespace

laufzeitfehler windowsfehler(unsigned long fehler, const std::string& name, vorgang beim) {
    for (const windowsursache& u : eigeneUrsachen) {
        if (u.fehler == fehler) {
            return systemmeldung(u.nummer, name, u.ursache);
        }
    }
    switch (fehler) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
        return meldungsfehler(beim == vorgang::laden ? meldung::gesperrtLesen
                                                     : meldung::gesperrtSpeichern,
                              {{"datei", name}});
    default:
        break;
    }
    if (const int gleich = alsErrno(fehler)) {
        return systemfehler(gleich, name);
    }
    return systemmeldung(laufzeitfehler::pfadZugriffsfehler, name,
                         "Windows-Fehler " + std::to_string(fehler));
}
