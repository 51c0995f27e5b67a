#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

// What the benchmarks share: generated settings files in a scratch working
// folder, resident memory, and a report of each case's median as a ratio to
// its floor's.

// The scratch folder, made on first use and made the working directory.
const std::filesystem::path& arbeitsordner();

// Where the profiles stand in a generated file.
enum lage : long { mitte = 0, hinten = 1 };

// Writes (once) the sample settings text padded to `groesse` bytes with
// other settings, half in front of the profiles and half behind them or all
// in front, as a file that has collected many destinations has it; points
// "ini.txt" at its folder and returns the file's name.
std::string einstellungsdatei(std::size_t groesse, long wo);

// A field of /proc/self/status in KiB, for example "VmRSS:".
long kilobyteAusStatus(const char* feld);

// Collects the median times and prints, after the console report, each
// measured case as a ratio to its floor on the same arguments: of the real
// time, and of the processor time, which other work on a shared machine
// disturbs less.
class verhaeltnisbericht : public benchmark::ConsoleReporter {
  public:
    // Pairs of function names: the measured case and its floor.
    explicit verhaeltnisbericht(std::vector<std::pair<std::string, std::string>> paare)
        : paare_(std::move(paare)) {}

    void ReportRuns(const std::vector<Run>& laeufe) override;
    void Finalize() override;

  protected:
    // Called with every median run, for counters of one's own.
    virtual void median(const Run&) {}

  private:
    struct zeiten {
        double real;
        double prozessor;
    };

    std::vector<std::pair<std::string, std::string>> paare_;
    std::map<std::pair<std::string, std::string>, zeiten> medianzeiten_;
    long long wiederholungen_ = 0;
};

// Runs the registered benchmarks and removes the scratch folder. Every case
// runs 9 times unless --benchmark_repetitions says otherwise, the
// repetitions of all cases interleaved at random so that a slow spell of the
// machine does not fall on one case.
void benchmarksAusfuehren(int argc, char** argv, verhaeltnisbericht& bericht);
