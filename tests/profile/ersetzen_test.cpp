// The safe replace under failures: a writer killed at any moment, a full
// disk, a file size limit. Afterwards the settings file holds the old or the
// new text, whole, and a failure is reported.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

namespace {

namespace fs = std::filesystem;
using ersetzen = arbeitsordner;

// Replaces the file in a child process and kills it with SIGKILL after
// `frist`; a negative `frist` lets it finish. Returns how long it ran.
std::chrono::microseconds ersetzenImKind(const std::string& datei, const std::string& inhalt,
                                         std::chrono::microseconds frist) {
    const auto anfang = std::chrono::steady_clock::now();
    const pid_t kind = ::fork();
    if (kind == 0) {
        try {
            dateiErsetzen(datei, inhalt);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    if (frist.count() >= 0) {
        std::this_thread::sleep_for(frist);
        ::kill(kind, SIGKILL);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 anfang);
}

TEST_F(ersetzen, einGetoeteterSchreiberHinterlaesstAltOderNeu) {
    const std::string datei = (ordner_ / "ApplicationSettings.xml").string();
    const std::string alt(3 << 20, 'a');
    const std::string neu = std::string(5 << 20, 'b') + "ende";
    // How long one whole replace of the old text by the new one takes here.
    schreiben(datei, alt);
    const auto dauer = ersetzenImKind(datei, neu, std::chrono::microseconds(-1));

    // Kill points from the start to well past the usual end, so that both
    // outcomes occur even on a loaded machine.
    int alteGesehen = 0;
    int neueGesehen = 0;
    for (int zehntel = 0; zehntel <= 30; zehntel += 2) {
        schreiben(datei, alt);
        ersetzenImKind(datei, neu, dauer * zehntel / 10);
        const std::string jetzt = lesen(datei);
        ASSERT_TRUE(jetzt == alt || jetzt == neu)
            << "killed after " << zehntel << "/10, " << jetzt.size() << " bytes";
        (jetzt == alt ? alteGesehen : neueGesehen)++;
    }
    EXPECT_GT(alteGesehen, 0);
    EXPECT_GT(neueGesehen, 0);

    // Left-over temporary files carry other names, and the next replace works.
    dateiErsetzen(datei, "zuletzt");
    EXPECT_EQ(lesen(datei), "zuletzt");
    for (const auto& eintrag : fs::directory_iterator(ordner_)) {
        if (eintrag.path() != datei) {
            EXPECT_NE(eintrag.path().filename(), "ApplicationSettings.xml");
        }
    }
}

// Replacing a file on a disk that is too small for the old and the new text
// together fails for lack of space and leaves the old one as it was. Where
// no file system may be mounted, a file size limit makes the write fail the
// same way.
TEST_F(ersetzen, platzmangelLaesstDasOriginalStehen) {
    const fs::path klein = ordner_ / "klein";
    fs::create_directory(klein);
    const bool eingehaengt = ::mount("tmpfs", klein.c_str(), "tmpfs", 0, "size=64k") == 0;
    const std::string datei = (klein / "ApplicationSettings.xml").string();
    const std::string alt(40 << 10, 'a');
    const std::string neu(48 << 10, 'b');
    schreiben(datei, alt);

    rlimit grenze{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &grenze), 0);
    const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
    if (!eingehaengt) {
        rlimit eng = grenze;
        eng.rlim_cur = 44 << 10;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &eng), 0);
    }
    const int fehler = fehlernummer([&] { dateiErsetzen(datei, neu); });
    ::setrlimit(RLIMIT_FSIZE, &grenze);
    std::signal(SIGXFSZ, altesSignal);

    EXPECT_EQ(fehler, 75) << (eingehaengt ? "tmpfs" : "file size limit");
    EXPECT_EQ(lesen(datei), alt);
    for (const auto& eintrag : fs::directory_iterator(klein)) {
        EXPECT_EQ(eintrag.path(), datei) << "no temporary file is left behind";
    }
    if (eingehaengt) {
        ::umount(klein.c_str());
    }
}

} // namespace
