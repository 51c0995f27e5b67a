#include "dateien.h"

#include "anort.h"
#include "attribute.h"
#include "dateiname.h"
#include "ersetzen.h"
#include "laufzeitfehler.h"
#include "meldungen.h"
#include "systemfehler.h"
#include "vergleich.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out; `schliessen` reports a failed close.
class deskriptor {
  public:
    explicit deskriptor(int fd = -1) : fd_(fd) {}
    deskriptor(const deskriptor&) = delete;
    deskriptor& operator=(const deskriptor&) = delete;
    ~deskriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int fd() const { return fd_; }
    void neu(int fd) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    void schliessen(const std::string& name) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR) {
            throw systemfehler(errno, name);
        }
    }

  private:
    int fd_;
};

// Removes a file on every way out unless it has been kept.
class wegraeumen {
  public:
    wegraeumen() = default;
    wegraeumen(const wegraeumen&) = delete;
    wegraeumen& operator=(const wegraeumen&) = delete;
    ~wegraeumen() {
        if (!name_.empty()) {
            ::unlink(name_.c_str());
        }
    }
    void merken(std::string name) { name_ = std::move(name); }
    void behalten() { name_.clear(); }

  private:
    std::string name_;
};

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
// A file that no one may write: refused, even for a user whom the system
// would let replace it.
bool ohneSchreibrecht(const struct stat& st) {
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

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

void synchronisieren(int fd, const std::string& name) {
    if (::fsync(fd) != 0) {
        throw systemfehler(errno, name);
    }
}

// True while the file under `name` holds exactly the pieces of `bisher`.
// Opening it by name sees a file moved into its place.
bool haeltNoch(const std::string& name, std::span<const std::string_view> bisher) {
    deskriptor fd(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.fd() < 0) {
        if (errno == ENOENT) {
            return false;
        }
        throw systemfehler(errno, name);
    }
    return haeltGenau([&](char* ziel, std::size_t n) { return lesenBis(fd.fd(), ziel, n, name); },
                      bisher);
}

// Makes a rename durable: fsync on the file does not cover the folder entry
// that now points at it. A folder that may not be opened for reading, or
// whose file system cannot sync folders, has nothing more to offer; every
// other failure is reported, although the file is already in place.
void ordnerSynchronisieren(const std::string& dateiname) {
    deskriptor fd(::open(ordnerVon(dateiname).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.fd() < 0) {
        if (errno == EACCES) {
            return;
        }
        throw systemfehler(errno, dateiname);
    }
    if (::fsync(fd.fd()) != 0 && errno != EINVAL) {
        throw systemfehler(errno, dateiname);
    }
    fd.schliessen(dateiname);
}

// Where the open file really lies: the kernel followed every link on the way
// to it, with its protections, and names the result; where /proc is missing,
// the C library follows the links once more. The link itself is never the
// place: replaced, it would turn into a plain file.
std::string ortVon(int fd, const std::string& name) {
    const std::string verweis = "/proc/self/fd/" + std::to_string(fd);
    std::string ort(4096, '\0');
    const ssize_t n = ::readlink(verweis.c_str(), ort.data(), ort.size());
    if (n > 0 && static_cast<std::size_t>(n) < ort.size()) {
        ort.resize(static_cast<std::size_t>(n));
    } else {
        const std::unique_ptr<char, decltype(&std::free)> echt(::realpath(name.c_str(), nullptr),
                                                               &std::free);
        if (!echt) {
            throw systemfehler(errno, name);
        }
        ort = echt.get();
    }
    // A file removed meanwhile has no place any more.
    struct stat offen {};
    struct stat dort {};
    if (::fstat(fd, &offen) != 0 || ::stat(ort.c_str(), &dort) != 0 ||
        offen.st_dev != dort.st_dev || offen.st_ino != dort.st_ino) {
        geaendert(name);
    }
    return ort;
}

// Writes an existing file in place: emptied first, then written and synced.
// A write that fails part way puts the old text back; a crash between the
// two steps leaves an empty file, which the loader reports.
void direktSchreiben(const std::string& name, std::string_view inhalt) {
    const std::string alt = [&] {
        deskriptor fd(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
        if (fd.fd() < 0) {
            throw systemfehler(errno, name);
        }
        std::string text;
        char puffer[4096];
        while (const std::size_t n = lesenBis(fd.fd(), puffer, sizeof puffer, name)) {
            text.append(puffer, n);
        }
        return text;
    }();
    deskriptor fd(::open(name.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.fd() < 0) {
        throw systemfehler(errno, name);
    }
    const auto setzen = [&](std::string_view text) {
        if (::ftruncate(fd.fd(), 0) != 0 || ::lseek(fd.fd(), 0, SEEK_SET) != 0) {
            throw systemfehler(errno, name);
        }
        allesSchreiben(fd.fd(), text, name);
        synchronisieren(fd.fd(), name);
    };
    anOrtSetzen(setzen, inhalt, alt);
    fd.schliessen(name);
}

// A new temporary file in `ordner` with `rechte` (less the umask): an
// anonymous one where the file system offers them, so that a crash before
// it is linked leaves nothing behind, else one under a fresh name. Sets
// `name` for a named one; -1 with errno set where the folder takes none.
int vorlaeufigOeffnen(const std::string& ziel, mode_t rechte, std::string& name) {
    const int anonym = ::open(ordnerVon(ziel).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, rechte);
    if (anonym >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
        return anonym;
    }
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = vorlaeufigerName(ziel, zufallskennung());
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, rechte);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Gives an anonymous temporary file the name `name`.
bool verknuepfen(int fd, const std::string& name) {
    const std::string verweis = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, verweis.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

} // namespace

void ersetzen(std::string_view name, std::string_view inhalt,
              const std::span<const std::string_view>* bisher, notfalls ausweg) {
    namePruefen(name);
    const std::string utf8(name);
    // A write beyond the file size limit (ulimit -f) would end the program
    // through SIGXFSZ; ignored, it fails with EFBIG, which is reported like
    // any other failure, and the old file stays.
    std::signal(SIGXFSZ, SIG_IGN);

    // The file is opened first, so that the kernel follows a symbolic link
    // with all its protections (a link planted in a shared folder is not
    // followed); only then is its place taken from the open file.
    bool angelegt = false;
    deskriptor alt(::open(utf8.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (alt.fd() < 0) {
        if (errno != ENOENT) {
            throw systemfehler(errno, utf8);
        }
        struct stat verweis {};
        if (::lstat(utf8.c_str(), &verweis) == 0 && S_ISLNK(verweis.st_mode)) {
            // A link to a file that does not exist yet: the kernel creates
            // that file, empty, and it is replaced like any other.
            alt.neu(::open(utf8.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666));
            if (alt.fd() < 0) {
                throw systemfehler(errno, utf8);
            }
            angelegt = true;
        }
    }
    const bool vorhanden = alt.fd() >= 0;
    const std::string ort = vorhanden ? ortVon(alt.fd(), utf8) : utf8;
    // What a failure leaves is what was there before.
    wegraeumen neuerZielort;
    if (angelegt) {
        neuerZielort.merken(ort);
    }

    struct stat bisherig {};
    if (vorhanden) {
        if (::fstat(alt.fd(), &bisherig) != 0) {
            throw systemfehler(errno, ort);
        }
        if (S_ISDIR(bisherig.st_mode)) {
            throw systemfehler(EISDIR, ort);
        }
        if (ohneSchreibrecht(bisherig)) {
            throw systemfehler(EACCES, ort);
        }
        if (::access(ort.c_str(), W_OK) != 0) {
            throw systemfehler(errno, ort);
        }
    }

    // Until its permissions are set, the new file is for our eyes only; a
    // new file gets what the umask leaves of 0666, set by the kernel.
    std::string vorlaeufig;
    deskriptor fd(vorlaeufigOeffnen(ort, vorhanden ? 0600 : 0666, vorlaeufig));
    if (fd.fd() < 0) {
        const int fehler = errno;
        if (ausweg == notfalls::direkt && vorhanden && (fehler == EACCES || fehler == EPERM)) {
            direktSchreiben(ort, inhalt);
            neuerZielort.behalten();
            return;
        }
        throw systemfehler(fehler, ort);
    }
    wegraeumen temporaer;
    temporaer.merken(vorlaeufig);

    // The new file looks like the old one: its owner where the system lets
    // us, else at least its group, so that a replace by another user does
    // not take the file from its users; then the extended attributes with
    // the access control list, then the mode, which a change of owner may
    // have cut.
    if (vorhanden) {
        if (::fchown(fd.fd(), bisherig.st_uid, bisherig.st_gid) != 0) {
            static_cast<void>(::fchown(fd.fd(), static_cast<uid_t>(-1), bisherig.st_gid));
        }
        attributeUebertragen(alt.fd(), fd.fd(), ort);
        if (::fchmod(fd.fd(), bisherig.st_mode & 07777) != 0) {
            throw systemfehler(errno, ort);
        }
    }
    allesSchreiben(fd.fd(), inhalt, ort);
    // Data the disk did not take must not replace the old file.
    synchronisieren(fd.fd(), ort);
    if (vorlaeufig.empty()) {
        // An anonymous file gets its name before the change check, so that
        // only the rename stands between the last compared byte and the
        // replace.
        if (!vorhanden) {
            if (bisher != nullptr && !haeltNoch(ort, *bisher)) {
                geaendert(ort);
            }
            if (!verknuepfen(fd.fd(), ort)) {
                if (errno == EEXIST) {
                    geaendert(ort);
                }
                throw systemfehler(errno, ort);
            }
            fd.schliessen(ort);
            ordnerSynchronisieren(ort);
            return;
        }
        for (int versuch = 0; vorlaeufig.empty(); ++versuch) {
            const std::string kandidat = vorlaeufigerName(ort, zufallskennung());
            if (verknuepfen(fd.fd(), kandidat)) {
                vorlaeufig = kandidat;
            } else if (errno != EEXIST || versuch == 100) {
                throw systemfehler(errno, ort);
            }
        }
        temporaer.merken(vorlaeufig);
    }
    fd.schliessen(ort);
    if (bisher != nullptr && !haeltNoch(ort, *bisher)) {
        geaendert(ort);
    }
    if (::rename(vorlaeufig.c_str(), ort.c_str()) != 0) {
        throw systemfehler(errno, ort);
    }
    temporaer.behalten();
    neuerZielort.behalten();
    ordnerSynchronisieren(ort);
}

bool dateiExistiert(std::string_view name) {
    namePruefen(name);
    struct stat st {};
    return ::stat(std::string(name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool ordnerExistiert(std::string_view name) {
    namePruefen(name);
    struct stat st {};
    return ::stat(std::string(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool schreibgeschuetzt(std::string_view name) {
    namePruefen(name);
    const std::string utf8(name);
    struct stat st {};
    if (::stat(utf8.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return false;
    }
    // The same two checks that ersetzen makes before it touches the file.
    return ohneSchreibrecht(st) || ::access(utf8.c_str(), W_OK) != 0;
}

bool ordnerNimmtKeineDatei(std::string_view name) {
    namePruefen(name);
    // The replace writes beside the file a link leads to, not beside the link.
    const std::unique_ptr<char, decltype(&std::free)> echt(
        ::realpath(std::string(name).c_str(), nullptr), &std::free);
    const std::string ordner = ordnerVon(echt ? std::string_view(echt.get()) : name);
    struct stat st {};
    return ::stat(ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::access(ordner.c_str(), W_OK | X_OK) != 0;
}

std::optional<dateistempel> dateiStempel(std::string_view name) {
    namePruefen(name);
    struct stat st {};
    if (::stat(std::string(name).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return std::nullopt;
    }
    return dateistempel{static_cast<std::uint64_t>(st.st_size),
                        std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec};
}

std::string dateiLesen(std::string_view name) {
    namePruefen(name);
    const std::string utf8(name);
    deskriptor fd(::open(utf8.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
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

void dateiBlockweiseLesen(std::string_view name,
                          const std::function<bool(std::string_view)>& weiter) {
    namePruefen(name);
    const std::string utf8(name);
    deskriptor fd(::open(utf8.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.fd() < 0) {
        throw systemfehler(errno, utf8);
    }
    std::string block(blockgroesse, '\0');
    while (const std::size_t n = lesenBis(fd.fd(), block.data(), block.size(), utf8)) {
        if (!weiter(std::string_view(block.data(), n))) {
            return;
        }
    }
}

void ordnerAnlegen(std::string_view name) {
    namePruefen(name);
    const std::string utf8(name);
    if (::mkdir(utf8.c_str(), 0777) == 0) {
        return;
    }
    const int fehler = errno;
    if (fehler != EEXIST) {
        throw systemfehler(fehler, utf8);
    }
    if (!ordnerExistiert(name)) {
        throw meldungsfehler(meldung::keinOrdner, {{"datei", utf8}});
    }
}

std::vector<std::string> dateienIn(std::string_view ordner) {
    namePruefen(ordner);
    const std::string utf8(ordner);
    struct schliessen {
        void operator()(DIR* d) const { ::closedir(d); }
    };
    const std::unique_ptr<DIR, schliessen> verzeichnis(::opendir(utf8.c_str()));
    if (!verzeichnis) {
        throw systemfehler(errno, utf8);
    }
    std::vector<std::string> namen;
    for (;;) {
        errno = 0;
        const dirent* eintrag = ::readdir(verzeichnis.get());
        if (eintrag == nullptr) {
            if (errno != 0) {
                throw systemfehler(errno, utf8);
            }
            return namen;
        }
        struct stat st {};
        if (::fstatat(::dirfd(verzeichnis.get()), eintrag->d_name, &st, 0) == 0 &&
            S_ISREG(st.st_mode)) {
            namen.emplace_back(eintrag->d_name);
        }
    }
}

void dateiLoeschen(std::string_view name) {
    namePruefen(name);
    const std::string utf8(name);
    if (::unlink(utf8.c_str()) != 0 && errno != ENOENT) {
        throw systemfehler(errno, utf8);
    }
}
