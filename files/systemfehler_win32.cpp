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

} // namespace

laufzeitfehler windowsfehler(unsigned long fehler, const std::string& name) {
    switch (fehler) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
        return laufzeitfehler(laufzeitfehler::zugriffVerweigert,
                              name + " (von einem anderen Programm geöffnet und gesperrt). "
                                     "Nichts wurde geschrieben; bitte das andere Programm "
                                     "schließen und erneut versuchen.");
    default:
        break;
    }
    if (const int gleich = alsErrno(fehler)) {
        return systemfehler(gleich, name);
    }
    return laufzeitfehler(laufzeitfehler::pfadZugriffsfehler,
                          name + " (Windows-Fehler " + std::to_string(fehler) + ")");
}
