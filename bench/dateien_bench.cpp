// Loading and a whole vehicle write on generated settings files, each next
// to its floor: reading the file whole, and reading it plus writing the same
// bytes back with the same safe replace. The ratios are printed at the end.

#include "dateien.h"
#include "profilformular.h"
#include "speicherablage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>

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

// The sample settings text padded to `groesse` bytes with other settings,
// half in front of the profiles and half behind them.
std::string einstellungstext(std::size_t groesse) {
    std::ifstream ein(std::string(DEMO_ORDNER) + "ApplicationSettings.xml", std::ios::binary);
    const std::string demo{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    const std::string zeile = "    <Destination>Gro\xDF"
                              "e Gasse 3, W\xFCrzburg</Destination>\r\n";
    const std::size_t fehlt = groesse > demo.size() ? groesse - demo.size() : 0;
    std::string fuellung;
    while (fuellung.size() + zeile.size() <= fehlt / 2) {
        fuellung += zeile;
    }
    std::string text = demo;
    text.insert(text.find("  <VehicleProfiles>"), fuellung);
    text.insert(text.find("  </RecentDestinations>"), fuellung);
    text.append(groesse > text.size() ? groesse - text.size() : 0, ' ');
    return text;
}

// Writes the settings file of the given size (once) and points "ini.txt"
// at its folder; returns the file's name.
std::string einstellungsdatei(std::size_t groesse) {
    const fs::path ordner = arbeitsordner() / std::to_string(groesse);
    const fs::path datei = ordner / "ApplicationSettings.xml";
    if (!fs::exists(datei)) {
        fs::create_directories(ordner);
        std::ofstream(datei, std::ios::binary) << einstellungstext(groesse);
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

// Peak resident memory of one load above the resident memory before it, in
// multiples of the file size.
double spitzeProDateigroesse(std::size_t groesse) {
    speicherablage fenster;
    profilformular formular(fenster);
    std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak to the current size
    const long vorher = kilobyteAusStatus("VmRSS:");
    formular.lesen();
    const long spitze = kilobyteAusStatus("VmHWM:");
    return static_cast<double>(spitze - vorher) * 1024.0 / static_cast<double>(groesse);
}

void dateiLesenBoden(benchmark::State& state) {
    const std::string datei = einstellungsdatei(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(dateiLesen(datei));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void lesen(benchmark::State& state) {
    const auto groesse = static_cast<std::size_t>(state.range(0));
    einstellungsdatei(groesse);
    speicherablage fenster;
    profilformular formular(fenster);
    for (auto _ : state) {
        formular.lesen();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.counters["spitze_x_datei"] = spitzeProDateigroesse(groesse);
}

void lesenUndErsetzenBoden(benchmark::State& state) {
    const std::string datei = einstellungsdatei(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        dateiErsetzen(datei, dateiLesen(datei));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void fahrzeugUebernehmen(benchmark::State& state) {
    einstellungsdatei(static_cast<std::size_t>(state.range(0)));
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

void groessen(benchmark::internal::Benchmark* b) {
    b->Arg(16 * kib)->Arg(mib)->Arg(64 * mib)->Unit(benchmark::kMillisecond);
}
BENCHMARK(dateiLesenBoden)->Apply(groessen);
BENCHMARK(lesen)->Apply(groessen);
BENCHMARK(lesenUndErsetzenBoden)->Apply(groessen);
BENCHMARK(fahrzeugUebernehmen)->Apply(groessen);

// Collects the times and prints each measured run as a ratio to its floor.
class verhaeltnisbericht : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& laeufe) override {
        for (const Run& lauf : laeufe) {
            zeiten_[lauf.benchmark_name()] = lauf.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(laeufe);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::cout << "\nVerhaeltnis zum Boden:\n";
        for (const auto& [name, zeit] : zeiten_) {
            const auto schraegstrich = name.find('/');
            const std::string art = name.substr(0, schraegstrich);
            const std::string groesse = name.substr(schraegstrich);
            const std::string boden = art == "lesen"                 ? "dateiLesenBoden"
                                      : art == "fahrzeugUebernehmen" ? "lesenUndErsetzenBoden"
                                                                     : "";
            if (!boden.empty() && zeiten_.count(boden + groesse) != 0) {
                std::printf("  %-28s %6.2f x\n", name.c_str(), zeit / zeiten_[boden + groesse]);
            }
        }
    }

  private:
    std::map<std::string, double> zeiten_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    arbeitsordner();
    verhaeltnisbericht bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    benchmark::Shutdown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(arbeitsordner());
    return 0;
}
