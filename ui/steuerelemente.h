#pragma once

#include <QLineEdit>
#include <QPushButton>

// A one-line text box that reports when the user moves the focus to another
// control of the window. A focus loss because the window was deactivated or
// a box or popup opened is not a leave.
class textfeld : public QLineEdit {
    Q_OBJECT

  public:
    explicit textfeld(QWidget* eltern);

    // How the field shows the write guard's judgement: a refused text with
    // a red frame of its own width, so that it shows without telling red
    // from green; a field not loaded greyed. The reason is the tooltip and
    // the accessible description.
    enum class markierung { keine, abgelehnt, nichtGeladen };
    void markieren(markierung art, const QString& grund);

  signals:
    void verlassen();

  protected:
    void focusOutEvent(QFocusEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    markierung markierung_ = markierung::keine;
};

// A push button that takes the focus when clicked on every platform, so
// that the field being left is handled before the click, and that wraps a
// caption too long for one line.
class knopf : public QPushButton {
    Q_OBJECT

  public:
    knopf(const QString& beschriftung, QWidget* eltern);

  protected:
    void paintEvent(QPaintEvent* ereignis) override;
};
