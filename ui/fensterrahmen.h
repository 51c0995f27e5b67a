#pragma once

#include <QScrollArea>

class MainForm;

// The top-level window around the form. Where the screen's free area holds
// the form, the window is exactly the form's size and cannot be resized; on
// a smaller screen it opens inside that area and the form scrolls.
class fensterrahmen : public QScrollArea {
    Q_OBJECT

  public:
    fensterrahmen();

    MainForm& formular() { return *formular_; }

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    void einpassen();

    MainForm* formular_; // owned by the scroll area
    bool gezeigt_ = false;
};
