#include "attribute.h"

#include "laufzeitfehler.h"
#include "meldungen.h"
#include "systemfehler.h"

#include <cerrno>
#include <optional>
#include <string_view>
#include <sys/xattr.h>

namespace {

// True where the file system keeps no extended attributes (many FUSE
// mounts say so), or the one asked for is gone.
bool keineAttribute(int fehler) {
    return fehler == ENOTSUP || fehler == EOPNOTSUPP || fehler == ENODATA;
}

// The bytes that `abfrage(ziel, groesse)` reports, asked again while they
// grow between the call for the size and the call for the bytes. Nothing
// where the file system keeps no extended attributes, whichever call says so.
template <typename abfrage_t>
std::optional<std::string> abfragen(abfrage_t&& abfrage, const std::string& name) {
    for (;;) {
        const ssize_t groesse = abfrage(nullptr, 0);
        if (groesse < 0) {
            if (keineAttribute(errno)) {
                return std::nullopt;
            }
            throw systemfehler(errno, name);
        }
        std::string wert(static_cast<std::size_t>(groesse), '\0');
        const ssize_t n = abfrage(wert.data(), wert.size());
        if (n >= 0) {
            wert.resize(static_cast<std::size_t>(n));
            return wert;
        }
        if (keineAttribute(errno)) {
            return std::nullopt;
        }
        if (errno != ERANGE) {
            throw systemfehler(errno, name);
        }
    }
}

std::optional<std::string> attribut(int fd, const char* schluessel, const std::string& name) {
    return abfragen([&](char* ziel, std::size_t n) { return ::fgetxattr(fd, schluessel, ziel, n); },
                    name);
}

} // namespace

void attributeUebertragen(int von, int nach, const std::string& name) {
    const auto liste =
        abfragen([&](char* ziel, std::size_t n) { return ::flistxattr(von, ziel, n); }, name);
    if (!liste) {
        return;
    }
    // The list holds the names one after the other, each ended by a NUL.
    for (std::size_t stelle = 0; stelle < liste->size();) {
        const std::string schluessel(liste->c_str() + stelle);
        stelle += schluessel.size() + 1;
        const auto wert = attribut(von, schluessel.c_str(), name);
        if (!wert) {
            continue; // removed meanwhile
        }
        if (::fsetxattr(nach, schluessel.c_str(), wert->data(), wert->size(), 0) == 0) {
            continue;
        }
        const int fehler = errno;
        if (attribut(nach, schluessel.c_str(), name) == wert) {
            continue;
        }
        const int nummer = systemfehler(fehler, name).nummer();
        throw meldungsfehler(
            meldung::attributeFehlen,
            {{"datei", name}, {"ursache", systemursache(fehler)}, {"attribut", schluessel}},
            nummer);
    }
}
