// The safe replace and the in-place write on POSIX systems: every system
// call killed or failing in turn, what an existing file keeps (access
// control list, extended attributes, group), links planted by other users,
// the file size limit and a read-only file system.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"
#include "verfolgung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>

namespace {

namespace fs = std::filesystem;
using posix = arbeitsordner;

const std::string alterPfad = "/home/anna/Einstellungen/Navi/";
const std::string neuerPfad = "/home/bob/";

std::size_t eintraege(const fs::path& ordner) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(ordner), fs::directory_iterator{}));
}

// A folder that takes no new file from "nobody", holding a file that
// "nobody" may write: "ini.txt" where only the file itself is writable.
fs::path festerOrdner(const fs::path& ordner_) {
    const fs::path fest = ordner_ / "fest";
    fs::create_directory(fest);
    fs::permissions(fest, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(ordner_, fs::perms::others_exec, fs::perm_options::add);
    return fest;
}

// Killed before any of its calls, the in-place write leaves the old path,
// the new one or an empty file; never the new path over the old one's tail.
// Failing at any of its calls, it reports the failure and leaves the old path.
TEST_F(posix, anOrtUndStelleNieEinGemisch) {
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to let nobody write the file but not the folder";
    }
    const fs::path fest = festerOrdner(ordner_);
    const std::string ini = (fest / "ini.txt").string();
    const auto schreibe = [&] { return fehlernummer([&] { dateiSchreiben(ini, neuerPfad); }); };
    for (const eingriff art : {eingriff::toeten, eingriff::scheitern}) {
        int schritt = 0;
        for (;; ++schritt) {
            schreiben(ini, alterPfad);
            fs::permissions(ini, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                                    fs::perms::others_exec));
            const verlauf v = verfolgen(schreibe, art, schritt, EIO, alsNiemand);
            if (!v.erreicht) {
                EXPECT_EQ(v.ergebnis, 0);
                EXPECT_EQ(lesen(ini), neuerPfad);
                break;
            }
            const std::string danach = lesen(ini);
            if (art == eingriff::toeten) {
                EXPECT_TRUE(danach == alterPfad || danach == neuerPfad || danach.empty())
                    << "killed at call " << schritt << ": " << danach;
            } else if (v.ergebnis == 0) {
                EXPECT_EQ(danach, neuerPfad) << "call " << schritt << " failed unnoticed";
            } else if (v.betroffen == SYS_close) {
                // Closing fails after the new text is on disk: reported,
                // and the new text stays.
                EXPECT_TRUE(danach == alterPfad || danach == neuerPfad) << "call " << schritt;
            } else {
                EXPECT_EQ(danach, alterPfad) << "call " << schritt << " failed";
            }
        }
        EXPECT_GT(schritt, 5) << "the in-place write was not reached";
    }
}

// Whichever call of the safe replace fails, the file holds the old or the
// new text and no temporary file is left; success is reported only with the
// new text in place. Failing flushes, of the file and of the folder, and a
// failing close of the new file are reported.
TEST_F(posix, jederFehlschlagWirdGemeldet) {
    const std::string datei = (ordner_ / "ApplicationSettings.xml").string();
    const std::string alt(3 << 10, 'a');
    const std::string neu(5 << 10, 'b');
    const auto ersetze = [&] { return fehlernummer([&] { dateiErsetzen(datei, neu); }); };
    const auto verlaufBeiFehler = [&](int schritt) {
        schreiben(datei, alt);
        return verfolgen(ersetze, eingriff::scheitern, schritt);
    };
    for (int schritt = 0;; ++schritt) {
        const verlauf v = verlaufBeiFehler(schritt);
        if (!v.erreicht) {
            break;
        }
        const std::string danach = lesen(datei);
        EXPECT_TRUE(danach == alt || danach == neu) << "call " << schritt << " failed";
        if (v.ergebnis == 0) {
            EXPECT_EQ(danach, neu) << "call " << schritt << " failed unnoticed";
        }
        EXPECT_EQ(eintraege(ordner_), 1u) << "call " << schritt << " left a temporary file";
    }

    schreiben(datei, alt);
    const verlauf sauber = verfolgen(ersetze, eingriff::keiner, 0);
    ASSERT_EQ(sauber.ergebnis, 0);
    std::vector<int> gemeldet;
    for (std::size_t i = 0; i < sauber.aufrufe.size(); ++i) {
        const bool flush = sauber.aufrufe[i] == SYS_fsync;
        const bool schliesstNeue =
            sauber.aufrufe[i] == SYS_close && i > 0 && sauber.aufrufe[i - 1] == SYS_fsync;
        if (flush || schliesstNeue) {
            gemeldet.push_back(static_cast<int>(i));
        }
    }
    ASSERT_EQ(gemeldet.size(), 3u) << "a flush of the file, its close, a flush of the folder";
    for (const int schritt : gemeldet) {
        EXPECT_NE(verlaufBeiFehler(schritt).ergebnis, 0) << "call " << schritt;
    }
}

