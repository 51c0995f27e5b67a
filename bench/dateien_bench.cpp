// Loading and a whole vehicle write on generated settings files, each next
// to its floor: reading the file whole, and reading it plus writing the same
// bytes back with the same safe replace. Every case runs repeatedly, the
// repetitions of all cases interleaved at random so that a slow spell of the
// machine does not fall on one case only; the ratios of the medians are
// printed at the end.

#include "dateien.h"
#include "profilformular.h"
#include "speicherablage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

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

// Where the profiles stand in a generated file.
enum lage : long { mitte = 0, hinten = 1 };

// The sample settings text padded to `groesse` bytes with other settings:
// half in front of the profiles and half behind them, or all in front, as
// a file that has collected many destinations has it.
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

// Writes the settings file of the case (once) and points "ini.txt" at its
// folder; returns the file's name.
std::string einstellungsdatei(const benchmark::State& state) {
    const auto groesse = static_cast<std::size_t>(state.range(0));
    const fs::path ordner =
        arbeitsordner() / (std::to_string(groesse) + "-" + std::to_string(state.range(1)));
    const fs::path datei = ordner / "ApplicationSettings.xml";
    if (!fs::exists(datei)) {
        fs::create_directories(ordner);
        std::ofstream(datei, std::ios::binary) << einstellungstext(groesse, state.range(1));
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

// Peak resident memory of a reload (the text of the previous load still
// held) above the resident memory before it, in multiples of the file size.
double spitzeProDateigroesse(std::size_t groesse) {
    speicherablage fenster;
    profilformular formular(fenster);
    formular.lesen();
    std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak to the current size
    const long vorher = kilobyteAusStatus("VmRSS:");
    formular.lesen();
    const long spitze = kilobyteAusStatus("VmHWM:");
    return static_cast<double>(spitze - vorher) * 1024.0 / static_cast<double>(groesse);
}

void dateiLesenBoden(benchmark::State& state) {
    const std::string datei = einstellungsdatei(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dateiLesen(datei));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void lesen(benchmark::State& state) {
    einstellungsdatei(state);
    speicherablage fenster;
    profilformular formular(fenster);
    for (auto _ : state) {
        formular.lesen();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.counters["spitze_x_datei"] =
        spitzeProDateigroesse(static_cast<std::size_t>(state.range(0)));
}

void lesenUndErsetzenBoden(benchmark::State& state) {
    const std::string datei = einstellungsdatei(state);
    for (auto _ : state) {
        dateiErsetzen(datei, dateiLesen(datei));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void fahrzeugUebernehmen(benchmark::State& state) {
    einstellungsdatei(state);
    speicherablage fenster;
    profilformular formular(fenster);
    formular.lesen();
    for (auto _ : state) {
        formular.fahrzeugUebernehmen();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

constexpr long kib = 1024;
constexpr long mib = 1024 * kib;

constexpr int wiederholungen = 9;

void faelle(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{16 * kib, mib, 64 * mib}, {mitte, hinten}})
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.2)
        ->Repetitions(wiederholungen)
        ->ReportAggregatesOnly(true);
}
BENCHMARK(dateiLesenBoden)->Apply(faelle);
BENCHMARK(lesen)->Apply(faelle);
BENCHMARK(lesenUndErsetzenBoden)->Apply(faelle);
BENCHMARK(fahrzeugUebernehmen)->Apply(faelle);

// Collects the median times and prints each measured case as a ratio to its
// floor on the same file, and the peak memory of the largest reload.
class verhaeltnisbericht : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& laeufe) override {
        for (const Run& lauf : laeufe) {
            if (lauf.run_type == Run::RT_Aggregate && lauf.aggregate_name == "median") {
                medianzeiten_[{lauf.run_name.function_name, lauf.run_name.args}] =
                    lauf.GetAdjustedRealTime();
                // Small files fit into memory the process already holds.
                if (const auto spitze = lauf.counters.find("spitze_x_datei");
                    spitze != lauf.counters.end() && lauf.run_name.args.starts_with("67108864")) {
                    spitzen_[lauf.run_name.args] = spitze->second.value;
                }
            }
        }
        ConsoleReporter::ReportRuns(laeufe);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nVerhaeltnis der Mediane (%d Wiederholungen) zum Boden:\n", wiederholungen);
        for (const auto& [art, boden] :
             {std::pair{"lesen", "dateiLesenBoden"},
              std::pair{"fahrzeugUebernehmen", "lesenUndErsetzenBoden"}}) {
            for (const auto& [schluessel, zeit] : medianzeiten_) {
                const auto bodenzeit = medianzeiten_.find({boden, schluessel.second});
                if (schluessel.first == art && bodenzeit != medianzeiten_.end()) {
                    std::printf("  %-20s %-16s %6.2f x\n", art, schluessel.second.c_str(),
                                zeit / bodenzeit->second);
                }
            }
        }
        for (const auto& [schluessel, spitze] : spitzen_) {
            std::printf("  Spitze beim Neuladen %-16s %6.2f x Dateigroesse\n", schluessel.c_str(),
                        spitze);
        }
    }

  private:
    std::map<std::pair<std::string, std::string>, double> medianzeiten_;
    std::map<std::string, double> spitzen_;
};

} // namespace

int main(int argc, char** argv) {
    // Interleaving is the default here; a flag on the command line wins.
    std::vector<char*> argumente(argv, argv + argc);
    std::string mischen = "--benchmark_enable_random_interleaving=true";
    argumente.insert(argumente.begin() + 1, mischen.data());
    int anzahl = static_cast<int>(argumente.size());
    benchmark::Initialize(&anzahl, argumente.data());
    arbeitsordner();
    verhaeltnisbericht bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    benchmark::Shutdown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(arbeitsordner());
    return 0;
}
