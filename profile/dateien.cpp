#include "dateien.h"

#include "laufzeitfehler.h"
#include "zeichensatz.h"

#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

laufzeitfehler systemfehler(int fehler, const std::string& name) {
    const std::string einzelheit = name + " (" + std::strerror(fehler) + ")";
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

// Makes the rename itself durable: fdatasync on the file does not cover the
// folder entry that now points at it.
void ordnerSynchronisieren(const std::string& dateiname) {
    const std::string::size_type trenner = dateiname.rfind('/');
    const std::string ordner =
        trenner == std::string::npos ? "." : dateiname.substr(0, trenner + 1);
    deskriptor fd(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.fd() >= 0) {
        ::fsync(fd.fd());
    }
}

} // namespace

bool dateiExistiert(std::string_view name) {
    struct stat st {};
    return ::stat(nachUtf8(name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
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
    std::size_t gelesen = 0;
    for (;;) {
        if (gelesen == inhalt.size()) {
            // The file may have grown since fstat; keep reading until the end.
            inhalt.resize(inhalt.size() + 4096);
        }
        const ssize_t n = ::read(fd.fd(), inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw systemfehler(errno, utf8);
        }
        if (n == 0) {
            break;
        }
        gelesen += static_cast<std::size_t>(n);
    }
    inhalt.resize(gelesen);
    return inhalt;
}

void dateiErsetzen(std::string_view name, std::string_view inhalt) {
    const std::string utf8 = nachUtf8(name);
    struct stat st {};
    if (::stat(utf8.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            throw systemfehler(EISDIR, utf8);
        }
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(utf8.c_str(), W_OK) != 0) {
            throw systemfehler(EACCES, utf8);
        }
    }

    QSaveFile datei(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    datei.setDirectWriteFallback(false);
    const auto fehlschlag = [&] {
        const QFileDevice::FileError art = datei.error();
        const std::string einzelheit = utf8 + " (" + datei.errorString().toStdString() + ")";
        datei.cancelWriting();
        return laufzeitfehler(art == QFileDevice::PermissionsError
                                  ? laufzeitfehler::zugriffVerweigert
                                  : laufzeitfehler::pfadZugriffsfehler,
                              einzelheit);
    };
    // Unbuffered, so that a failed write is seen at the write: QSaveFile does
    // not notice a failure while flushing its buffer on commit and would
    // rename the incomplete file over the old one.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw fehlschlag();
    }
    if (datei.write(inhalt.data(), static_cast<qint64>(inhalt.size())) !=
        static_cast<qint64>(inhalt.size())) {
        throw fehlschlag();
    }
    // commit() syncs too, but ignores a failure; data the disk did not take
    // must not replace the old file.
    if (::fsync(datei.handle()) != 0) {
        const int fehler = errno;
        datei.cancelWriting();
        throw systemfehler(fehler, utf8);
    }
    if (!datei.commit()) {
        throw fehlschlag();
    }
    ordnerSynchronisieren(utf8);
}
