// What the file layer says when the system refuses, the in-place write
// that "ini.txt" falls back to in a folder that takes no new file, and
// writing through a symbolic link.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"
#include "systemfehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <grp.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using dateifehler = arbeitsordner;

// The German causes (their wording is checked in dateien_test.cpp) reach
// the user from real failures.
TEST_F(dateifehler, systemfehlerSindDeutsch) {
    schreiben("datei", "x");
    fs::create_directory("ordner");
    const struct {
        std::string name;
        int nummer;
        std::string ursache;
    } echte[] = {{"fehlt", 53, systemursache(ENOENT)},
                 {"datei/x", 53, systemursache(ENOTDIR)},
                 {"ordner", 75, systemursache(EISDIR)},
                 {std::string(300, 'n'), 75, systemursache(ENAMETOOLONG)}};
    for (const auto& fall : echte) {
        try {
            dateiLesen(fall.name);
            ADD_FAILURE() << fall.name;
        } catch (const laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), fall.nummer);
            EXPECT_NE(f.beschreibung().find(fall.ursache), std::string::npos) << f.beschreibung();
        }
    }
}

// Runs `schreibe` in a child that cannot create files in `ordner`: as an
// unprivileged user where the test runs as root (root ignores the folder's
// mode bits), else with the folder's write bits taken away. Returns the
// child's error number, 0 for success.
int ohneNeueDateien(const fs::path& ordner, const std::function<void()>& schreibe) {
    fs::permissions(ordner, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(ordner.parent_path(), fs::perms::others_exec, fs::perm_options::add);
    const pid_t kind = ::fork();
    if (kind == 0) {
        const bool eingeschraenkt =
            ::getuid() == 0
                ? ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0
                : ::chmod(ordner.c_str(), 0555) == 0;
        if (!eingeschraenkt) {
            ::_exit(99);
        }
        ::_exit(fehlernummer(schreibe));
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    fs::permissions(ordner, fs::perms::owner_all, fs::perm_options::add);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(dateifehler, pfaddateiWirdNotfallsAnOrtUndStelleGeschrieben) {
    const fs::path ordner = ordner_ / "fest";
    fs::create_directory(ordner);
    const std::string ini = (ordner / "ini.txt").string();
    schreiben(ini, "/ein/sehr/langer/alter/pfad/");
    fs::permissions(ini, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                            fs::perms::others_exec));

    EXPECT_EQ(ohneNeueDateien(ordner, [&] { dateiErsetzen(ini, "/neu/"); }), 70);
    EXPECT_EQ(lesen(ini), "/ein/sehr/langer/alter/pfad/") << "no safe replace there";
    EXPECT_EQ(ohneNeueDateien(ordner, [&] { dateiSchreiben(ini, "/neu/"); }), 0);
    EXPECT_EQ(lesen(ini), "/neu/");
    EXPECT_EQ(ohneNeueDateien(ordner, [&] { dateiSchreiben((ordner / "neu.txt").string(), "x"); }),
              70);
    EXPECT_FALSE(fs::exists(ordner / "neu.txt"));
}

// A settings file reached through a symbolic link is written where the link
// points, and the link stays, also where its target does not exist yet.
TEST_F(dateifehler, verweisBleibtVerweis) {
    schreiben("echt.xml", "alt");
    fs::create_symlink("echt.xml", "verweis.xml");
    fs::create_symlink("fehlt.xml", "ins-leere.xml");
    dateiErsetzen("verweis.xml", "neu");
    dateiSchreiben("ins-leere.xml", "neu");
    for (const char* verweis : {"verweis.xml", "ins-leere.xml"}) {
        EXPECT_TRUE(fs::is_symlink(verweis)) << verweis;
        EXPECT_EQ(lesen(verweis), "neu") << verweis;
    }
}

} // namespace
