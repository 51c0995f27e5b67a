#pragma once

#include <QScrollArea>

class MainForm;

// The top-level window around the form. Where the screen's free area (the
// screen without its task bar, less the window's frame) holds the form, the
// window is exactly the form's size and cannot be resized; where it does not,
// the form is scaled down to fit, to 80 % at the least; on a smaller screen
// still the window opens inside that area and the form scrolls. The window
// is moved into the area, its title bar on the screen.
class fensterrahmen : public QScrollArea {
    Q_OBJECT

  public:
    fensterrahmen();

    MainForm& formular() { return *formular_; }

    // The free area to fit, in place of the screen's, for tests: a screen
    // without a task bar cannot show one.
    void platzVorgeben(const QRect& platz) { platz_ = platz; }

  protected:
    void showEvent(QShowEvent* ereignis) override;
    void moveEvent(QMoveEvent* ereignis) override;

  private:
    void einpassen();

    MainForm* formular_; // owned by the scroll area
    bool gezeigt_ = false;
    bool einpassend_ = false;
    QSize rand_;  // the window frame's share of the size, as last fitted
    QRect platz_; // invalid: the screen's
};
