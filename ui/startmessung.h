#pragma once

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <chrono>

// The start benchmark's hook, shared by the program and the bare window it is
// measured against. Where the environment variable TAMVORIL_STARTMESSUNG names
// a file, the first paint in `fenster` ends the program: once that paint has
// reached the screen, the wall-clock time in microseconds since the epoch is
// written to the file and the event loop quits. The wall clock is the one a
// driver outside the process reads too, under Wine as well. Without the
// variable nothing is installed.
class startmessung : public QObject {
  public:
    static void einrichten(QWidget& fenster) {
        const QString datei = qEnvironmentVariable("TAMVORIL_STARTMESSUNG");
        if (!datei.isEmpty()) {
            // On the application: the window's own rectangle may be covered
            // by its children, which are then painted alone.
            qApp->installEventFilter(new startmessung(fenster, datei));
        }
    }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && !gemalt_ && objekt->isWidgetType() &&
            static_cast<QWidget*>(objekt)->window() == parent()) {
            gemalt_ = true;
            // Queued, so that it runs after the paint of every control and
            // the flush to the screen.
            QMetaObject::invokeMethod(
                this, [this] { melden(); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    startmessung(QWidget& fenster, const QString& datei) : QObject(&fenster), datei_(datei) {}

    void melden() {
        const auto jetzt = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        QFile aus(datei_);
        if (aus.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            aus.write(QByteArray::number(static_cast<qlonglong>(jetzt.count())));
        }
        QApplication::exit(0);
    }

    QString datei_;
    bool gemalt_ = false;
};