// Refused for lack of permission, a read and a folder that cannot be made
// get advice that fits: no write protection to take off a file that only
// could not be read, and no file's rights where a folder is the matter.
TEST_F(posix, verweigerterZugriffRaetPassend) {
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to act as nobody";
    }
    schreiben("geheim.xml", "x");
    fs::permissions("geheim.xml", fs::perms::owner_read);
    const fs::path fest = festerOrdner(ordner_);
    const struct {
        std::function<void()> aufruf;
        const char* unpassend;
    } faelle[] = {
        {[] { dateiLesen("geheim.xml"); }, "Schreibschutz"},
        {[&] { ordnerAnlegen((fest / "Sicherungen").string()); }, "der Datei"},
    };
    for (const auto& f : faelle) {
        if (::fork() == 0) {
            std::string text;
            try {
                alsNiemand();
                f.aufruf();
            } catch (const laufzeitfehler& e) {
                text = e.beschreibung();
            }
            std::fprintf(stderr, "%s\n", text.c_str());
            ::_exit(!text.empty() && text.find(f.unpassend) == std::string::npos ? 0 : 1);
        }
        int status = 0;
        ::wait(&status);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << f.unpassend;
    }
}

// A new file gets 0666 less the umask, and the umask, which other threads
// of the window share, is never touched.
TEST_F(posix, neueDateiNachUmaskOhneSieZuAendern) {
    const std::string datei = (ordner_ / "neu.txt").string();
    const verlauf v = verfolgen(
        [&] {
            ::umask(027);
            return fehlernummer([&] { dateiErsetzen(datei, "x"); });
        },
        eingriff::keiner, 0);
    EXPECT_EQ(v.ergebnis, 0);
    EXPECT_EQ(std::count(v.aufrufe.begin(), v.aufrufe.end(), SYS_umask), 1) << "the test's own";
    EXPECT_EQ(fs::status(datei).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

std::string attribut(const std::string& datei, const char* name) {
    std::string wert(4096, '\0');
    const ssize_t n = ::getxattr(datei.c_str(), name, wert.data(), wert.size());
    return n < 0 ? "" : wert.substr(0, static_cast<std::size_t>(n));
}

// The access control list, the group's bits that stand for its mask, and
// other extended attributes survive a replace.
TEST_F(posix, zugriffslisteUndAttributeBleiben) {
    const std::string datei = (ordner_ / "ApplicationSettings.xml").string();
    schreiben(datei, "alt");
    fs::permissions(datei, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    if (std::system(("setfacl -m u:nobody:rw- '" + datei + "' 2>/dev/null").c_str()) != 0 ||
        ::setxattr(datei.c_str(), "user.tamvoril", "wert", 4, 0) != 0) {
        GTEST_SKIP() << "no setfacl, or no access control lists and attributes here";
    }
    const std::string liste = attribut(datei, "system.posix_acl_access");
    const fs::perms rechte = fs::status(datei).permissions();
    ASSERT_FALSE(liste.empty());

    dateiErsetzen(datei, "neu");
    EXPECT_EQ(lesen(datei), "neu");
    EXPECT_EQ(attribut(datei, "system.posix_acl_access"), liste);
    EXPECT_EQ(attribut(datei, "user.tamvoril"), "wert");
    EXPECT_EQ(fs::status(datei).permissions(), rechte);
}

// Where the owner cannot be kept (a replace by another user), the group is:
// the file stays readable for the group that had it.
TEST_F(posix, gruppeBleibtOhneEigentuemer) {
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to set up two users' files";
    }
    fs::permissions(ordner_, fs::perms::all);
    const std::string datei = (ordner_ / "ApplicationSettings.xml").string();
    schreiben(datei, "alt");
    ASSERT_EQ(::chown(datei.c_str(), 0, 65534), 0);
    ASSERT_EQ(::chmod(datei.c_str(), 0664), 0);
    // "nobody", in the file's group but with another group of its own.
    const auto alsMitglied = [] {
        const gid_t gruppen[] = {65534};
        return ::setgroups(1, gruppen) == 0 && ::setgid(100) == 0 && ::setuid(65534) == 0;
    };
    const verlauf v = verfolgen([&] { return fehlernummer([&] { dateiErsetzen(datei, "neu"); }); },
                                eingriff::keiner, 0, 0, alsMitglied);
    EXPECT_EQ(v.ergebnis, 0);
    struct stat st {};
    ASSERT_EQ(::stat(datei.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u) << "the owner could not be kept";
    EXPECT_EQ(st.st_gid, 65534u) << "the group could";
    EXPECT_EQ(st.st_mode & 07777, 0664u);
}

// A file system without extended attributes (many FUSE mounts) has none to
// copy: whichever of the listing calls reports it, the replace goes on.
TEST_F(posix, ohneErweiterteAttribute) {
    const std::string datei = (ordner_ / "ApplicationSettings.xml").string();
    schreiben(datei, "alt");
    if (::setxattr(datei.c_str(), "user.tamvoril", "wert", 4, 0) != 0) {
        GTEST_SKIP() << "no extended attributes here";
    }
    const auto ersetze = [&] { return fehlernummer([&] { dateiErsetzen(datei, "neu"); }); };
    const verlauf sauber = verfolgen(ersetze, eingriff::keiner, 0);
    int listen = 0;
    for (std::size_t schritt = 0; schritt < sauber.aufrufe.size(); ++schritt) {
        if (sauber.aufrufe[schritt] != SYS_flistxattr) {
            continue;
        }
        ++listen;
        schreiben(datei, "alt");
        const verlauf v =
            verfolgen(ersetze, eingriff::scheitern, static_cast<int>(schritt), EOPNOTSUPP);
        EXPECT_EQ(v.ergebnis, 0) << "listing call " << listen;
        EXPECT_EQ(lesen(datei), "neu");
    }
    EXPECT_EQ(listen, 2) << "the size, then the names";
}

// A write through a link to a file that does not exist yet either writes
// that file, the link staying a link, or fails and leaves no empty file
// behind: for "ini.txt" every later start would fail. Also where the
// kernel cannot name the open file (a failed readlink).
TEST_F(posix, verweisAufFehlendeDatei) {
    fs::create_directory(ordner_ / "ziel");
    const fs::path ziel = ordner_ / "ziel" / "ini.txt";
    const fs::path verweis = ordner_ / "ini.txt";
    const auto schreibe = [&] { return fehlernummer([&] { dateiSchreiben("ini.txt", "/a/"); }); };
    fs::create_symlink(ziel, verweis);
    const verlauf sauber = verfolgen(schreibe, eingriff::keiner, 0);
    ASSERT_EQ(sauber.ergebnis, 0);
    int gescheitert = 0;
    for (std::size_t schritt = 0; schritt < sauber.aufrufe.size(); ++schritt) {
        fs::remove(ziel);
        fs::remove(verweis);
        fs::create_symlink(ziel, verweis);
        const verlauf v =
            verfolgen(schreibe, eingriff::scheitern, static_cast<int>(schritt), ENOSPC);
        EXPECT_TRUE(fs::is_symlink(verweis)) << "failing call " << schritt;
        if (v.ergebnis == 0) {
            EXPECT_EQ(lesen(ziel), "/a/") << "failing call " << schritt;
        } else {
            ++gescheitert;
            // Failures of the folder's flush come after the rename.
            EXPECT_TRUE(!fs::exists(ziel) || lesen(ziel) == "/a/") << "failing call " << schritt;
        }
    }
    EXPECT_GT(gescheitert, 3);
}

// A link that another user planted in a shared sticky folder is not
// followed by root: the kernel refuses it, and the file it points to stays.
TEST_F(posix, gepflanzterVerweisWirdNichtVerfolgt) {
    const char* schalter = "/proc/sys/fs/protected_symlinks";
    std::string vorher;
    std::ifstream(schalter) >> vorher;
    if (::getuid() != 0 || vorher.empty()) {
        GTEST_SKIP() << "needs root and the kernel's link protection";
    }
    std::ofstream(schalter) << "1";
    const fs::path geteilt = ordner_ / "geteilt";
    fs::create_directory(geteilt);
    ::chmod(geteilt.c_str(), 01777);
    fs::permissions(ordner_, fs::perms::others_exec, fs::perm_options::add);
    const std::string opfer = (ordner_ / "opfer").string();
    schreiben(opfer, "geheim");
    const std::string falle = (geteilt / "ini.txt").string();
    const verlauf v = verfolgen([&] { return ::symlink(opfer.c_str(), falle.c_str()); },
                                eingriff::keiner, 0, 0, alsNiemand);
    ASSERT_EQ(v.ergebnis, 0);

    const int nummer = fehlernummer([&] { dateiSchreiben(falle, "/home/mallory/"); });
    std::ofstream(schalter) << vorher;
    EXPECT_EQ(nummer, 70);
    EXPECT_EQ(lesen(opfer), "geheim");
}

// A file size limit makes the write fail with a German message instead of
// ending the program: the write itself ignores SIGXFSZ.
TEST_F(posix, groessengrenzeWirdGemeldet) {
    const std::string datei = (ordner_ / "ApplicationSettings.xml").string();
    schreiben(datei, "alt");
    const pid_t kind = ::fork();
    if (kind == 0) {
        // As a fresh process has it: ending the process.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit grenze{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        try {
            dateiErsetzen(datei, std::string(4096, 'x'));
        } catch (const laufzeitfehler& f) {
            ::_exit(f.beschreibung().find(": Datei zu groß.") != std::string::npos ? f.nummer()
                                                                                   : 1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 75);
    EXPECT_EQ(lesen(datei), "alt");
}

// On a read-only file system the cause says so.
TEST_F(posix, nurLesbaresDateisystem) {
    const fs::path ro = ordner_ / "ro";
    fs::create_directory(ro);
    if (::mount("tmpfs", ro.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no file system may be mounted here";
    }
    schreiben(ro / "ini.txt", "/alt/");
    ASSERT_EQ(::mount(nullptr, ro.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    try {
        dateiSchreiben((ro / "ini.txt").string(), "/neu/");
        ADD_FAILURE() << "written on a read-only file system";
    } catch (const laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 70);
        EXPECT_NE(f.beschreibung().find(": Dateisystem nur lesbar."), std::string::npos)
            << f.beschreibung();
    }
    EXPECT_EQ(lesen(ro / "ini.txt"), "/alt/");
    ::umount(ro.c_str());
}

} // namespace
