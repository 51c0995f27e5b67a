#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the editing logic needs of the main window, and nothing more. The
// texts of fields, results, captions and questions are Windows-1252 bytes;
// the path box's text and notes are UTF-8, so that a folder may be named in
// any script. The window implements it; tests use an in-memory one.
//
// The public calls check the control array indices and raise the
// missing-element error for an index the window does not have, so every
// implementation behaves alike.
class ablage {
  public:
    static constexpr int anzahlFelder = 57;     // Text1(0..56)
    static constexpr int anzahlErgebnisse = 16; // Text3(0..15)

    // Label3(0) holds the selected vehicle, Label3(1) the selected route type.
    enum class auswahl { fahrzeug = 0, route = 1 };

    // Background colours of the path box: the scroll-bar colour of the
    // platform at start, the button-face colour after saving, white while
    // editing.
    enum class pfadfarbe { bildlaufleiste, schaltflaeche, weiss };

    // How a field's text stands before a write: fine, refused by the write
    // guard, or the placeholder of a load that ended early, which holds no
    // value to judge. The reason is a constant UTF-8 text for the user,
    // empty for a fine field.
    enum class feldzustand { gut, abgelehnt, nichtGeladen };
    struct feldbefund {
        feldzustand zustand = feldzustand::gut;
        std::string_view grund;
    };

    virtual ~ablage() = default;

    // A load resets every field and then fills it again. While held back,
    // field writes are kept here, and feldwerteSchreiben writes each field
    // to the window once: its last text, or `vorgabe` (which must live
    // until then) where none was set. So the window repaints only the
    // fields whose text changed, and the reset costs nothing for the fields
    // that are filled.
    void feldwerteZurueckhalten(std::string_view vorgabe) {
        haelt_ = true;
        vorgabe_ = vorgabe;
    }
    void feldwerteSchreiben();

    std::string feld(std::int16_t index) const;                      // Text1(index)
    std::string feldname(std::int16_t index) const;                  // as the user sees it labelled
    void setzeFeld(std::int16_t index, std::string text);            // Text1(index)
    void setzeErgebnis(std::int16_t index, const std::string& text); // Text3(index)
    void setzeFeldbefund(std::int16_t index, const feldbefund& befund); // shown at Text1(index)

    virtual std::string pfadtext() const = 0; // Text2, UTF-8
    virtual void setzePfadtext(const std::string& text) = 0;
    virtual bool pfadAktiv() const = 0;
    virtual void setzePfadAktiv(bool aktiv) = 0;
    virtual void setzePfadfarbe(pfadfarbe farbe) = 0;
    // Moves the keyboard focus into the path box, with its text selected.
    virtual void pfadFokussieren() = 0;

    virtual std::string beschriftung(auswahl welche) const = 0; // Label3(0), Label3(1)
    virtual void setzeBeschriftung(auswahl welche, const std::string& text) = 0;
    virtual void setzePfadknopftext(const std::string& text) = 0; // Command3

    // Shows the window non-modal; a visible window stays as it is.
    virtual void zeigen() = 0;
    // Modal question with the buttons Yes (the default) and No; true for Yes.
    // Below the text it lists `aenderungen`, one line each; unlike the
    // store's other texts these lines are UTF-8, as messages are, since they
    // hold characters that Windows-1252 lacks.
    virtual bool frageJaNein(const std::string& text,
                             const std::vector<std::string>& aenderungen) = 0;
    // Modal note with an OK button; UTF-8.
    virtual void hinweisen(const std::string& text) = 0;
    // Lines in the window, without a box, that screen readers announce;
    // UTF-8, an empty text clears the line. The word after a write, which
    // stays until the next action:
    virtual void statusZeigen(const std::string& text) = 0;
    // The note by the path box on what a load did not find:
    virtual void pfadnotizZeigen(const std::string& text) = 0;

  protected:
    virtual std::string liesFeld(int index) const = 0;
    virtual std::string liesFeldname(int index) const = 0;
    virtual void schreibFeld(int index, const std::string& text) = 0;
    virtual void schreibErgebnis(int index, const std::string& text) = 0;
    virtual void schreibFeldbefund(int index, const feldbefund& befund) = 0;

  private:
    bool haelt_ = false;
    std::string_view vorgabe_;
    std::array<std::optional<std::string>, anzahlFelder> zurueckgehalten_;
};
