// Loading and a whole vehicle write on generated settings files, each next
// to its floor: the I/O every load must do (reading "ini.txt", testing that
// the settings file exists, reading the file whole), and the I/O every write
// must do: reading the file, writing it as a new copy into the backup folder
// and removing the copy from 20 writes before, and writing the same bytes
// back, each with the same safe replace. The backups dialog's comparison of
// 20 backups with the file, next to reading those 21 files. The ratios of
// the medians are printed at the end.

#include "benchhilfe.h"
#include "dateien.h"
#include "profilformular.h"
#include "sicherung.h"
#include "speicherablage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

// Peak resident memory of a load after a first one above the resident memory
// before it, in multiples of the file size.
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

// The settings file of the case: its size and where its profiles stand.
std::string einstellungsdatei(const benchmark::State& state) {
    return ::einstellungsdatei(static_cast<std::size_t>(state.range(0)), state.range(1));
}

void ladeBoden(benchmark::State& state) {
    einstellungsdatei(state);
    for (auto _ : state) {
        const std::string datei = dateiLesen("ini.txt") + "ApplicationSettings.xml";
        if (dateiExistiert(datei)) {
            benchmark::DoNotOptimize(dateiLesen(datei));
        }
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
    std::filesystem::create_directory(sicherungsordner);
    // As with the backups, every write leaves a new copy and the copy from
    // 20 writes before goes.
    static long nummer = 0;
    const auto kopie = [](long n) {
        return std::string(sicherungsordner) + pfadtrenner + "Boden " + std::to_string(n) + ".xml";
    };
    for (auto _ : state) {
        const std::string text = dateiLesen(datei);
        dateiErsetzen(kopie(++nummer), text);
        std::filesystem::remove(kopie(nummer - static_cast<long>(behalteneSicherungen)));
        dateiErsetzen(datei, text);
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

void faelle(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{16 * kib, mib, 64 * mib}, {mitte, hinten}})
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.2)
        ->ReportAggregatesOnly(true);
}
// 20 backups of the file, each with another value in its first profile, as
// a user who applied 20 times has them.
std::vector<std::string> zwanzigSicherungen(const std::string& datei) {
    const std::string text = dateiLesen(datei);
    for (const sicherungsangabe& s : sicherungenAuflisten(profilformular::einstellungsdatei)) {
        std::filesystem::remove(s.datei);
    }
    for (int i = 0; i < static_cast<int>(behalteneSicherungen); ++i) {
        const std::size_t wert = text.find("<City>") + 6;
        const std::string kopie =
            text.substr(0, wert) + std::to_string(10 + i) + text.substr(wert + 2);
        sichern(profilformular::einstellungsdatei, kopie, std::time_t{86400} * i);
    }
    std::vector<std::string> namen;
    for (const sicherungsangabe& s : sicherungenAuflisten(profilformular::einstellungsdatei)) {
        namen.push_back(s.datei);
    }
    return namen;
}

void sicherungenLesenBoden(benchmark::State& state) {
    const std::string datei = einstellungsdatei(state);
    const std::vector<std::string> namen = zwanzigSicherungen(datei);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dateiLesen(datei));
        for (const std::string& name : namen) {
            benchmark::DoNotOptimize(dateiLesen(name));
        }
    }
}

// What the dialog's thread does: the list, the file now read once, and each
// backup read and compared in all nine profiles.
void sicherungenVergleichen(benchmark::State& state) {
    const std::string datei = einstellungsdatei(state);
    zwanzigSicherungen(datei);
    speicherablage fenster;
    profilformular formular(fenster);
    formular.lesen();
    for (auto _ : state) {
        const auto vergleichen = formular.sicherungsvergleicher();
        for (const sicherungsangabe& s : formular.sicherungen()) {
            benchmark::DoNotOptimize(vergleichen(s.datei));
        }
    }
}

void sicherungsfaelle(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{mib}, {mitte, hinten}})
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.2)
        ->ReportAggregatesOnly(true);
}

BENCHMARK(ladeBoden)->Apply(faelle);
BENCHMARK(lesen)->Apply(faelle);
BENCHMARK(lesenUndErsetzenBoden)->Apply(faelle);
BENCHMARK(fahrzeugUebernehmen)->Apply(faelle);
BENCHMARK(sicherungenLesenBoden)->Apply(sicherungsfaelle);
BENCHMARK(sicherungenVergleichen)->Apply(sicherungsfaelle);

// The ratios, and the peak memory of the largest reload.
class dateibericht : public verhaeltnisbericht {
  public:
    dateibericht()
        : verhaeltnisbericht({{"lesen", "ladeBoden"},
                              {"fahrzeugUebernehmen", "lesenUndErsetzenBoden"},
                              {"sicherungenVergleichen", "sicherungenLesenBoden"}}) {}

    void Finalize() override {
        verhaeltnisbericht::Finalize();
        for (const auto& [schluessel, spitze] : spitzen_) {
            std::printf("  Spitze beim Neuladen %-16s %6.2f x Dateigroesse\n", schluessel.c_str(),
                        spitze);
        }
    }

  protected:
    void median(const Run& lauf) override {
        // Small files fit into memory the process already holds.
        if (const auto spitze = lauf.counters.find("spitze_x_datei");
            spitze != lauf.counters.end() && lauf.run_name.args.starts_with("67108864")) {
            spitzen_[lauf.run_name.args] = spitze->second.value;
        }
    }

  private:
    std::map<std::string, double> spitzen_;
};

} // namespace

int main(int argc, char** argv) {
    dateibericht bericht;
    benchmarksAusfuehren(argc, argv, bericht);
    return 0;
}
