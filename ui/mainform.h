#pragma once

#include "ablage.h"
#include "layouttabelle.h"
#include "profilformular.h"

#include <QLabel>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class dateiwaechter;
class knopf;
class suchlauf;
class textfeld;
struct einstellungssuche;

// The one window. It builds its controls from the layout table
// (mainform.cpp), implements the store through which the editing logic reads
// and writes them (fensterablage.cpp), and turns exactly five events into
// calls of that logic (ereignisse.cpp). Errors raised there are reported in
// a message box and the window stays usable.
class MainForm : public QWidget, public ablage {
    Q_OBJECT

  public:
    MainForm();

    // The five events.
    void Form_Load();
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command3_Click();
    void Text1_LostFocus(int index);
    // "Sicherungen…": the backups dialog, and a backup taken back from it.
    void sicherungenZeigen();

    // Lays the form out anew at `massstab` times its size, fonts included.
    void massstabSetzen(double massstab);
    double massstab() const { return massstab_; }

    // A control by its name and array index (-1 for a single control).
    QWidget* element(const std::string& name, int index = -1) const;

    // The store.
    std::string pfadtext() const override;
    void setzePfadtext(const std::string& text) override;
    bool pfadAktiv() const override;
    void setzePfadAktiv(bool aktiv) override;
    void setzePfadfarbe(pfadfarbe farbe) override;
    void pfadFokussieren() override;
    std::string beschriftung(auswahl welche) const override;
    void setzeBeschriftung(auswahl welche, const std::string& text) override;
    void setzePfadknopftext(const std::string& text) override;
    void zeigen() override;
    bool frageJaNein(const std::string& text, const std::vector<std::string>& aenderungen) override;
    void hinweisen(const std::string& text) override;
    void statusZeigen(const std::string& text) override;
    void pfadnotizZeigen(const std::string& text) override;

  protected:
    std::string liesFeld(int index) const override;
    std::string liesFeldname(int index) const override;
    void schreibFeld(int index, const std::string& text) override;
    void schreibErgebnis(int index, const std::string& text) override;
    void schreibFeldbefund(int index, const feldbefund& befund) override;

    void paintEvent(QPaintEvent* ereignis) override;
    // Closing with fields edited and not applied asks first; the window
    // around the form, where there is one, asks through the filter.
    void closeEvent(QCloseEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    static constexpr const char* fenstertitel = "Tamvoril";

    // Command1(0..4) select the vehicle, Command1(5..8) the route type.
    static auswahl auswahlDesKnopfs(int index);

    void steuerelementeAnlegen();
    QLabel* beschriftungAnlegen(const QString& text);
    textfeld* textfeldAnlegen(const QString& text);
    knopf* knopfAnlegen(const QString& text, const std::function<void()>& klick);
    void fokusfolgeSetzen();
    // The selection buttons show the selected vehicle and route as pressed.
    // They are not in exclusive button groups, which would leave the
    // unchecked ones out of the tab order.
    void auswahlknoepfeEinrichten();
    // Checks each selection button whose caption its half's selection label
    // holds, and unchecks the others.
    void auswahlZeigen();
    // The folder button inside the path box and its shortcut Ctrl+O, there
    // while the box is editable.
    void ordnerwahlEinrichten();
    // Puts the folder chosen in the chooser (ordnerwahl.cpp), or the folder
    // of the settings file chosen there, into the path box, with its
    // separator; nothing is saved.
    void ordnerWaehlen();
    // Runs one event's handler, unless another is running. An error is
    // reported at once, or, from a field's leave, once the event that moved
    // the focus has been delivered.
    // What started a handler: a user's action ends the word on the last
    // write; a field's leave reports its error once the focus change is
    // delivered; a change on disk noticed in the background does neither.
    enum class anlass { handlung, verlassen, hintergrund };
    void ausfuehren(const std::function<void()>& handler, anlass wodurch = anlass::handlung);
    void melden();
    // The search for the settings file (suchknopf.cpp): at a first start
    // and from the button "Suchen".
    void sucheEinrichten();
    void suchknopfZeigen(bool sichtbar);
    void sucheStarten(bool vomKnopf);
    void sucheBeenden();
    void suchknopfGedrueckt();
    void fundZeigen(const einstellungssuche& ergebnis);
    // False when edits would be lost and the user keeps them.
    bool schliessenErlaubt();
    // The settings file changed on disk, perhaps: unless a handler runs or a
    // box is open, the fields follow it where none was edited, keeping the
    // focus and the text cursor.
    void dateiPruefen();

    std::vector<textfeld*> Text1;
    std::vector<textfeld*> Text3;
    textfeld* Text2 = nullptr;
    std::vector<knopf*> Command1;
    std::vector<knopf*> Command2;
    knopf* Command3 = nullptr;
    knopf* Command4 = nullptr; // "Suchen"
    QLabel* Label7 = nullptr;  // the note on a found or missing folder
    QLabel* Label8 = nullptr;  // what the last write did
    suchlauf* suche_ = nullptr;
    bool sucheOffen_ = false; // a search runs, or its result waits to be shown
    bool vomKnopf_ = false;   // it was asked for with the button
    QAction* ordnerwahl_ = nullptr;
    std::vector<QLabel*> Label3;
    std::map<std::pair<std::string, int>, QWidget*> steuerelemente_;
    // Each control with its row of the layout table, to lay it out at scale.
    std::vector<std::pair<QWidget*, const steuerelement*>> platziert_;
    double massstab_ = 0; // none before the first layout

    profilformular formular_{*this};
    dateiwaechter* waechter_ = nullptr;
    bool laeuft_ = false;
    std::vector<QString> ausstehend_; // errors not yet reported, oldest first
};
