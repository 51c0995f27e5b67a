// The search for the settings file on a home folder of about 100,000
// entries (1,110 folders, 99,000 other files), with the file in a Wine
// prefix and without it. The tree is made once in the scratch folder.

#include "benchhilfe.h"
#include "dateisuche.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const fs::path& heim() {
    static const fs::path ordner = [] {
        const fs::path h = arbeitsordner() / "heim";
        if (!fs::exists(h / "fertig")) {
            for (int a = 0; a < 10; ++a) {
                for (int b = 0; b < 10; ++b) {
                    for (int c = 0; c < 10; ++c) {
                        const fs::path o =
                            h / std::to_string(a) / std::to_string(b) / std::to_string(c);
                        fs::create_directories(o);
                        for (int d = 0; d < 99; ++d) {
                            std::ofstream(o / ("datei" + std::to_string(d) + ".txt"));
                        }
                    }
                }
            }
            std::ofstream(h / "fertig");
        }
        return h;
    }();
    return ordner;
}

void suchen(benchmark::State& state) {
    const fs::path prefix = heim() / ".wine/drive_c/users/anna/AppData/Roaming/Navi";
    fs::remove_all(heim() / ".wine");
    if (state.range(0) != 0) {
        fs::create_directories(prefix);
        std::ofstream(prefix / "ApplicationSettings.xml") << "<Name>Car Fast</Name>";
    }
    std::size_t funde = 0;
    for (auto _ : state) {
        const einstellungssuche e = einstellungenSuchen(
            heim().string(), std::chrono::steady_clock::now() + std::chrono::minutes(1));
        funde = e.funde.size();
        if (e.vorzeitig) {
            state.SkipWithError("the search stopped early");
        }
    }
    state.counters["funde"] = static_cast<double>(funde);
}

BENCHMARK(suchen)->ArgName("gefunden")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    verhaeltnisbericht bericht({});
    benchmarksAusfuehren(argc, argv, bericht); // removes the scratch folder at the end
    return 0;
}
