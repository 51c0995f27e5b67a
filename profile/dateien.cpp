#include "dateien.h"

#include "laufzeitfehler.h"
#include "systemfehler.h"
#include "zeichensatz.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
class deskriptor {
  public:
    explicit deskriptor(int fd) : fd_(fd) {}
    deskriptor(const deskriptor&) = delete;
    deskriptor& operator=(const deskriptor&) = delete;
    ~deskriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int fd() const { return fd_; }

  private:
    int fd_;
};

// Removes the temporary file unless it has been renamed into place.
class vorlaeufig {
  public:
    explicit vorlaeufig(std::string name) : name_(std::move(name)) {}
    vorlaeufig(const vorlaeufig&) = delete;
    vorlaeufig& operator=(const vorlaeufig&) = delete;
    ~vorlaeufig() {
        if (!name_.empty()) {
            ::unlink(name_.c_str());
        }
    }
    const std::string& name() const { return name_; }
    void uebergeben() { name_.clear(); }

  private:
    std::string name_;
};

std::string ordnerVon(const std::string& dateiname) {
    const std::string::size_type trenner = dateiname.rfind('/');
    return trenner == std::string::npos ? "./" : dateiname.substr(0, trenner + 1);
}

// Makes a rename durable: fsync on the file does not cover the folder entry
// that now points at it.
void ordnerSynchronisieren(const std::string& dateiname) {
    deskriptor fd(::open(ordnerVon(dateiname).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.fd() >= 0) {
        ::fsync(fd.fd());
    }
}

void allesSchreiben(int fd, std::string_view inhalt, const std::string& name) {
    while (!inhalt.empty()) {
        const ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw systemfehler(errno, name);
        }
        inhalt.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Reads up to `laenge` bytes; fewer only at the end of the file.
std::size_t lesenBis(int fd, char* ziel, std::size_t laenge, const std::string& name) {
    std::size_t gelesen = 0;
    while (gelesen < laenge) {
        const ssize_t n = ::read(fd, ziel + gelesen, laenge - gelesen);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw systemfehler(errno, name);
        }
        if (n == 0) {
            break;
        }
        gelesen += static_cast<std::size_t>(n);
    }
    return gelesen;
}

// True while the file under `name` holds exactly the pieces of `bisher`.
// Opening it by name sees a file renamed into its place; comparing every
// byte sees a rewrite in place, whatever its size and time stamps.
bool haeltNoch(const std::string& name, std::span<const std::string_view> bisher) {
    deskriptor fd(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.fd() < 0) {
        if (errno == ENOENT) {
            return false;
        }
        throw systemfehler(errno, name);
    }
    constexpr std::size_t groesse = std::size_t{1} << 20;
    const auto puffer = std::make_unique_for_overwrite<char[]>(groesse);
    std::size_t gefuellt = 0;
    std::size_t stelle = 0;
    for (std::string_view stueck : bisher) {
        while (!stueck.empty()) {
            if (stelle == gefuellt) {
                gefuellt = lesenBis(fd.fd(), puffer.get(), groesse, name);
                stelle = 0;
                if (gefuellt == 0) {
                    return false; // the file is shorter
                }
            }
            const std::size_t n = std::min(stueck.size(), gefuellt - stelle);
            if (std::memcmp(puffer.get() + stelle, stueck.data(), n) != 0) {
                return false;
            }
            stelle += n;
            stueck.remove_prefix(n);
        }
    }
    return stelle == gefuellt && lesenBis(fd.fd(), puffer.get(), 1, name) == 0;
}

laufzeitfehler geaendert(const std::string& name) {
    return laufzeitfehler(laufzeitfehler::pfadZugriffsfehler,
                          name + " wurde von einem anderen Programm geändert, während die Frage "
                                 "offen war. Nichts wurde geschrieben; bitte erneut übernehmen, "
                                 "dann gilt die geänderte Datei.");
}

// Writes an existing file in place: the new text over the old, then cut to
// its length, so that a failure part way leaves the old text's tail rather
// than an empty file.
void direktSchreiben(const std::string& name, std::string_view inhalt) {
    deskriptor fd(::open(name.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.fd() < 0) {
        throw systemfehler(errno, name);
    }
    allesSchreiben(fd.fd(), inhalt, name);
    if (::ftruncate(fd.fd(), static_cast<off_t>(inhalt.size())) != 0 || ::fsync(fd.fd()) != 0) {
        throw systemfehler(errno, name);
    }
}

enum class notfalls { nichts, direkt };

// The file a name stands for: a symbolic link is followed to its target, even
// one that does not exist yet, so that replacing the file keeps the link and
// writes where it points.
std::string ziel(const std::string& name) {
    std::string datei = name;
    for (int tiefe = 0; tiefe < 40; ++tiefe) {
        struct stat st {};
        if (::lstat(datei.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return datei;
        }
        std::string verweis(PATH_MAX, '\0');
        const ssize_t n = ::readlink(datei.c_str(), verweis.data(), verweis.size());
        if (n < 0) {
            throw systemfehler(errno, name);
        }
        verweis.resize(static_cast<std::size_t>(n));
        datei = verweis.starts_with('/') ? verweis : ordnerVon(datei) + verweis;
    }
    throw systemfehler(ELOOP, name);
}

void ersetzen(std::string_view name, std::string_view inhalt,
              const std::span<const std::string_view>* bisher, notfalls ausweg) {
    const std::string utf8 = ziel(nachUtf8(name));
    struct stat alt {};
    const bool vorhanden = ::stat(utf8.c_str(), &alt) == 0;
    if (vorhanden) {
        if (S_ISDIR(alt.st_mode)) {
            throw systemfehler(EISDIR, utf8);
        }
        if ((alt.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(utf8.c_str(), W_OK) != 0) {
            throw systemfehler(EACCES, utf8);
        }
    } else if (errno != ENOENT) {
        throw systemfehler(errno, utf8);
    }

    // npos + 1 is 0: a bare name is its own last part.
    std::string muster = ordnerVon(utf8) + "." + utf8.substr(utf8.rfind('/') + 1) + ".XXXXXX";
    deskriptor fd(::mkostemp(muster.data(), O_CLOEXEC));
    if (fd.fd() < 0) {
        const int fehler = errno;
        if (ausweg == notfalls::direkt && vorhanden && (fehler == EACCES || fehler == EPERM)) {
            direktSchreiben(utf8, inhalt);
            return;
        }
        throw systemfehler(fehler, utf8);
    }
    vorlaeufig temporaer(muster);

    // The new file looks like the old one: its mode, and its owner where the
    // system lets us, so that a replace by root does not take the file from
    // its user. Elsewhere the file becomes ours, as any new file would.
    mode_t rechte = 0666;
    if (vorhanden) {
        rechte = alt.st_mode & 07777;
        const int eigentuemer = ::fchown(fd.fd(), alt.st_uid, alt.st_gid);
        static_cast<void>(eigentuemer);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        rechte &= ~maske;
    }
    if (::fchmod(fd.fd(), rechte) != 0) {
        throw systemfehler(errno, utf8);
    }
    allesSchreiben(fd.fd(), inhalt, utf8);
    // Data the disk did not take must not replace the old file.
    if (::fsync(fd.fd()) != 0) {
        throw systemfehler(errno, utf8);
    }
    if (bisher != nullptr && !haeltNoch(utf8, *bisher)) {
        throw geaendert(utf8);
    }
    if (::rename(temporaer.name().c_str(), utf8.c_str()) != 0) {
        throw systemfehler(errno, utf8);
    }
    temporaer.uebergeben();
    ordnerSynchronisieren(utf8);
}

} // namespace

bool dateiExistiert(std::string_view name) {
    struct stat st {};
    return ::stat(nachUtf8(name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool ordnerExistiert(std::string_view name) {
    struct stat st {};
    return ::stat(nachUtf8(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string dateiLesen(std::string_view name) {
    const std::string utf8 = nachUtf8(name);
    deskriptor fd(::open(utf8.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.fd() < 0) {
        throw systemfehler(errno, utf8);
    }
    struct stat st {};
    if (::fstat(fd.fd(), &st) != 0) {
        throw systemfehler(errno, utf8);
    }
    if (S_ISDIR(st.st_mode)) {
        throw systemfehler(EISDIR, utf8);
    }
    std::string inhalt(static_cast<std::size_t>(st.st_size), '\0');
    inhalt.resize(lesenBis(fd.fd(), inhalt.data(), inhalt.size(), utf8));
    // The file may have grown since fstat; keep reading until its end.
    char mehr[4096];
    while (const std::size_t n = lesenBis(fd.fd(), mehr, sizeof mehr, utf8)) {
        inhalt.append(mehr, n);
    }
    return inhalt;
}

void dateiErsetzen(std::string_view name, std::string_view inhalt) {
    ersetzen(name, inhalt, nullptr, notfalls::nichts);
}

void dateiErsetzen(std::string_view name, std::string_view inhalt,
                   std::span<const std::string_view> bisher) {
    ersetzen(name, inhalt, &bisher, notfalls::nichts);
}

void dateiSchreiben(std::string_view name, std::string_view inhalt) {
    ersetzen(name, inhalt, nullptr, notfalls::direkt);
}
