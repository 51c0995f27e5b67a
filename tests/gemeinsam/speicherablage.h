#pragma once

#include "ablage.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// The window's texts in memory, for running the editing logic without a
// window. Records what the logic asked the window to do.
class speicherablage : public ablage {
  public:
    std::array<std::string, anzahlFelder> felder{};
    std::array<std::string, anzahlErgebnisse> ergebnisse{};
    std::array<feldbefund, anzahlFelder> befunde{};
    std::string pfad;
    bool aktiv = false;
    pfadfarbe farbe = pfadfarbe::bildlaufleiste;
    std::array<std::string, 2> beschriftungen{"PKW schnell", "Schnelle"};
    std::string pfadknopf = "Pfad";
    int gezeigt = 0;
    bool fokusImPfad = false;
    int feldschreibungen = 0; // writes that reached the fields
    bool antwort = true;
    std::vector<std::string> fragen;
    std::vector<std::string> hinweise;
    std::vector<std::vector<std::string>> listen; // the change list of each question
    std::function<void()> waehrendDerFrage;       // what happens while the box is open
    std::string status;                           // the line after a write
    std::string pfadnotiz;                        // the note by the path box

    speicherablage() { ergebnisse.fill("-"); }

    std::string pfadtext() const override { return pfad; }
    void setzePfadtext(const std::string& text) override { pfad = text; }
    bool pfadAktiv() const override { return aktiv; }
    void setzePfadAktiv(bool a) override { aktiv = a; }
    void setzePfadfarbe(pfadfarbe f) override { farbe = f; }
    void pfadFokussieren() override { fokusImPfad = true; }
    std::string beschriftung(auswahl welche) const override {
        return beschriftungen[static_cast<int>(welche)];
    }
    void setzeBeschriftung(auswahl welche, const std::string& text) override {
        beschriftungen[static_cast<int>(welche)] = text;
    }
    void setzePfadknopftext(const std::string& text) override { pfadknopf = text; }
    void zeigen() override { ++gezeigt; }
    bool frageJaNein(const std::string& text,
                     const std::vector<std::string>& aenderungen) override {
        fragen.push_back(text);
        listen.push_back(aenderungen);
        if (waehrendDerFrage) {
            waehrendDerFrage();
        }
        return antwort;
    }
    void hinweisen(const std::string& text) override { hinweise.push_back(text); }
    void statusZeigen(const std::string& text) override { status = text; }
    void pfadnotizZeigen(const std::string& text) override { pfadnotiz = text; }

  protected:
    std::string liesFeld(int index) const override { return felder[index]; }
    std::string liesFeldname(int index) const override {
        return "Text1(" + std::to_string(index) + ")";
    }
    void schreibFeld(int index, const std::string& text) override {
        felder[index] = text;
        ++feldschreibungen;
    }
    void schreibErgebnis(int index, const std::string& text) override { ergebnisse[index] = text; }
    void schreibFeldbefund(int index, const feldbefund& befund) override {
        befunde[index] = befund;
    }
};
