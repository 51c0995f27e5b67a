// The start as the user feels it: the time from spawning the program to the
// first paint of its window with the sample settings loaded, against the bare
// window with the same controls (grundfenster). Both run in turn, in a
// scratch working folder whose "ini.txt" names a copy of the sample, with an
// empty home folder; each reports the wall-clock time of its first paint
// through the file that TAMVORIL_STARTMESSUNG names. The processor time of
// each whole run, start to exit, is reported beside it: other work on a
// shared machine disturbs it less.
//
//   start_bench [--runden N] [--wine] [PROGRAMM GRUNDFENSTER]
//
// Needs a display (Xvfb will do). With --wine the two programs are Windows
// executables, started with the Wine that WINE names ("wine" if unset) in the
// prefix that WINEPREFIX names.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* zeitdatei = "startzeit";

long long mikrosekunden() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

[[noreturn]] void abbrechen(const std::string& grund) {
    std::fprintf(stderr, "start_bench: %s\n", grund.c_str());
    std::exit(1);
}

// The scratch folder, made the working directory, with the sample in
// "demo/" and "ini.txt" naming it (as Wine sees it, under --wine).
fs::path arbeitsordnerAnlegen(bool wine) {
    std::string muster = (fs::temp_directory_path() / "tamvoril-start-XXXXXX").string();
    if (::mkdtemp(muster.data()) == nullptr) {
        abbrechen("mkdtemp failed");
    }
    const fs::path ordner(muster);
    fs::create_directory(ordner / "demo");
    fs::create_directory(ordner / "home");
    fs::copy_file(fs::path(DEMO_ORDNER) / "ApplicationSettings.xml",
                  ordner / "demo" / "ApplicationSettings.xml");
    std::string pfad = (ordner / "demo").string() + "/";
    if (wine) {
        std::replace(pfad.begin(), pfad.end(), '/', '\\');
        pfad = "Z:" + pfad;
    }
    std::ofstream(ordner / "ini.txt", std::ios::binary) << pfad;
    fs::current_path(ordner);
    return ordner;
}

struct messung {
    long long bisZumBild; // from the spawn to the reported first paint
    long long prozessor;  // user and system time of the whole run
};

long long mikrosekunden(const timeval& t) {
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec;
}

// One start, in microseconds.
messung einStart(const std::vector<std::string>& befehl) {
    fs::remove(zeitdatei);
    std::vector<char*> argumente;
    for (const std::string& a : befehl) {
        argumente.push_back(const_cast<char*>(a.c_str()));
    }
    argumente.push_back(nullptr);
    const long long vorher = mikrosekunden();
    pid_t kind = 0;
    if (::posix_spawnp(&kind, argumente[0], nullptr, nullptr, argumente.data(), environ) != 0) {
        abbrechen("cannot start " + befehl.back());
    }
    // Polled, so that a program that never paints is ended; the time comes
    // from the program, not from the wait.
    int status = 0;
    rusage verbrauch{};
    const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (::wait4(kind, &status, WNOHANG, &verbrauch) == 0) {
        if (std::chrono::steady_clock::now() > frist) {
            ::kill(kind, SIGKILL);
            ::waitpid(kind, &status, 0);
            abbrechen(befehl.back() + " did not paint within 60 s");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    long long gemalt = 0;
    if (!(std::ifstream(zeitdatei) >> gemalt)) {
        abbrechen(befehl.back() + " reported no paint (exit status " + std::to_string(status) +
                  ")");
    }
    return {gemalt - vorher, mikrosekunden(verbrauch.ru_utime) + mikrosekunden(verbrauch.ru_stime)};
}

double median(std::vector<long long> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 == 1
               ? static_cast<double>(werte[n / 2])
               : (static_cast<double>(werte[n / 2 - 1]) + static_cast<double>(werte[n / 2])) / 2;
}

void zeile(const char* name, const std::vector<messung>& messungen) {
    std::vector<long long> bild;
    std::vector<long long> prozessor;
    for (const messung& m : messungen) {
        bild.push_back(m.bisZumBild);
        prozessor.push_back(m.prozessor);
    }
    std::printf("%-14s median %7.1f ms  min %7.1f ms  max %7.1f ms   Prozessor median %7.1f ms\n",
                name, median(bild) / 1000,
                static_cast<double>(*std::min_element(bild.begin(), bild.end())) / 1000,
                static_cast<double>(*std::max_element(bild.begin(), bild.end())) / 1000,
                median(prozessor) / 1000);
}

double verhaeltnis(const std::vector<messung> (&zeiten)[2], long long messung::*wert) {
    std::vector<long long> werte[2];
    for (int k = 0; k < 2; ++k) {
        for (const messung& m : zeiten[k]) {
            werte[k].push_back(m.*wert);
        }
    }
    return median(werte[0]) / median(werte[1]);
}

} // namespace

int main(int argc, char** argv) {
    int runden = 15;
    bool wine = false;
    std::vector<std::string> programme;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runden" && i + 1 < argc) {
            runden = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--wine") {
            wine = true;
        } else {
            programme.push_back(fs::absolute(a).string());
        }
    }
    if (programme.empty()) {
        programme = {PROGRAMM, GRUNDFENSTER};
    }
    if (programme.size() != 2) {
        abbrechen("usage: start_bench [--runden N] [--wine] [PROGRAMM GRUNDFENSTER]");
    }
    const fs::path ordner = arbeitsordnerAnlegen(wine);
    ::setenv("HOME", (ordner / "home").c_str(), 1);
    ::setenv("TAMVORIL_STARTMESSUNG", zeitdatei, 1);

    const char* const wineumgebung = std::getenv("WINE");
    const std::string winebefehl = wineumgebung != nullptr ? wineumgebung : "wine";
    std::vector<std::vector<std::string>> befehle;
    for (const std::string& p : programme) {
        befehle.push_back(wine ? std::vector<std::string>{winebefehl, p}
                               : std::vector<std::string>{p});
    }
    // One start of each first, not counted: it fills the caches.
    einStart(befehle[0]);
    einStart(befehle[1]);
    std::vector<messung> zeiten[2];
    for (int r = 0; r < runden; ++r) {
        // In turn, the order swapped every round.
        for (int k = 0; k < 2; ++k) {
            const int welches = (r + k) % 2;
            zeiten[welches].push_back(einStart(befehle[static_cast<std::size_t>(welches)]));
        }
    }
    fs::current_path(ordner.parent_path());
    fs::remove_all(ordner);

    std::printf("Start bis zum ersten Bild, %d Läufe je Programm%s:\n", runden,
                wine ? " unter Wine" : "");
    zeile("Tamvoril", zeiten[0]);
    zeile("Grundfenster", zeiten[1]);
    std::printf("Verhältnis der Mediane: %.2f× bis zum ersten Bild, %.2f× Prozessorzeit\n",
                verhaeltnis(zeiten, &messung::bisZumBild),
                verhaeltnis(zeiten, &messung::prozessor));
    return 0;
}
