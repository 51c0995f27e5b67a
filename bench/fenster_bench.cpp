// A selection as the user feels it: the time from a click on a selection
// button to the repainted fields and products, on the offscreen platform
// with the 16 KiB sample, next to its floor: the same 73 texts set on the
// same widgets and repainted, with no logic. Before that, the window's
// resident memory after loading a 64 MiB file and then a small one.

#include "anwendung.h"
#include "benchhilfe.h"
#include "mainform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr std::size_t kib = 1024;
constexpr std::size_t mib = 1024 * kib;

// A click alternates between the vehicles PKW schnell and LKW, so that
// every vehicle field and every product changes.
constexpr std::array<int, 2> knoepfe{0, 4};

MainForm& fenster() {
    static MainForm* const form = [] {
        auto* f = new MainForm;
        einstellungsdatei(16 * kib, mitte);
        f->Form_Load();
        f->zeigen();
        if (!QTest::qWaitForWindowExposed(f)) {
            std::fprintf(stderr, "the window was not exposed\n");
            std::exit(1);
        }
        return f;
    }();
    return *form;
}

// The 57 fields and the 16 result boxes.
std::vector<QLineEdit*> textkaesten(MainForm& f) {
    std::vector<QLineEdit*> kaesten;
    for (const auto& [name, anzahl] : {std::pair{"Text1", 57}, std::pair{"Text3", 16}}) {
        for (int i = 0; i < anzahl; ++i) {
            kaesten.push_back(static_cast<QLineEdit*>(f.element(name, i)));
        }
    }
    return kaesten;
}

void klicken(MainForm& f, int knopf) {
    QTest::mouseClick(f.element("Command1", knopf), Qt::LeftButton);
    QCoreApplication::processEvents();
}

void auswahl(benchmark::State& state) {
    MainForm& f = fenster();
    einstellungsdatei(16 * kib, mitte);
    std::size_t i = 0;
    for (auto _ : state) {
        klicken(f, knoepfe[i++ % knoepfe.size()]);
    }
}

void textBoden(benchmark::State& state) {
    MainForm& f = fenster();
    einstellungsdatei(16 * kib, mitte);
    const std::vector<QLineEdit*> kaesten = textkaesten(f);
    // The texts the two selections show, taken from the window.
    std::array<QStringList, knoepfe.size()> texte;
    for (std::size_t k = 0; k < knoepfe.size(); ++k) {
        klicken(f, knoepfe[k]);
        for (QLineEdit* kasten : kaesten) {
            texte[k] << kasten->text();
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const QStringList& stand = texte[i++ % texte.size()];
        for (std::size_t k = 0; k < kaesten.size(); ++k) {
            kaesten[k]->setText(stand[static_cast<qsizetype>(k)]);
        }
        QCoreApplication::processEvents();
    }
}

void faelle(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->MinTime(0.5)->ReportAggregatesOnly(true);
}
BENCHMARK(auswahl)->Apply(faelle);
BENCHMARK(textBoden)->Apply(faelle);

// Resident memory of the loaded window, after a 64 MiB load and after a
// small load that follows it, and the peak during the large load.
void speicherMessen() {
    MainForm& f = fenster();
    const long eigen = kilobyteAusStatus("VmRSS:");
    einstellungsdatei(64 * mib, hinten);
    std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak to the current size
    f.Command1_Click(0);
    const long spitze = kilobyteAusStatus("VmHWM:");
    const long gross = kilobyteAusStatus("VmRSS:");
    einstellungsdatei(16 * kib, mitte);
    f.Command1_Click(0);
    const long klein = kilobyteAusStatus("VmRSS:");
    std::printf("Resident (MiB): Fenster mit 16 KiB geladen %.1f, nach 64 MiB %.1f (Spitze "
                "%.1f), danach 16 KiB %.1f\n\n",
                eigen / 1024.0, gross / 1024.0, spitze / 1024.0, klein / 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    anwendungEinrichten();
    arbeitsordner();
    speicherMessen();
    verhaeltnisbericht bericht({std::pair<std::string, std::string>{"auswahl", "textBoden"}});
    benchmarksAusfuehren(argc, argv, bericht);
    return 0;
}
