// The safe replace under failures: a writer killed before any of its system
// calls, a full disk, a file size limit. Afterwards the settings file holds
// the old or the new text, whole, and a failure is reported.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"
#include "verfolgung.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using ersetzen = arbeitsordner;

TEST_F(ersetzen, einGetoeteterSchreiberHinterlaesstAltOderNeu) {
    const std::string datei = (ordner_ / "ApplicationSettings.xml").string();
    const std::string alt(3 << 10, 'a');
    const std::string neu = std::string(1 << 20, 'b') + "ende";
    const auto ersetze = [&] { return fehlernummer([&] { dateiErsetzen(datei, neu); }); };
    const auto eintraege = [&] {
        return std::distance(fs::directory_iterator(ordner_), fs::directory_iterator{});
    };
    int schritt = 0;
    int zurueckgelassen = 0;
    std::string zuletzt;
    for (;; ++schritt) {
        schreiben(datei, alt);
        if (!verfolgen(ersetze, eingriff::toeten, schritt).erreicht) {
            break;
        }
        zuletzt = lesen(datei);
        ASSERT_TRUE(zuletzt == alt || zuletzt == neu)
            << "killed at call " << schritt << ": " << zuletzt.size() << " bytes";
        if (schritt == 0) {
            EXPECT_EQ(zuletzt, alt) << "killed before it began";
        }
        if (eintraege() > 1) {
            ++zurueckgelassen;
            for (const auto& eintrag : fs::directory_iterator(ordner_)) {
                if (eintrag.path() != datei) {
                    fs::remove(eintrag.path());
                }
            }
        }
    }
    EXPECT_EQ(zuletzt, neu) << "killed at its last call, " << schritt - 1;
    // The new text stays nameless until it is complete on disk: only a
    // writer killed between naming it and the rename leaves it behind.
    EXPECT_LE(zurueckgelassen, 2) << "of " << schritt << " killed writers";

    // A replace that completes leaves nothing of its own.
    dateiErsetzen(datei, "zuletzt");
    EXPECT_EQ(lesen(datei), "zuletzt");
    EXPECT_EQ(eintraege(), 1);
}

// A 64 KiB tmpfs mounted on `ordner`, or, where no file system may be
// mounted, a 44 KiB limit on the size of the files this process writes;
// undone on every way out of a test, a failed assertion included.
class engerPlatz {
  public:
    explicit engerPlatz(const fs::path& ordner) : ordner_(ordner) {
        eingehaengt_ = ::mount("tmpfs", ordner.c_str(), "tmpfs", 0, "size=64k") == 0;
        ::getrlimit(RLIMIT_FSIZE, &grenze_);
        if (!eingehaengt_) {
            rlimit eng = grenze_;
            eng.rlim_cur = 44 << 10;
            ::setrlimit(RLIMIT_FSIZE, &eng);
        }
    }
    engerPlatz(const engerPlatz&) = delete;
    engerPlatz& operator=(const engerPlatz&) = delete;
    ~engerPlatz() {
        ::setrlimit(RLIMIT_FSIZE, &grenze_);
        if (eingehaengt_) {
            ::umount(ordner_.c_str());
        }
    }
    bool eingehaengt() const { return eingehaengt_; }

  private:
    fs::path ordner_;
    bool eingehaengt_ = false;
    rlimit grenze_{};
};

// Replacing a file on a disk that is too small for the old and the new text
// together fails for lack of space and leaves the old one as it was.
TEST_F(ersetzen, platzmangelLaesstDasOriginalStehen) {
    const fs::path klein = ordner_ / "klein";
    fs::create_directory(klein);
    const engerPlatz platz(klein);
    const std::string datei = (klein / "ApplicationSettings.xml").string();
    const std::string alt(40 << 10, 'a');
    schreiben(datei, alt);

    EXPECT_EQ(fehlernummer([&] { dateiErsetzen(datei, std::string(48 << 10, 'b')); }), 75)
        << (platz.eingehaengt() ? "tmpfs" : "file size limit");
    EXPECT_TRUE(lesen(datei) == alt) << "the old text is gone";
    for (const auto& eintrag : fs::directory_iterator(klein)) {
        EXPECT_EQ(eintrag.path(), datei) << "no temporary file is left behind";
    }
}

} // namespace
