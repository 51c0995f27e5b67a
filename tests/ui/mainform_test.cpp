#include "anwendung.h"
#include "farben.h"
#include "mainform.h"
#include "steuerelemente.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
// presses the given button.
class antwortgeber : public QObject {
  public:
    explicit antwortgeber(QMessageBox::StandardButton knopf) : knopf_(knopf) {
        connect(&uhr_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            uhr_.stop();
            titel = box->windowTitle();
            text = box->text();
            standard = box->defaultButton() == box->button(QMessageBox::Yes);
            for (QAbstractButton* k : box->buttons()) {
                knoepfe << k->text();
            }
            knoepfe.sort();
            ++beantwortet;
            box->button(knopf_)->click();
        });
        uhr_.start(5);
    }

    QString titel;
    QString text;
    bool standard = false;
    QStringList knoepfe; // captions, sorted
    int beantwortet = 0;

  private:
    QMessageBox::StandardButton knopf_;
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
    fs::path daten_;
    fs::path einstellungen_;

    template <typename typ = QWidget> typ* el(MainForm& f, const char* name, int index = -1) {
        auto* w = qobject_cast<typ*>(f.element(name, index));
        if (w == nullptr) {
            qFatal("kein Steuerelement %s(%d)", name, index);
        }
        return w;
    }

    QString feld(MainForm& f, int i) { return el<QLineEdit>(f, "Text1", i)->text(); }

  private slots:
    void initTestCase() { anwendungEinrichten(); }

    void init() {
        QVERIFY(ordner_.isValid());
        daten_ = fs::path(ordner_.path().toStdString()) / "daten";
        fs::remove_all(daten_);
        fs::create_directories(daten_);
        einstellungen_ = daten_ / "ApplicationSettings.xml";
        fs::copy_file(fs::path(DEMO_ORDNER) / "ApplicationSettings.xml", einstellungen_);
        fs::current_path(ordner_.path().toStdString());
        std::ofstream("ini.txt", std::ios::binary) << daten_.string() << "/";
    }

    void layout() {
        MainForm f;
        QCOMPARE(f.size(), QSize(787, 741));
        QCOMPARE(f.windowTitle(), QString("Tamvoril"));
        QCOMPARE(f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 161);
        QCOMPARE(el(f, "Text1", 0)->geometry(), QRect(88, 72, 73, 19));
        QCOMPARE(el(f, "Text1", 36)->geometry(), QRect(86, 435, 73, 19));
        QCOMPARE(el(f, "Text1", 56)->geometry(), QRect(527, 536, 73, 19));
        QCOMPARE(el(f, "Text2")->geometry(), QRect(91, 624, 688, 21));
        QCOMPARE(el(f, "Text3", 15)->geometry(), QRect(695, 695, 73, 19));
        QCOMPARE(el(f, "Label3", 0)->geometry(), QRect(256, -26, 161, 33));
        QCOMPARE(el(f, "Command2", 0)->geometry(), QRect(664, 278, 115, 76));
        QCOMPARE(el<QLabel>(f, "Label1", 23)->text(), QString("Autobahn"));
        QCOMPARE(el(f, "Label1", 23)->geometry().topLeft(), QPoint(96, 104));
        QCOMPARE(el<QLabel>(f, "Label1", 8)->text(), QString("Feldweg"));
        QCOMPARE(el(f, "Label1", 8)->x(), 704);
        QCOMPARE(el<QLabel>(f, "Label1", 32)->text(), QString::fromUtf8("Wohnstraße"));
        QCOMPARE(el<QLabel>(f, "Label1", 55)->text(), QString::fromUtf8("Wohnstraße"));
        QCOMPARE(el<QLabel>(f, "Label1", 6)->text(), QString("Gasse "));
        QCOMPARE(el<QLabel>(f, "Label2", 7)->text(), QString("Preverenz City  Route"));
        QCOMPARE(el<QPushButton>(f, "Command2", 0)->text(),
                 QString::fromUtf8("Änderungen übernehmen"));
        QCOMPARE(el<QPushButton>(f, "Command2", 1)->text(),
                 QString::fromUtf8("Anderungen übernemen"));
        QCOMPARE(el<QPushButton>(f, "Command1", 8)->text(), QString::fromUtf8("Schöne"));
        QCOMPARE(el<QLabel>(f, "Label3", 0)->text(), QString("PKW schnell"));
        QCOMPARE(el<QLabel>(f, "Label3", 1)->text(), QString("Schnelle"));
        QCOMPARE(el<QLineEdit>(f, "Text3", 4)->text(), QString("-"));
        QVERIFY(!el(f, "Text2")->isEnabled());
        QCOMPARE(el<QPushButton>(f, "Command3")->text(), QString("Pfad"));
        // An icon of a missing resource file is not null, but has no pixmap.
        QVERIFY(!f.windowIcon().pixmap(32, 32).isNull());
    }

    void schriften() {
        MainForm f;
        const struct {
            const char* name;
            int index;
            bool fett;
            int pixel;
        } faelle[] = {
            {"Label3", 0, true, 18},  {"Label3", 3, true, 18},    {"Label2", 0, true, 13},
            {"Label2", 10, true, 13}, {"Text2", -1, true, 11},    {"Label4", -1, true, 11},
            {"Label6", -1, true, 11}, {"Text1", 0, false, 11},    {"Label1", 0, false, 11},
            {"Label5", 1, false, 11}, {"Command1", 0, false, 11}, {"Text3", 0, false, 11}};
        for (const auto& fall : faelle) {
            const QFont schrift = el(f, fall.name, fall.index)->font();
            QCOMPARE(schrift.bold(), fall.fett);
            QCOMPARE(schrift.pixelSize(), fall.pixel);
        }
    }

    // Every caption and every number of the sample fits its box.
    void allesPasst() {
        MainForm f;
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
                QVERIFY2(feld->minimumSizeHint().height() <= feld->height(),
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

    void fokusfolge() {
        MainForm f;
        f.Form_Load();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), el(f, "Text1", 0));
        QStringList besucht;
        for (int i = 0; i < 85; ++i) {
            besucht << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), el(f, "Text1", 0));
        QCOMPARE(besucht.indexOf("Text1(9)"), besucht.indexOf("Text1(7)") + 1);
        QCOMPARE(besucht.indexOf("Text1(18)"), besucht.indexOf("Text1(15)") + 1);
        QCOMPARE(besucht.indexOf("Text1(8)"), besucht.indexOf("Text1(21)") + 1);
        QCOMPARE(besucht.indexOf("Text1(22)"), besucht.indexOf("Text1(8)") + 1);
        QCOMPARE(besucht.indexOf("Text1(16)"), besucht.indexOf("Text1(35)") + 1);
        QCOMPARE(besucht.indexOf("Command1(0)"), besucht.indexOf("Text1(17)") + 1);
        QCOMPARE(besucht.indexOf("Text1(36)"), besucht.indexOf("Command1(8)") + 1);
        QCOMPARE(besucht.indexOf("Command2(0)"), besucht.indexOf("Text1(56)") + 1);
        QCOMPARE(besucht.indexOf("Command3"), besucht.indexOf("Command2(1)") + 1);
        QCOMPARE(besucht.indexOf("Text3(0)"), besucht.indexOf("Command3") + 1);
        QCOMPARE(besucht.last(), QString("Text3(15)"));
        QVERIFY(!besucht.contains("Text2"));
        QCOMPARE(besucht.removeDuplicates(), 0);

        f.Command3_Click(); // the path box takes part while it is editable
        el(f, "Command2", 1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), el(f, "Text2"));
    }

    void vorlesenamen() {
        MainForm f;
        const auto name = [&](const char* n, int i) {
            return QAccessible::queryAccessibleInterface(el(f, n, i))->text(QAccessible::Name);
        };
        QCOMPARE(name("Text1", 0), QString("Preverenz City Fahrzeug, Autobahn"));
        QCOMPARE(name("Text1", 27), QString::fromUtf8("Geschw. City, Wohnstraße"));
        QCOMPARE(name("Text1", 15), QString("Preverenz Außerorts Fahrzeug, Feldweg"));
        QCOMPARE(name("Text1", 56), QString("Value"));
        QCOMPARE(name("Text3", 9), QString::fromUtf8("Ergebnis Außerorts, Schnellstraße"));
        QCOMPARE(name("Command1", 4), QString("LKW"));
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
        QVERIFY2(geber.text.startsWith("Laufzeitfehler '13'"), qPrintable(geber.text));
        QCOMPARE(geber.knoepfe, QStringList({"OK"}));
        QCOMPARE(feld0->text(), QString("abc.0"));
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
        QVERIFY(zweiter.text.startsWith("Laufzeitfehler '53'"));
        QCOMPARE(feld5->text(), QString("2"));
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

    void ohnePfaddateiOeffnetDasFensterTrotzdem() {
        fs::remove("ini.txt");
        MainForm f;
        antwortgeber geber(QMessageBox::Ok);
        f.Form_Load();
        QCOMPARE(geber.beantwortet, 1);
        QVERIFY(geber.text.startsWith("Laufzeitfehler '53'"));
        f.zeigen();
        QVERIFY(f.isVisible());
        QCOMPARE(feld(f, 0), QString("- - - -"));
        QCOMPARE(el<QLineEdit>(f, "Text2")->text().size(), 64);

        const QColor anfang = el(f, "Text2")->palette().color(QPalette::Disabled, QPalette::Base);
        antwortgeber nochmal(QMessageBox::Ok);
        QTest::mouseClick(el(f, "Command3"), Qt::LeftButton);
        QCOMPARE(nochmal.beantwortet, 1); // the reload still misses the file
        QVERIFY(el(f, "Text2")->isEnabled());
        QCOMPARE(el<QPushButton>(f, "Command3")->text(), QString("Fertig"));
        QCOMPARE(el(f, "Text2")->palette().color(QPalette::Base), QColor(Qt::white));

        el<QLineEdit>(f, "Text2")->setText(QString::fromStdString(daten_.string() + "/"));
        QTest::mouseClick(el(f, "Command3"), Qt::LeftButton);
        QCOMPARE(dateiinhalt("ini.txt"), daten_.string() + "/");
        QCOMPARE(feld(f, 20), QString("80"));
        QVERIFY(!el(f, "Text2")->isEnabled());
        QCOMPARE(el<QPushButton>(f, "Command3")->text(), QString("Pfad"));
        const QColor danach = el(f, "Text2")->palette().color(QPalette::Disabled, QPalette::Base);
        QCOMPARE(danach, f.palette().color(QPalette::Button));
        QCOMPARE(anfang, f.palette().color(QPalette::Midlight));
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
            pruefen(w);
        }
        auto* pfad = el(f, "Text2");
        f.setzePfadAktiv(true);
        f.setzePfadfarbe(ablage::pfadfarbe::weiss);
        pruefen(pfad);
        f.setzePfadAktiv(false);
        f.setzePfadfarbe(ablage::pfadfarbe::schaltflaeche);
        pruefen(pfad);
        QApplication::setPalette(vorher);
    }
};

QTEST_MAIN(mainformTest)
#include "mainform_test.moc"
