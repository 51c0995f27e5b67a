#pragma once

#include "ablage.h"
#include "feldkarte.h"
#include "profilwahl.h"
#include "sicherung.h"
#include "zurueckholen.h"

#include <functional>

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

  private:
    // Resets the fields and fills them from the settings file; false when
    // there is none.
    bool gruppenLaden();
    void uebernehmen(profilart profil);
    // Refuses a read-only settings file (70) before anything is asked.
    void schreibbarPruefen(const std::string& datei) const;
    void pfadBearbeiten();
    // The profile name of the vehicle or route caption.
    std::string_view gewaehltesProfil(profilart profil, zweck wofuer) const;
    std::string dateiname() const { return pfad_ + std::string(einstellungsdatei); }

    ablage& fenster_;
    std::string pfad_;
    // Whether the last load read the settings file from `pfad_`. Without it
    // `pfad_` may be empty or stale, and a write would create or overwrite a
    // file in a folder the user never chose.
    bool geladen_ = false;
};
