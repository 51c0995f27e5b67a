#include "benchhilfe.h"

#include "festtext.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

const fs::path& arbeitsordner() {
    static const fs::path ordner = [] {
        std::string muster = (fs::temp_directory_path() / "tamvoril-bench-XXXXXX").string();
        if (::mkdtemp(muster.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        fs::current_path(muster);
        return fs::path(muster);
    }();
    return ordner;
}

namespace {

std::string einstellungstext(std::size_t groesse, long wo) {
    std::ifstream ein(std::string(DEMO_ORDNER) + "ApplicationSettings.xml", std::ios::binary);
    const std::string demo{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    const std::string zeile("    <Destination>Große Gasse 3, Würzburg</Destination>\r\n"_cp1252);
    const std::size_t fehlt = groesse > demo.size() ? groesse - demo.size() : 0;
    std::string fuellung;
    while (fuellung.size() + zeile.size() <= fehlt / 2) {
        fuellung += zeile;
    }
    std::string text = demo;
    text.insert(text.find("  <VehicleProfiles>"), fuellung);
    text.insert(wo == hinten ? text.find("  <VehicleProfiles>") : text.find("  </RecentDest"),
                fuellung);
    text.append(groesse > text.size() ? groesse - text.size() : 0, ' ');
    return text;
}

} // namespace

std::string einstellungsdatei(std::size_t groesse, long wo) {
    const fs::path ordner = arbeitsordner() / (std::to_string(groesse) + "-" + std::to_string(wo));
    const fs::path datei = ordner / "ApplicationSettings.xml";
    if (!fs::exists(datei)) {
        fs::create_directories(ordner);
        std::ofstream(datei, std::ios::binary) << einstellungstext(groesse, wo);
    }
    std::ofstream(arbeitsordner() / "ini.txt", std::ios::binary) << ordner.string() << "/";
    return datei.string();
}

long kilobyteAusStatus(const char* feld) {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile)) {
        if (zeile.rfind(feld, 0) == 0) {
            return std::atol(zeile.c_str() + std::string(feld).size());
        }
    }
    return 0;
}

void verhaeltnisbericht::ReportRuns(const std::vector<Run>& laeufe) {
    for (const Run& lauf : laeufe) {
        if (lauf.run_type == Run::RT_Aggregate && lauf.aggregate_name == "median") {
            medianzeiten_[{lauf.run_name.function_name, lauf.run_name.args}] = {
                lauf.GetAdjustedRealTime(), lauf.GetAdjustedCPUTime()};
            wiederholungen_ = lauf.repetitions;
            median(lauf);
        }
    }
    ConsoleReporter::ReportRuns(laeufe);
}

void verhaeltnisbericht::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nVerhaeltnis der Mediane (%lld Wiederholungen) zum Boden, "
                "Echtzeit und Prozessorzeit:\n",
                wiederholungen_);
    for (const auto& [art, boden] : paare_) {
        for (const auto& [schluessel, zeit] : medianzeiten_) {
            const auto bodenzeit = medianzeiten_.find({boden, schluessel.second});
            if (schluessel.first == art && bodenzeit != medianzeiten_.end()) {
                std::printf("  %-20s %-16s %6.2f x %6.2f x\n", art.c_str(),
                            schluessel.second.c_str(), zeit.real / bodenzeit->second.real,
                            zeit.prozessor / bodenzeit->second.prozessor);
            }
        }
    }
}

void benchmarksAusfuehren(int argc, char** argv, verhaeltnisbericht& bericht) {
    std::vector<char*> argumente(argv, argv + argc);
    // In front of the command line's own flags, which win.
    std::string mischen = "--benchmark_enable_random_interleaving=true";
    std::string wiederholen = "--benchmark_repetitions=9";
    argumente.insert(argumente.begin() + 1, {mischen.data(), wiederholen.data()});
    int anzahl = static_cast<int>(argumente.size());
    benchmark::Initialize(&anzahl, argumente.data());
    arbeitsordner();
    benchmark::RunSpecifiedBenchmarks(&bericht);
    benchmark::Shutdown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(arbeitsordner());
}
