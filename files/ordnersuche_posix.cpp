#include "ordnersuche.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Enough for any tree the filter allows; it bounds the open folders.
constexpr std::size_t hoechsteTiefe = 64;

class lauf {
  public:
    lauf(std::string_view name, const ordnerfilter& betreten, const suchgrenzen& grenzen,
         std::stop_token halt)
        : name_(name), betreten_(betreten), grenzen_(grenzen), halt_(std::move(halt)) {}

    // Walks the folder open as `fd`, which it closes.
    void ordner(int fd, const std::string& pfad, const std::string& relativ) {
        DIR* liste = ::fdopendir(fd);
        if (liste == nullptr) {
            ::close(fd);
            return;
        }
        struct stat selbst {};
        if (::fstat(fd, &selbst) != 0 || schonOffen(selbst)) {
            ::closedir(liste);
            return;
        }
        offen_.emplace_back(selbst.st_dev, selbst.st_ino);
        std::vector<std::string> unterordner;
        while (!ergebnis.vorzeitig) {
            const dirent* eintrag = ::readdir(liste);
            if (eintrag == nullptr) {
                break;
            }
            const std::string_view n = eintrag->d_name;
            if (n == "." || n == "..") {
                continue;
            }
            if (++gelesen_ > grenzen_.eintraege) {
                ergebnis.vorzeitig = true;
                break;
            }
            if ((gelesen_ & 255) == 0 && vorbei()) {
                break;
            }
            unsigned char art = eintrag->d_type;
            struct stat s {};
            if (art == DT_UNKNOWN || (art == DT_REG && n == name_)) {
                if (::fstatat(fd, eintrag->d_name, &s, AT_SYMLINK_NOFOLLOW) != 0) {
                    continue;
                }
                art = S_ISDIR(s.st_mode) ? DT_DIR : S_ISREG(s.st_mode) ? DT_REG : DT_LNK;
            }
            if (art == DT_DIR) {
                unterordner.emplace_back(n);
            } else if (art == DT_REG && n == name_) {
                ergebnis.dateien.push_back({pfad, static_cast<std::int64_t>(s.st_mtime)});
            }
        }
        // In order of their names, so that a walk cut short by a limit
        // always covers the same part.
        std::ranges::sort(unterordner);
        for (const std::string& u : unterordner) {
            if (vorbei()) {
                break;
            }
            const std::string weiter = relativ.empty() ? u : relativ + "/" + u;
            if (offen_.size() >= hoechsteTiefe || !betreten_(weiter)) {
                continue;
            }
            // O_NOFOLLOW: a folder swapped for a link since it was listed is
            // not entered either.
            const int kind =
                ::openat(fd, u.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (kind >= 0) {
                ordner(kind, pfad + u + "/", weiter);
            }
        }
        offen_.pop_back();
        ::closedir(liste);
    }

    ordnerlauf ergebnis;

    // Past the deadline or asked to stop: the walk ends early.
    bool vorbei() {
        if (halt_.stop_requested() || std::chrono::steady_clock::now() >= grenzen_.frist) {
            ergebnis.vorzeitig = true;
        }
        return ergebnis.vorzeitig;
    }

  private:
    // A folder already open further up (a bind mount of an ancestor).
    bool schonOffen(const struct stat& s) const {
        for (const auto& [geraet, knoten] : offen_) {
            if (geraet == s.st_dev && knoten == s.st_ino) {
                return true;
            }
        }
        return false;
    }

    std::string_view name_;
    const ordnerfilter& betreten_;
    const suchgrenzen& grenzen_;
    std::stop_token halt_;
    std::size_t gelesen_ = 0;
    std::vector<std::pair<dev_t, ino_t>> offen_;
};

} // namespace

ordnerlauf dateienSuchen(std::string_view wurzel, std::string_view name,
                         const ordnerfilter& betreten, const suchgrenzen& grenzen,
                         std::stop_token halt) {
    lauf l(name, betreten, grenzen, std::move(halt));
    std::string pfad(wurzel);
    if (pfad.empty() || l.vorbei()) {
        return l.ergebnis;
    }
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        if (pfad.back() != '/') {
            pfad += '/';
        }
        l.ordner(fd, pfad, "");
    }
    return l.ergebnis;
}

std::string heimordner() {
    const char* heim = std::getenv("HOME");
    return heim == nullptr ? std::string() : std::string(heim);
}
