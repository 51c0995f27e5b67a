#include "suchlauf.h"

#include "ordnersuche.h"

suchlauf::~suchlauf() {
    // Ended before the object goes, so that no result is posted to it later.
    abbrechen();
    if (faden_.joinable()) {
        faden_.join();
    }
}

void suchlauf::starten() {
    abbrechen();
    const int nummer = nummer_;
    // A stopped run ends within a few hundred entries; the old thread is
    // joined here.
    faden_ = std::jthread([this, nummer](std::stop_token halt) {
        einstellungssuche ergebnis{{}, true};
        try {
            ergebnis = einstellungenSuchen(
                heimordner(), std::chrono::steady_clock::now() + suchdauer, sucheintraege, halt);
        } catch (const std::exception&) {
            // Out of memory, say: the search offers nothing, and the window
            // goes on as it would without a find.
        }
        QMetaObject::invokeMethod(
            this,
            [this, nummer, ergebnis = std::move(ergebnis)] {
                if (nummer == nummer_) {
                    emit fertig(ergebnis);
                }
            },
            Qt::QueuedConnection);
    });
}

void suchlauf::abbrechen() {
    ++nummer_;
    faden_.request_stop();
}
