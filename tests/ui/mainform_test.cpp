#include "anwendung.h"
#include "dateiwaechter.h"
#include "farben.h"
#include "fensterrahmen.h"
#include "mainform.h"
#include "meldungen.h"
#include "sicherungsdialog.h"
#include "steuerelemente.h"
#include "zeichensatz.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::string dateiinhalt(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Waits for the next modal message box, notes its title and text, and
// presses the given button. A box without that button fails the running
// test and is closed, so that the later tests still run.
class antwortgeber : public QObject {
  public:
    explicit antwortgeber(QMessageBox::StandardButton knopf) : knopf_(knopf) {
        ++wartende;
        connect(&uhr_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            uhr_.stop();
            --wartende;
            titel = box->windowTitle();
            text = box->text();
            zusatz = box->informativeText();
            groesse = box->size();
            standard = box->defaultButton() == box->button(QMessageBox::Yes);
            for (QAbstractButton* k : box->buttons()) {
                knoepfe << k->text();
            }
            knoepfe.sort();
            ++beantwortet;
            if (QAbstractButton* k = box->button(knopf_)) {
                k->click();
                return;
            }
            QTest::qFail(qPrintable("the box has no button " + QString::number(knopf_) + ": " +
                                    knoepfe.join(", ")),
                         __FILE__, __LINE__);
            box->done(-1);
        });
        uhr_.start(5);
    }

    QString titel;
    QString text;
    QString zusatz; // the box's second text
    QSize groesse;
    ~antwortgeber() override {
        if (uhr_.isActive()) {
            --wartende;
        }
    }

    bool standard = false;
    QStringList knoepfe; // captions, sorted
    int beantwortet = 0;

    static inline int wartende = 0; // answerers still waiting for a box

  private:
    QMessageBox::StandardButton knopf_;
    QTimer uhr_;
};

// Answers the folder dialog that is about to open: notes its title and
// starting folder, then chooses `ziel`, a folder or a file, or cancels when
// that is empty.
void ordnerdialogBeantworten(const QString& ziel, QStringList& gesehen) {
    ++antwortgeber::wartende;
    QTimer::singleShot(0, [ziel, &gesehen] {
        --antwortgeber::wartende;
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        gesehen = QStringList{dialog->windowTitle(), dialog->directory().absolutePath()};
        if (QFileInfo(ziel).isFile()) {
            dialog->setDirectory(QFileInfo(ziel).path());
            dialog->selectFile(ziel);
        } else {
            dialog->setDirectory(ziel);
        }
        ziel.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
    });
}

// Answers the list of found folders that is about to open: notes its lines
// and takes line `zeile`, or cancels for -1.
void auswahlBeantworten(int zeile, QStringList& zeilen) {
    ++antwortgeber::wartende;
    auto* uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, [uhr, zeile, &zeilen] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        uhr->deleteLater();
        uhr->stop();
        --antwortgeber::wartende;
        zeilen = dialog->comboBoxItems();
        if (zeile < 0) {
            dialog->reject();
            return;
        }
        dialog->setTextValue(zeilen.value(zeile));
        dialog->accept();
    });
    uhr->start(5);
}

// Closes any modal box that no answerer waits for, so that a test meeting an
// unexpected box fails at once instead of hanging until the test timeout.
class waechter : public QObject {
  public:
    waechter() {
        connect(&uhr_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (box == nullptr || antwortgeber::wartende > 0) {
                return;
            }
            const auto* meldung = qobject_cast<QMessageBox*>(box);
            unerwartet << (meldung != nullptr ? meldung->text() : box->windowTitle());
            box->reject();
        });
        uhr_.start(50);
    }

    QStringList unerwartet;

  private:
    QTimer uhr_;
};

