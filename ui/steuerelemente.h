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

  signals:
    void verlassen();

  protected:
    void focusOutEvent(QFocusEvent* ereignis) override;
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
