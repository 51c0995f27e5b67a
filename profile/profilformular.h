#pragma once

#include "ablage.h"
#include "feldkarte.h"
#include "inhaltsstand.h"
#include "ladestand.h"
#include "profilwahl.h"
#include "sicherung.h"
#include "zurueckholen.h"

#include <functional>

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The state and the procedures behind the main window: loading the two
// selected profiles into the fields, writing either half back, and the path
// button. The settings text and the fields are Windows-1252 bytes, the path
// is UTF-8; the window is reached only through the store.
class profilformular {
  public:
    static constexpr std::string_view einstellungsdatei = "ApplicationSettings.xml";

    explicit profilformular(ablage& fenster) : fenster_(fenster) {}

    // Clears the fields, reads the folder from "ini.txt" into the path box,
    // and, when the settings file exists there, spreads the nine field groups
    // of the selected profiles over the fields and recomputes the products.
    // Without "ini.txt" no folder has been given yet: the path box is left
    // empty in its editing state, with the focus, for the user to give one.
    // A folder that is missing, or holds no settings file, is named in the
    // note by the path box.
    void lesen();

    // Read the settings file afresh, splice the vehicle (or route) groups
    // from the fields into the profile, show the rewritten passage with the
    // list of the values that change, and only when the user answers Yes
    // save the file as read in the backup folder and replace it. The window
    // is not reloaded. Until a load has read the settings file from the
    // folder in "ini.txt" there is nothing to write to: both refuse with 53.
    // A read-only settings file is refused (70) before the question. After
    // the write the status line names the time and the backup.
    void fahrzeugUebernehmen();
    void routeUebernehmen();

    // The path button: from the locked state the path box becomes editable;
    // from the editing state its text is saved to "ini.txt", with the
    // separator appended when it names a folder without one, and the box is
    // locked again. Both end with a reload, but for a failed save: its error
    // leaves the box editable with the unsaved text and the fields as they
    // were. The typed text is read as ordnerAusEingabe reads it. Unlocked,
    // the box takes the focus with its text selected.
    void pfadUmschalten();

    // The backups of the settings file, newest first.
    std::vector<sicherungsangabe> sicherungen() const;
    // Compares a backup with the settings file as it is now; runs away from
    // the window, with the labels read here.
    std::function<sicherungsvergleich(const std::string& sicherung)> sicherungsvergleicher() const;
    // Asks with the list of the values that would change, and after Yes
    // takes the backup's profile values back into the settings file as it
    // is now, with a backup of it first, and loads the window again.
    void sicherungZurueckholen(const std::string& sicherung);

    // The settings folder, UTF-8, as "ini.txt" gave it at the last load.
    // The settings text is not kept: the writers read the file afresh.
    const std::string& pfad() const { return pfad_; }

    // Whether a field shows another text than the last load put there (or
    // a write of its half wrote): closing the window would lose it.
    bool bearbeitet() const { return stand_.bearbeitet(fenster_); }
    // The settings file whose content the fields show, UTF-8; empty while
    // none has been read.
    std::string geladeneDatei() const { return geladen_ ? dateiname() : std::string(); }

    // True when that file now holds other bytes than were last loaded from
    // it or written to it. A file that cannot be read, or is gone, is no
    // change: it may be in the middle of being replaced. The content is read
    // only where the file's size or write time moved since it last held the
    // loaded bytes (or was written just before), so that a check costs
    // little while nothing happens; a change that keeps both goes unseen.
    bool dateiGeaendert() const;

    // Loads the selected profiles again when the file changed on disk and
    // the user has edited neither a field nor the path box; true when it
    // did. A load that fails puts the fields back as they were and says
    // nothing: the file may be half written, and its next change is tried.
    bool stillNachladen();

  private:
    // Resets the fields and fills them from the settings file; false when
    // there is none.
    bool gruppenLaden();
    // After every load: marks the fields and notes what they show.
    void nachDemLaden();
    // The load without the products: true when the settings file was read.
    bool felderLaden();
    // True where a field holds a "<": a value list whose end marker is
    // missing, as in a file still being written.
    bool markeInEinemFeld() const;
    void uebernehmen(profilart profil);
    // Refuses a read-only settings file (70) before anything is asked.
    void schreibbarPruefen(const std::string& datei) const;
    void pfadBearbeiten();
    // The profile name of the vehicle or route caption.
    std::string_view gewaehltesProfil(profilart profil, zweck wofuer) const;
    std::string dateiname() const { return pfad_ + std::string(einstellungsdatei); }
    // The settings file that the fields show, for a write or a restore;
    // without one loaded from the folder in "ini.txt" a write would go into
    // a folder the user never chose, so it raises "nothing loaded" (53).
    std::string geladenerDateiname() const;

    ablage& fenster_;
    std::string pfad_;
    // Of the settings file loaded or written last; nothing while none has
    // been read from the folder in "ini.txt", and no write may go ahead.
    std::optional<inhaltsstand> geladen_;
    // The file's stamp when it last held the content of `geladen_`; nothing
    // where that stamp cannot stand for the content.
    mutable std::optional<dateistempel> unveraendert_;
    ladestand stand_;
};