// WCAG contrast ratio of two colours, 1 to 21.
double kontrast(const QColor& a, const QColor& b) {
    const auto leuchtdichte = [](const QColor& c) {
        const auto kanal = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
    };
    const double la = leuchtdichte(a);
    const double lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class mainformTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner_;
    std::unique_ptr<waechter> waechter_;
    fs::path daten_;
    fs::path einstellungen_;
    fs::path heim_;
#ifdef Q_OS_WIN
    static constexpr const char* heimvariable = "USERPROFILE";
#else
    static constexpr const char* heimvariable = "HOME";
#endif

    template <typename typ = QWidget> typ* el(MainForm& f, const char* name, int index = -1) {
        auto* w = qobject_cast<typ*>(f.element(name, index));
        if (w == nullptr) {
            qFatal("kein Steuerelement %s(%d)", name, index);
        }
        return w;
    }

    QString feld(MainForm& f, int i) {
        return el<QLineEdit>(f, "Text1", i)->text();
    }

  private slots:
    // A backup without any of the nine profiles is listed as of no use, as
    // the guide and the README say, not as unreadable.
    void sicherungOhneProfileWieInDerAnleitung() {
        sicherungsdialog dialog(
            nullptr, {{"ohne.xml", "07.12.2026 16:59:09"}},
            [](const std::string&) -> sicherungsvergleich {
                throw meldungsfehler(meldung::sicherungOhneProfile, {});
            },
            QDir::tempPath());
        auto* liste = dialog.findChild<QListWidget*>();
        QTRY_VERIFY(!liste->item(0)->text().endsWith("wird verglichen …"));
        QCOMPARE(liste->item(0)->text(), QString("07.12.2026 16:59:09 – nicht verwendbar"));
    }

    void initTestCase() {
        // The tests answer dialogs as Qt widgets, which a platform's native
        // dialog (Windows) is not.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        anwendungEinrichten();
    }

    void init() {
        waechter_ = std::make_unique<waechter>();
        QVERIFY(ordner_.isValid());
        daten_ = fs::path(ordner_.path().toStdString()) / "daten";
        fs::remove_all(daten_);
        fs::create_directories(daten_);
        einstellungen_ = daten_ / "ApplicationSettings.xml";
        fs::copy_file(fs::path(DEMO_ORDNER) / "ApplicationSettings.xml", einstellungen_);
        fs::current_path(ordner_.path().toStdString());
        fs::remove_all("Sicherungen"); // each test starts without backups
        std::ofstream("ini.txt", std::ios::binary) << daten_.string() << "/";
        // A first start searches the home folder: one of the test's own.
        heim_ = fs::path(ordner_.path().toStdString()) / "heim";
        fs::remove_all(heim_);
        fs::create_directories(heim_);
        qputenv(heimvariable, QByteArray::fromStdString(heim_.string()));
    }

    void cleanup() {
        QVERIFY2(waechter_->unerwartet.isEmpty(),
                 qPrintable("unerwartete Meldung: " + waechter_->unerwartet.join(" | ")));
    }

    void fenster() {
        MainForm f;
        QCOMPARE(f.size(), QSize(787, 741));
        QCOMPARE(f.windowTitle(), QString("Tamvoril"));
        // An icon of a missing resource file is not null, but has no pixmap.
        QVERIFY(!f.windowIcon().pixmap(32, 32).isNull());
        QVERIFY(!el(f, "Text2")->isEnabled());
        QCOMPARE(el(f, "Text2")->palette().color(QPalette::Disabled, QPalette::Base),
                 f.palette().color(QPalette::Midlight));
        QCOMPARE(f.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size(), 57 + 16 + 1);
        // Selections, writers, the path and search buttons, and "Sicherungen…".
        QCOMPARE(f.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(), 9 + 2 + 2 + 1);
    }

    // Every control lies inside the client area (but the vehicle caption,
    // which lies above it by design), and no two text boxes overlap.
    void allesImFensterOhneUeberlappung() {
        MainForm f;
        const QRect innen = f.rect();
        const auto felder = f.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
        for (QWidget* w : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w != el(f, "Label3", 0)) {
                QVERIFY2(innen.contains(w->geometry()), qPrintable(w->objectName()));
            }
        }
        for (QLineEdit* a : felder) {
            for (QLineEdit* b : felder) {
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " / " + b->objectName()));
            }
        }
    }

    // Every caption and every number of the sample fits its box, also in a
    // form scaled down to fit a smaller screen.
    void allesPasst_data() {
        QTest::addColumn<double>("massstab");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("90 %") << 0.9;
        QTest::newRow("83 %") << 0.83;
        QTest::newRow("80 %") << 0.8;
    }

    void allesPasst() {
        QFETCH(double, massstab);
        MainForm f;
        f.massstabSetzen(massstab);
        f.Form_Load();
        for (QWidget* w : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QFontMetrics m(w->font());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->objectName() == "Label3(0)") {
                    continue; // above the client area by design
                }
                for (const QString& wort : label->text().split(' ', Qt::SkipEmptyParts)) {
                    QVERIFY2(m.horizontalAdvance(wort) <= label->width(),
                             qPrintable(label->objectName()));
                }
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->objectName()));
            } else if (auto* feld = qobject_cast<QLineEdit*>(w)) {
                // The line of text fits inside the box's frame; at full size
                // the box is as high as the style asks.
                QVERIFY2(m.height() <= feld->height() - 4, qPrintable(feld->objectName()));
                QVERIFY2(massstab < 1 || feld->minimumSizeHint().height() <= feld->height(),
                         qPrintable(feld->objectName()));
                QVERIFY2(m.horizontalAdvance(feld->text()) <= feld->width() - 6,
                         qPrintable(feld->objectName()));
            } else if (auto* k = qobject_cast<QPushButton*>(w)) {
                const QRect noetig =
                    m.boundingRect(QRect(0, 0, k->width() - 8, 1000), Qt::TextWordWrap, k->text());
                QVERIFY2(noetig.width() <= k->width() - 8 && noetig.height() <= k->height() - 4,
                         qPrintable(k->objectName()));
            }
        }
    }

    // The window with its frame lies within the free area of the screen, the
    // form scaled down to fit it, to 80 % at the least; only a smaller area
    // scrolls. The line between the halves shows below the selection buttons.
    void passtAufKleineBildschirme_data() {
        QTest::addColumn<QRect>("platz");
        QTest::addColumn<bool>("rollt");
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1040) << false;
        QTest::newRow("1366 x 768, Taskleiste 40") << QRect(0, 0, 1366, 728) << false;
        QTest::newRow("1920 x 1080 bei 150 %") << QRect(0, 0, 1280, 720) << false;
        QTest::newRow("1366 x 768 bei 125 %") << QRect(0, 0, 1093, 614) << false;
        QTest::newRow("1024 x 540") << QRect(10, 20, 1024, 540) << true;
    }

    void passtAufKleineBildschirme() {
        QFETCH(QRect, platz);
        QFETCH(bool, rollt);
        fensterrahmen r;
        r.platzVorgeben(platz);
        r.formular().Form_Load();
        r.move(platz.topLeft() + QPoint(0, 200));
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        MainForm& f = r.formular();
        QTRY_VERIFY(platz.contains(r.frameGeometry()));
        // Where the platform draws a title bar (Wine does, offscreen none),
        // a tight area no longer holds the form at 80 %, and it scrolls.
        const int titel = r.frameGeometry().height() - r.geometry().height();
        rollt = rollt || 741 * 8 / 10 + 1 + titel > platz.height();
        QCOMPARE(r.verticalScrollBar()->isVisible(), rollt);
        QVERIFY(!r.horizontalScrollBar()->isVisible());
        QVERIFY(f.width() >= 787 * 8 / 10 && f.height() >= 741 * 8 / 10);
        if (!rollt) {
            QCOMPARE(r.size(), f.size());
        }
        const QImage bild = f.grab().toImage();
        const QColor linie = f.palette().color(QPalette::WindowText);
        const int routenkopf = el(f, "Label3", 3)->y();
        for (int i = 0; i <= 4; ++i) {
            const QRect knopf = el(f, "Command1", i)->geometry();
            bool gesehen = false;
            for (int y = knopf.bottom() + 1; y < routenkopf; ++y) {
                gesehen = gesehen || bild.pixelColor(knopf.center().x(), y) == linie;
            }
            QVERIFY2(gesehen, qPrintable(QString::number(i)));
        }
    }

    // Tab visits every control that takes the focus exactly once and comes
    // back to the first field; the path box takes part only while editable.
    void fokusfolge() {
        MainForm f;
        f.Form_Load();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), el(f, "Text1", 0));
        const auto runde = [&] {
            QStringList besucht;
            do {
                besucht << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            } while (QApplication::focusWidget() != el(f, "Text1", 0) && besucht.size() < 200);
            return besucht;
        };
        const auto fokussierbar = [&] {
            QStringList namen;
            for (QWidget* w : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w->focusPolicy() & Qt::TabFocus && w->isEnabled()) {
                    namen << w->objectName();
                }
            }
            return namen;
        };
        QStringList besucht = runde();
        QCOMPARE(besucht.removeDuplicates(), 0);
        QStringList erwartet = fokussierbar();
        QVERIFY(!erwartet.contains("Text2"));
        besucht.sort();
        erwartet.sort();
        QCOMPARE(besucht, erwartet);

        f.Command3_Click();
        QVERIFY(runde().contains("Text2"));
    }

    // Screen readers tell every field apart by its name.
    void vorlesenamenSindEindeutig() {
        MainForm f;
        QSet<QString> namen;
        for (QLineEdit* feld : f.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            const QString name =
                QAccessible::queryAccessibleInterface(feld)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), qPrintable(feld->objectName()));
            QVERIFY2(!namen.contains(name), qPrintable(name));
            namen.insert(name);
        }
    }

    void ladenUndAuswaehlen() {
        MainForm f;
        f.Form_Load();
        QVERIFY(f.isVisible());
        QCOMPARE(feld(f, 20), QString("80"));
        QCOMPARE(el<QLineEdit>(f, "Text3", 0)->text(), QString("96"));
        QCOMPARE(el<QLineEdit>(f, "Text2")->text(), QString::fromStdString(daten_.string() + "/"));

        QTest::mouseClick(el(f, "Command1", 4), Qt::LeftButton);
        QCOMPARE(el<QLabel>(f, "Label3", 0)->text(), QString("LKW"));
        QCOMPARE(el<QLabel>(f, "Label3", 1)->text(), QString("Schnelle"));
        QCOMPARE(feld(f, 20), QString("60"));
        QCOMPARE(el<QLineEdit>(f, "Text3", 0)->text(), QString("72"));

        el<QLineEdit>(f, "Text1", 40)->setText("9.9");
        QTest::mouseClick(el(f, "Command1", 8), Qt::LeftButton);
        QCOMPARE(el<QLabel>(f, "Label3", 1)->text(), QString::fromUtf8("Schöne"));
        QCOMPARE(el<QLabel>(f, "Label3", 0)->text(), QString("LKW"));
        QCOMPARE(feld(f, 40), QString("1.0")); // the edit is discarded
        QCOMPARE(feld(f, 56), QString("1.5"));
    }

    // A load writes each field and the path box once: a text that comes back
    // unchanged is not touched, so the window repaints only what changed.
    void unveraenderteTexteBleibenUnberuehrt() {
        MainForm f;
        f.Form_Load();
        QSignalSpy route(el<QLineEdit>(f, "Text1", 40), &QLineEdit::textChanged);
        QSignalSpy pfad(el<QLineEdit>(f, "Text2"), &QLineEdit::textChanged);
        QSignalSpy fahrzeug(el<QLineEdit>(f, "Text1", 20), &QLineEdit::textChanged);
        QTest::mouseClick(el(f, "Command1", 4), Qt::LeftButton);
        QCOMPARE(route.count(), 0);
        QCOMPARE(pfad.count(), 0);
        QCOMPARE(fahrzeug.count(), 1);
    }

    void verlassenVorDemKlick_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("geschrieben");
        QTest::newRow("Ja") << int(QMessageBox::Yes) << true;
        QTest::newRow("Nein") << int(QMessageBox::No) << false;
    }

    void verlassenVorDemKlick() {
        QFETCH(int, antwort);
        QFETCH(bool, geschrieben);
        MainForm f;
        f.Form_Load();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* feld3 = el<QLineEdit>(f, "Text1", 3);
        feld3->setFocus();
        feld3->selectAll();
        QTest::keyClicks(feld3, "1,5");
        antwortgeber geber(static_cast<QMessageBox::StandardButton>(antwort));
        QTest::mouseClick(el(f, "Command2", 0), Qt::LeftButton);
        QCOMPARE(geber.beantwortet, 1);
        QCOMPARE(geber.titel, QString("Tamvoril"));
        QVERIFY(geber.standard);
        QCOMPARE(geber.knoepfe, QStringList({"&Ja", "&Nein"}));
        QVERIFY(geber.text.startsWith(
            QString::fromUtf8("Folgende Änderungen werden übernommen\r\n<Name>Car Fast</Name>")));
        QVERIFY(geber.text.contains("<City>1.0|0.95|0.9|1.5|0.7"));
        QCOMPARE(feld3->text(), QString("1.5"));
        QCOMPARE(el<QLineEdit>(f, "Text3", 3)->text(), QString("67,5")); // 50 x 1.5 x 0.9
        const std::string vorher = dateiinhalt(fs::path(DEMO_ORDNER) / "ApplicationSettings.xml");
        std::string erwartet = vorher;
        erwartet.replace(erwartet.find("<City>1.0|0.95|0.9|0.85|0.7|0.6|0.4|0.5"), 39,
                         "<City>1.0|0.95|0.9|1.5|0.7|0.6|0.4|0.5");
        QCOMPARE(dateiinhalt(einstellungen_), geschrieben ? erwartet : vorher);
    }

    // The list of changes stands below the passage; a list of all 57 fields,
    // with the vehicle's passage above it, fits a 1366 × 768 screen (a title
    // bar and a task bar included).
    void aenderungslistePasstAufDenBildschirm() {
        MainForm f;
        std::vector<std::string> zeilen;
        for (int i = 0; i < 57; ++i) {
            zeilen.push_back(nachUtf8(f.feldname(static_cast<std::int16_t>(i))) + ": 0.85 → 1.5");
        }
        const std::string demo = dateiinhalt(einstellungen_);
        const std::size_t von = demo.find("<Name>Car Fast");
        antwortgeber alle(QMessageBox::No);
        QVERIFY(
            !f.frageJaNein(demo.substr(von, demo.find("</PreferenceFactor", von) - von), zeilen));
        QVERIFY(alle.zusatz.contains(QString::fromUtf8("Fahrzeug, Landstraße: 0.85 → 1.5")));
        QVERIFY(alle.groesse.width() <= 1366 && alle.groesse.height() <= 768 - 80);
    }

    // A value passage longer than a line edit's default limit loads whole and
    // is written back byte for byte; a field that holds no number is named
    // as the window labels it, and nothing is written.
    void langerWertBleibtGanzUndKeineZahlWirdBenannt() {
        std::string text = dateiinhalt(einstellungen_);
        const std::string lang = std::string(50000, ' ') + "0.8" + std::string(49997, ' ');
        text.replace(text.find("<Value>", text.find("<Name>Fastest")) + 7, 3, lang);
        std::ofstream(einstellungen_, std::ios::binary | std::ios::trunc) << text;
        MainForm f;
        f.Form_Load();
        QCOMPARE(feld(f, 56).size(), qsizetype(100000));
        antwortgeber ja(QMessageBox::Yes);
        f.Command2_Click(1);
        QCOMPARE(ja.beantwortet, 1);
        QCOMPARE(dateiinhalt(einstellungen_), text);

        el<QLineEdit>(f, "Text1", 38)->setText("- - - -");
        antwortgeber ok(QMessageBox::Ok);
        f.Command2_Click(1);
        QCOMPARE(ok.beantwortet, 1);
        QVERIFY2(ok.text.contains(
                     QString::fromUtf8("„Preverenz City  Route, Bundesstraße“ enthält „- - - -“")),
                 qPrintable(ok.text));
        QCOMPARE(dateiinhalt(einstellungen_), text);
    }

    void fehlerWirdGemeldetUndDasFensterBleibt() {
        MainForm f;
        f.Form_Load();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* feld0 = el<QLineEdit>(f, "Text1", 0);
        feld0->setFocus();
        feld0->setText("abc");
        antwortgeber geber(QMessageBox::Ok);
        QTest::mouseClick(el(f, "Text1", 1), Qt::LeftButton);
        QTRY_COMPARE(geber.beantwortet, 1);
        QCOMPARE(geber.titel, QString("Tamvoril"));
        // The field by its label and the text as typed, then what to do, and
        // the number on a line of its own.
        QCOMPARE(geber.text, QString::fromUtf8(
                                 "Im Feld „Preverenz City Fahrzeug, Autobahn“ steht „abc“, und das "
                                 "ist keine Zahl. Bitte eine Zahl eintragen, etwa 0.85 oder "
                                 "0,85; bis dahin bleiben die Ergebnisse stehen.\n\n"
                                 "Fehlernummer 13: Typen unverträglich"));
        QCOMPARE(geber.knoepfe, QStringList({"OK"}));
        QCOMPARE(feld0->text(), QString("abc"));
        QVERIFY(f.isVisible());

        // The error box does not count as leaving the field that has the focus.
        feld0->setText("1.0");
        auto* feld5 = el<QLineEdit>(f, "Text1", 5);
        feld5->setFocus();
        feld5->setText("2");
        fs::remove(einstellungen_);
        antwortgeber zweiter(QMessageBox::Ok);
        f.Command2_Click(0);
        QCOMPARE(zweiter.beantwortet, 1);
        QVERIFY2(zweiter.text.endsWith("\n\nFehlernummer 53: Datei nicht gefunden"),
                 qPrintable(zweiter.text));
        QCOMPARE(feld5->text(), QString("2"));
    }

    // The backups dialog with the keyboard alone: Alt+S opens it, the arrow
    // key chooses the second row once its comparison is shown, Alt+Z and
    // Yes take that backup back, and the fields show it.
    void sicherungenMitDerTastatur() {
        const std::string anfang = dateiinhalt(einstellungen_);
        MainForm f;
        f.Form_Load();
        for (const char* wert : {"0.5", "0.6"}) {
            el<QLineEdit>(f, "Text1", 0)->setText(wert);
            antwortgeber ja(QMessageBox::Yes);
            f.Command2_Click(0);
            QCOMPARE(ja.beantwortet, 1);
        }
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        // The mnemonic clicks its button a moment later: wait for the dialog.
        QStringList zeilen;
        QTimer uhr;
        ++antwortgeber::wartende;
        connect(&uhr, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            uhr.stop();
            --antwortgeber::wartende;
            // Never left open, should a key go astray: the test then fails
            // instead of waiting for the dialog for ever.
            QTimer::singleShot(20000, dialog, &QDialog::reject);
            QCOMPARE(dialog->windowTitle(), QString("Sicherungen"));
            // Mnemonics reach only the active window.
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            auto* liste = dialog->findChild<QListWidget*>();
            QTRY_VERIFY(!liste->item(1)->text().contains(QString::fromUtf8("verglichen")));
            for (int i = 0; i < liste->count(); ++i) {
                zeilen << liste->item(i)->text();
            }
            QTest::keyClick(liste, Qt::Key_Down);
            QTest::keyClick(dialog, Qt::Key_Z, Qt::AltModifier);
        });
        uhr.start(5);
        antwortgeber ja(QMessageBox::Yes);
        QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(ja.beantwortet, 1, 30000);
        QCOMPARE(zeilen.size(), 2);
        QVERIFY2(zeilen[1].endsWith(QString::fromUtf8("1 Wert anders")), qPrintable(zeilen[1]));
        QVERIFY2(
            ja.zusatz.contains(QString::fromUtf8("– Preverenz City Fahrzeug, Autobahn: 0.6 → 1.0")),
            qPrintable(ja.zusatz));
        QCOMPARE(dateiinhalt(einstellungen_), anfang);
        QCOMPARE(feld(f, 0), QString("1.0"));
    }

    // A refused text gets a red frame of its own width and the reason as
    // tooltip and accessible description, until a corrected text is left;
    // the speed's products follow it.
    void abgelehnterWertIstMarkiert() {
        MainForm f;
        f.Form_Load();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* geschwindigkeit = el<QLineEdit>(f, "Text1", 20);
        auto* nachbar = el<QLineEdit>(f, "Text1", 21);
        const auto rahmen = [&] {
            return geschwindigkeit->grab().toImage().pixelColor(1, geschwindigkeit->height() / 2);
        };
        geschwindigkeit->setFocus();
        geschwindigkeit->selectAll();
        QTest::keyClicks(geschwindigkeit, "abc");
        antwortgeber fehler(QMessageBox::Ok); // the products cannot be computed
        nachbar->setFocus();
        QTRY_COMPARE(fehler.beantwortet, 1);
        QCOMPARE(geschwindigkeit->toolTip(), QString("Keine Zahl"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(geschwindigkeit)->text(QAccessible::Description),
            QString("Keine Zahl"));
        QCOMPARE(rahmen(), fehlerfarbe());

        // Typed while the neighbour has the focus, so that leaving it finds
        // a number; the closed box left the window inactive.
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        geschwindigkeit->selectAll();
        QTest::keyClicks(geschwindigkeit, "100");
        geschwindigkeit->setFocus();
        nachbar->setFocus();
        QCOMPARE(geschwindigkeit->toolTip(), QString());
        QVERIFY(rahmen() != fehlerfarbe());
        QCOMPARE(el<QLineEdit>(f, "Text3", 0)->text(), QString("120")); // 100 x 1.0 x 1.2
    }

    // Closing the window with an edit not applied asks; Nein keeps it open.
    // A text typed back is no edit.
    void schliessenMitAenderungFragt() {
        fensterrahmen rahmen;
        rahmen.formular().Form_Load();
        rahmen.show();
        auto* feld3 = el<QLineEdit>(rahmen.formular(), "Text1", 3);
        feld3->setText("1.5");
        {
            antwortgeber nein(QMessageBox::No);
            QVERIFY(!rahmen.close());
            QCOMPARE(nein.beantwortet, 1);
            QCOMPARE(nein.text, QString::fromUtf8("Nicht übernommene Änderungen verwerfen?"));
            QCOMPARE(nein.knoepfe, QStringList({"&Ja", "&Nein"}));
            QVERIFY(rahmen.isVisible());
        }
        antwortgeber ja(QMessageBox::Yes);
        QVERIFY(rahmen.close());
        QCOMPARE(ja.beantwortet, 1);

        rahmen.show();
        feld3->setText("0.85");
        QVERIFY(rahmen.close()); // the guard fails on any box
    }

    void fensterWechselIstKeinVerlassen() {
        MainForm f;
        f.Form_Load();
        auto* feld3 = el<QLineEdit>(f, "Text1", 3);
        feld3->setText("1,5");
        for (const auto grund : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent weg(QEvent::FocusOut, grund);
            QApplication::sendEvent(feld3, &weg);
            QCOMPARE(feld3->text(), QString("1,5"));
        }
        QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(feld3, &weg);
        QCOMPARE(feld3->text(), QString("1.5"));
    }

    // A first start reports nothing: the path box waits for a folder, with
    // the focus and the folder button, which is there only while editing.
    void ersterStartUndOrdnerwahl() {
        fs::remove("ini.txt");
        MainForm f;
        f.Form_Load();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* pfad = el<QLineEdit>(f, "Text2");
        auto* knopf = el<QPushButton>(f, "Command3");
        auto* ordnerknopf = pfad->findChild<QToolButton*>();
        QCOMPARE(QApplication::focusWidget(), pfad);
#ifdef Q_OS_WIN
        QCOMPARE(pfad->placeholderText(),
                 QString("Ordner, in dem die ApplicationSettings.xml liegt, z.B. c:\\mn6\\"));
#else
        QCOMPARE(
            pfad->placeholderText(),
            QString("Ordner, in dem die ApplicationSettings.xml liegt, z.B. /home/anna/navi/"));
#endif
        QCOMPARE(pfad->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(knopf->accessibleName(), QString("Fertig"));
        QCOMPARE(feld(f, 0), QString("- - - -"));
        QVERIFY(ordnerknopf->toolTip().startsWith(QString::fromUtf8("Ordner wählen … (Strg+O")));

        const QString daten = QDir::toNativeSeparators(QString::fromStdString(daten_.string()));
        QTest::keyClicks(pfad, daten);
        QStringList gesehen;
        ordnerdialogBeantworten("", gesehen);
        QTest::keyClick(pfad, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(gesehen, QStringList({QString::fromUtf8("Ordner wählen"),
                                       QDir::fromNativeSeparators(daten)}));
        QCOMPARE(pfad->text(), daten);

        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(pfad->text(), daten + QDir::separator());
        QCOMPARE(feld(f, 20), QString("80"));
        QCOMPARE(knopf->accessibleName(), QString("Pfad"));
        QVERIFY(!pfad->isEnabled() && !ordnerknopf->isVisible());
        QCOMPARE(pfad->palette().color(QPalette::Disabled, QPalette::Base),
                 f.palette().color(QPalette::Button));

        QTest::mouseClick(knopf, Qt::LeftButton);
        // A text that names no usable folder, here with a NUL, starts at home.
        pfad->setText(QString("a") + QChar(0) + "b");
        ordnerdialogBeantworten("", gesehen);
        QTest::mouseClick(ordnerknopf, Qt::LeftButton);
        QCOMPARE(gesehen.value(1), QDir::homePath());
        ordnerdialogBeantworten(ordner_.path(), gesehen);
        QTest::mouseClick(ordnerknopf, Qt::LeftButton);
        QCOMPARE(pfad->text(), QDir::toNativeSeparators(ordner_.path()) + QDir::separator());
        QCOMPARE(dateiinhalt("ini.txt"), (daten + QDir::separator()).toStdString());
        // The settings file itself, shown in the chooser, names its folder.
        ordnerdialogBeantworten(QString::fromStdString(einstellungen_.string()), gesehen);
        QTest::mouseClick(ordnerknopf, Qt::LeftButton);
        QCOMPARE(pfad->text(), daten + QDir::separator());
    }

    // A first start offers the folder the search found, unsaved until
    // "Fertig"; several are listed newest first; what the user types first
    // wins.
    void ersterStartFindetDieDatei() {
        fs::remove("ini.txt");
        const auto ablegen = [&](const char* relativ, int stunden) {
            const fs::path o = heim_ / relativ;
            fs::create_directories(o);
            fs::copy_file(einstellungen_, o / "ApplicationSettings.xml");
            fs::last_write_time(o / "ApplicationSettings.xml",
                                fs::file_time_type::clock::now() - std::chrono::hours(stunden));
            return QDir::toNativeSeparators(QString::fromStdString(o.string())) + QDir::separator();
        };
#ifdef Q_OS_WIN
        const QString neu = ablegen("AppData/Roaming/Navi", 0);
#else
        const QString neu = ablegen(".wine/drive_c/users/anna/AppData/Roaming/Navi", 0);
#endif
        {
            MainForm f;
            f.Form_Load();
            f.show();
            QVERIFY(QTest::qWaitForWindowActive(&f));
            auto* pfad = el<QLineEdit>(f, "Text2");
            QTRY_COMPARE(pfad->text(), neu);
            QVERIFY(pfad->isEnabled() && QApplication::focusWidget() == pfad);
            QVERIFY(el<QLabel>(f, "Label7")->text().contains(QString::fromUtf8("„Fertig“")));
            QVERIFY(!fs::exists("ini.txt"));
            QTest::mouseClick(el(f, "Command3"), Qt::LeftButton);
            QCOMPARE(feld(f, 20), QString("80"));
            QVERIFY(el<QLabel>(f, "Label7")->text().isEmpty());
        }
        fs::remove("ini.txt");
        const QString alt = ablegen("Documents/Navi", 1);
        {
            MainForm f;
            QStringList zeilen;
            auswahlBeantworten(1, zeilen);
            f.Form_Load();
            QTRY_COMPARE(el<QLineEdit>(f, "Text2")->text(), alt);
            QCOMPARE(zeilen.size(), 2);
            QVERIFY2(zeilen[0].startsWith(neu + "   (geändert am "), qPrintable(zeilen[0]));
        }
        MainForm f;
        f.Form_Load();
        auto* pfad = el<QLineEdit>(f, "Text2");
        QTest::keyClicks(pfad, "x");
        QTest::qWait(300); // the search's result, if any came, is dropped
        QCOMPARE(pfad->text(), QString("x"));
        QStringList zeilen;
        auswahlBeantworten(-1, zeilen);
        QTest::mouseClick(el(f, "Command4"), Qt::LeftButton);
        QTRY_COMPARE(zeilen.size(), 2);
        QCOMPARE(pfad->text(), QString("x"));
    }

    // A folder named in any script is shown, saved, loaded and written
    // through; one without the settings file is named in a note.
    void ordnerInJederSchrift() {
        const QString name = QString::fromUtf8("Łódź – Ağrı");
        const fs::path unicode(QDir(ordner_.path()).filePath(name).toStdU16String());
        fs::create_directories(unicode);
        fs::copy_file(einstellungen_, unicode / "ApplicationSettings.xml");
        const QString leer = QDir::toNativeSeparators(ordner_.path()) + QDir::separator();
        MainForm f;
        f.Form_Load();
        auto* pfad = el<QLineEdit>(f, "Text2");
        auto* knopf = el<QPushButton>(f, "Command3");
        QTest::mouseClick(knopf, Qt::LeftButton);
        pfad->setText(leer + name);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(pfad->text(), leer + name + QDir::separator());
        QCOMPARE(feld(f, 20), QString("80"));
        el<QLineEdit>(f, "Text1", 56)->setText("2.5");
        antwortgeber ja(QMessageBox::Yes);
        f.Command2_Click(1);
        QCOMPARE(ja.beantwortet, 1);
        QVERIFY(dateiinhalt(unicode / "ApplicationSettings.xml").find("<Value>2.5</Value>") !=
                std::string::npos);
        // The line after the write, for screen readers too, until the next action.
        auto* zeile = el<QLabel>(f, "Label8");
        QVERIFY2(
            zeile->text().startsWith("Gespeichert um ") &&
                zeile->text().contains(QString::fromUtf8(" – Sicherung: ApplicationSettings ")),
            qPrintable(zeile->text()));
        QCOMPARE(zeile->accessibleName(), zeile->text());
        // The watcher hears of the own write; that is no action of the user's.
        QSignalSpy geprueft(f.findChild<dateiwaechter*>(), &dateiwaechter::geprueft);
        QTRY_VERIFY_WITH_TIMEOUT(geprueft.count() > 0, 20000);
        QVERIFY(zeile->text().startsWith("Gespeichert um "));

        // After "Pfad" the box has the focus with its text selected; Enter
        // is "Fertig". A folder without the file is named by the box.
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(zeile->text(), QString());
        QCOMPARE(f.focusWidget(), pfad);
        QCOMPARE(pfad->selectedText(), pfad->text());
        pfad->setText(leer);
        QTest::keyClick(pfad, Qt::Key_Return);
        QVERIFY(!pfad->isEnabled());
        const QString notiz = el<QLabel>(f, "Label7")->text();
        QVERIFY2(notiz.startsWith(QString::fromUtf8("Im Ordner „") + leer + "“ liegt keine"),
                 qPrintable(notiz));
        QCOMPARE(feld(f, 20), QString("- - - -"));
        QCOMPARE(pfad->text(), leer);
    }

    // At start a missing folder is named by the path box, with no box (the
    // guard would report one).
    void fehlenderOrdnerBeimStart() {
        fs::remove_all(daten_);
        MainForm f;
        f.Form_Load();
        const QString notiz = el<QLabel>(f, "Label7")->text();
        QVERIFY2(notiz.startsWith(QString::fromUtf8("Der Ordner „") +
                                  QString::fromStdString(daten_.string()) + "/“ existiert nicht."),
                 qPrintable(notiz));
        QCOMPARE(el<QLabel>(f, "Label7")->accessibleName(), notiz);
    }

    // After a load that failed the box is empty, its hint only a
    // placeholder: "Pfad" and "Fertig" without typing save nothing.
    void hinweisWirdNieGespeichert() {
        std::ofstream("ini.txt", std::ios::binary | std::ios::trunc);
        MainForm f;
        antwortgeber fehler(QMessageBox::Ok);
        f.Form_Load();
        QCOMPARE(fehler.beantwortet, 1);
        auto* pfad = el<QLineEdit>(f, "Text2");
        QCOMPARE(pfad->text(), QString());
        QVERIFY(!pfad->placeholderText().isEmpty());
        for (int druck = 0; druck < 2; ++druck) {
            antwortgeber nochmal(QMessageBox::Ok); // the reload fails as before
            QTest::mouseClick(el(f, "Command3"), Qt::LeftButton);
            QCOMPARE(nochmal.beantwortet, 1);
        }
        QCOMPARE(dateiinhalt("ini.txt"), std::string());
    }

    // Ctrl+O belongs to the path box: pressed in a field while the box is
    // editable, it opens no folder dialog (the guard would report one).
    void ordnerwahlNurAusDemPfadfeld() {
        fs::remove("ini.txt");
        MainForm f;
        f.Form_Load();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(el(f, "Text2")->isEnabled());
        auto* geschwindigkeit = el<QLineEdit>(f, "Text1", 20);
        geschwindigkeit->setFocus();
        QTest::keyClick(geschwindigkeit, Qt::Key_O, Qt::ControlModifier);
        QTest::qWait(100);
        QCOMPARE(QApplication::focusWidget(), geschwindigkeit);
    }

    // The settings file replaced on disk, as a safe save does, shows in the
    // fields, the focus and the text cursor where they were; after an edit
    // the fields stay.
    void geaenderteDateiWirdGezeigt_data() {
        QTest::addColumn<bool>("bearbeitet");
        QTest::newRow("ohne Bearbeitung") << false;
        QTest::newRow("mit Bearbeitung") << true;
    }

    void geaenderteDateiWirdGezeigt() {
        QFETCH(bool, bearbeitet);
        MainForm f;
        f.Form_Load();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* stadt = el<QLineEdit>(f, "Text1", 20);
        stadt->setFocus();
        stadt->setCursorPosition(1);
        if (bearbeitet) {
            el<QLineEdit>(f, "Text1", 3)->setText("1.5");
        }
        QSignalSpy geprueft(f.findChild<dateiwaechter*>(), &dateiwaechter::geprueft);
        std::string text = dateiinhalt(einstellungen_);
        text.replace(text.find("<City>80|"), 9, "<City>99|");
        std::ofstream(daten_ / "neu.tmp", std::ios::binary) << text;
        fs::rename(daten_ / "neu.tmp", einstellungen_);
        if (bearbeitet) {
            QTRY_VERIFY_WITH_TIMEOUT(geprueft.count() > 0, 20000);
            QCOMPARE(feld(f, 20), QString("80"));
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(feld(f, 20), QString("99"), 20000);
        QCOMPARE(QApplication::focusWidget(), stadt);
        QCOMPARE(stadt->cursorPosition(), 1);

        // The watch on the replaced file was renewed: a second save shows too.
        // A field entered with the tab key, its text selected, stays so:
        // what the user types next replaces it.
        stadt->selectAll();
        text.replace(text.find("<City>99|"), 9, "<City>77|");
        std::ofstream(daten_ / "neu.tmp", std::ios::binary) << text;
        fs::rename(daten_ / "neu.tmp", einstellungen_);
        QTRY_COMPARE_WITH_TIMEOUT(feld(f, 20), QString("77"), 20000);
        QCOMPARE(stadt->selectedText(), QString("77"));
    }

    void kontextmenueAufDeutsch() {
        MainForm f;
        const std::unique_ptr<QMenu> menue(
            el<QLineEdit>(f, "Text1", 0)->createStandardContextMenu());
        QStringList texte;
        for (const QAction* a : menue->actions()) {
            texte << a->text().section('\t', 0, 0);
        }
        QVERIFY2(texte.contains(QString::fromUtf8("&Rückgängig")), qPrintable(texte.join('|')));
        QVERIFY2(texte.contains(QString::fromUtf8("Einf&ügen")), qPrintable(texte.join('|')));
    }

    // The vehicle and route buttons named in Label3(0) and Label3(1) show as
    // pressed, to screen readers too, after every selection.
    void gewaehlteKnoepfeSindGedrueckt() {
        MainForm f;
        f.Form_Load();
        const auto gedrueckt = [&] {
            QList<int> welche;
            for (int i = 0; i <= 8; ++i) {
                if (el<QPushButton>(f, "Command1", i)->isChecked()) {
                    welche << i;
                }
            }
            return welche;
        };
        QCOMPARE(gedrueckt(), QList<int>({0, 5}));
        QVERIFY(QAccessible::queryAccessibleInterface(el(f, "Command1", 0))->state().checked);
        QVERIFY(!QAccessible::queryAccessibleInterface(el(f, "Command1", 1))->state().checked);

        QTest::mouseClick(el(f, "Command1", 4), Qt::LeftButton);
        QCOMPARE(gedrueckt(), QList<int>({4, 5}));
        f.Command1_Click(7);
        QCOMPARE(gedrueckt(), QList<int>({4, 7}));

        // A click on the pressed button keeps it pressed and loads again.
        el<QLineEdit>(f, "Text1", 20)->setText("1");
        QTest::mouseClick(el(f, "Command1", 4), Qt::LeftButton);
        QCOMPARE(gedrueckt(), QList<int>({4, 7}));
        QCOMPARE(feld(f, 20), QString("60"));

        f.setzeBeschriftung(ablage::auswahl::fahrzeug, "Bus");
        QCOMPARE(gedrueckt(), QList<int>({7}));
    }

    // Every text stands out from its background, also when the desktop's
    // palette is dark, and the path box in each of its three states.
    void kontrast_data() {
        QTest::addColumn<bool>("dunkel");
        QTest::newRow("heller Desktop") << false;
        QTest::newRow("dunkler Desktop") << true;
    }

    void kontrast() {
        QFETCH(bool, dunkel);
        const QPalette vorher = QApplication::palette();
        if (dunkel) {
            QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x20, 0x20, 0x20)));
        }
        MainForm f;
        f.Form_Load();
        const auto pruefen = [&](QWidget* w) {
            const QPalette::ColorGroup gruppe =
                w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            auto* k = qobject_cast<QPushButton*>(w);
            const QColor grund = k != nullptr && k->isChecked()
                                     ? auswahlfarbe()
                                     : w->palette().color(gruppe, w->backgroundRole());
            const double verhaeltnis =
                ::kontrast(w->palette().color(gruppe, w->foregroundRole()), grund);
            QVERIFY2(verhaeltnis >= 4.5,
                     qPrintable(w->objectName() + ": " + QString::number(verhaeltnis)));
        };
        for (QWidget* w : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isHidden()) {
                pruefen(w);
            }
        }
        auto* pfad = el(f, "Text2");
        f.setzePfadAktiv(true);
        f.setzePfadfarbe(ablage::pfadfarbe::weiss);
        pruefen(pfad);
        pruefen(el(f, "Command4"));
        f.setzePfadAktiv(false);
        f.setzePfadfarbe(ablage::pfadfarbe::schaltflaeche);
        pruefen(pfad);
        QApplication::setPalette(vorher);
    }
};

QTEST_MAIN(mainformTest)
#include "mainform_test.moc"
