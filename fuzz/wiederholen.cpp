// Runs a fuzz target once on every file of the corpus folders (or files)
// named on the command line, without libFuzzer, so that any compiler's build
// replays the corpora as plain tests. A finding aborts, as under the fuzzer;
// finding no input at all is a failure too, so a wrong path cannot pass.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    // Gathered before the target's setup, which may change the working
    // directory.
    std::vector<fs::path> eingaben;
    for (int i = 1; i < argc; ++i) {
        const fs::path pfad = fs::absolute(argv[i]);
        if (fs::is_directory(pfad)) {
            for (const fs::directory_entry& eintrag : fs::directory_iterator(pfad)) {
                if (eintrag.is_regular_file()) {
                    eingaben.push_back(eintrag.path());
                }
            }
        } else if (fs::is_regular_file(pfad)) {
            eingaben.push_back(pfad);
        }
    }
    if (eingaben.empty()) {
        std::fprintf(stderr, "keine Eingaben gefunden\n");
        return 1;
    }
    std::sort(eingaben.begin(), eingaben.end());
    if (LLVMFuzzerInitialize != nullptr) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    for (const fs::path& eingabe : eingaben) {
        std::ifstream datei(eingabe, std::ios::binary);
        const std::vector<std::uint8_t> daten{std::istreambuf_iterator<char>(datei),
                                              std::istreambuf_iterator<char>()};
        std::printf("%s\n", eingabe.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(daten.data(), daten.size());
    }
    std::printf("%zu Eingaben ohne Befund\n", eingaben.size());
    return 0;
}
