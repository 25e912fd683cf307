// The program in the user's language: which language the environment asks for, the translations and
// Qt's own loaded for it, Polish plural forms, and every caption of every window whole in German and
// Polish (run at 96 dpi, and by ctest again at 144 dpi: tst_translations_144dpi).
#include "app/about.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/patchwindow.h"
#include "app/rigwindow.h"
#include "device/configfile.h"
#include "device/protocol.h"
#include "i18n/language.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/f_liverecord.h"
#include "shows/showwidgets.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QtTest>

using namespace zentri;

namespace {

// A device as the windows show it, answering from the loopback address 127.0.0.2.
recUrzadzenia premiumDevice() {
    recUrzadzenia r;
    r.Nazwa = QStringLiteral("Bühne links");
    r.ZentriVersion = kModulePremium;
    for (int i = 0; i < 8; ++i) {
        r.Output[i] = {0, 1, 4 * i + 1, 0, false};
        r.Trigger[i] = {0, 1, 101 + i, 1, i + 1, 10 + i, 100};
    }
    return r;
}

// Removes the program's and Qt's translators, so that each test starts from English.
void uninstallTranslators() {
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

QString withoutMnemonics(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// What of `w`'s caption is cut, in words; empty when it shows whole.
QString cutCaption(QWidget *w) {
    QString text;
    int extra = 0; // room the widget takes beside its text
    bool wraps = false;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        text = label->text();
        if (Qt::mightBeRichText(text))
            text = QTextDocumentFragment::fromHtml(text).toPlainText();
        wraps = label->wordWrap();
        extra = 2 * label->margin() + 2 * label->frameWidth();
    } else if (auto *press = qobject_cast<ui::PressButton *>(w)) {
        // It draws its caption itself, in a font made to fit its caption area.
        const QString caption = press->text().trimmed();
        const QRect area = press->captionArea();
        const QRect needed =
            QFontMetrics(press->captionFont())
                .boundingRect(QRect(0, 0, area.width(), 100000), Qt::AlignCenter | Qt::TextWordWrap, caption);
        if (caption.isEmpty() || (needed.width() <= area.width() && needed.height() <= area.height()))
            return {};
        return QStringLiteral("\"%1\" needs %2x%3 pixels, has %4x%5")
            .arg(caption)
            .arg(needed.width())
            .arg(needed.height())
            .arg(area.width())
            .arg(area.height());
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        text = withoutMnemonics(button->text());
        QStyle *s = button->style();
        if (qobject_cast<QPushButton *>(button)) {
            QStyleOptionButton option;
            option.initFrom(button);
            extra = w->width() - s->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        } else {
            extra = s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                    s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
            wraps = button->sizePolicy().hasHeightForWidth();
        }
    } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
        text = withoutMnemonics(group->title());
        extra = 16; // the frame's corners beside the title
    }
    text = text.trimmed();
    if (text.isEmpty())
        return {};
    const QSize hint = w->sizeHint();
    if (hint.width() <= w->width() && hint.height() <= w->height())
        return {};
    const QFontMetrics fm = w->fontMetrics();
    const int room = w->width() - extra;
    if (!wraps) {
        int widest = 0;
        for (const QString &line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        if (widest <= room)
            return {};
        return QStringLiteral("\"%1\" needs %2 pixels, has %3").arg(text).arg(widest).arg(room);
    }
    const QRect needed = fm.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, text);
    if (needed.width() <= room && needed.height() <= w->height())
        return {};
    return QStringLiteral("\"%1\" needs %2x%3 pixels wrapped, has %4x%5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room)
        .arg(w->height());
}

bool inScrollArea(QWidget *w) {
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea *>(p))
            return true;
    return false;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { uninstallTranslators(); }
    void languageAskedFor_data();
    void languageAskedFor();
    void languageChosen_data();
    void languageChosen();
    void windowsSpeakTheLanguage_data();
    void windowsSpeakTheLanguage();
    void polishPluralForms_data();
    void polishPluralForms();
    void englishWhileAScopeLives_data();
    void englishWhileAScopeLives();
    void captionsShowWhole_data();
    void captionsShowWhole();
};

void TestTranslations::languageAskedFor_data() {
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("wanted");
    const QString none;
    QTest::newRow("nothing set") << none << none << none << none << QStringList{};
    QTest::newRow("C: LANGUAGE is ignored") << none << none << "C.UTF-8"
                                            << "de:pl" << QStringList{};
    QTest::newRow("POSIX in LC_ALL wins over LANG")
        << "POSIX" << none << "de_DE.UTF-8" << none << QStringList{};
    QTest::newRow("LANG alone, encoding and modifier cut")
        << none << none << "de_DE.UTF-8@euro" << none << QStringList{"de_DE"};
    QTest::newRow("LC_MESSAGES before LANG") << none << "pl_PL.UTF-8"
                                             << "de_DE.UTF-8" << none << QStringList{"pl_PL"};
    QTest::newRow("LC_ALL before LC_MESSAGES") << "de_AT.UTF-8"
                                               << "pl_PL.UTF-8" << none << none << QStringList{"de_AT"};
    QTest::newRow("LANGUAGE first, then the locale") << none << none << "en_GB.UTF-8"
                                                     << "pl:de_DE" << QStringList{"pl", "de_DE", "en_GB"};
    QTest::newRow("LANGUAGE naming the locale again") << none << none << "de_DE.UTF-8"
                                                      << "de_DE:pl::" << QStringList{"de_DE", "pl"};
}

void TestTranslations::languageAskedFor() {
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, language);
    QFETCH(QStringList, wanted);
    QCOMPARE(i18n::requestedLanguages(lcAll, lcMessages, lang, language), wanted);
}

void TestTranslations::languageChosen_data() {
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("German of Austria finds German") << QStringList{"de_AT"} << "de";
    QTest::newRow("Polish") << QStringList{"pl_PL"} << "pl";
    QTest::newRow("untranslated French, then Polish") << QStringList{"fr_FR", "pl"} << "pl";
    QTest::newRow("English first stays English") << QStringList{"en_US", "de_DE"} << QString();
    QTest::newRow("only untranslated languages") << QStringList{"fr", "cs_CZ"} << QString();
}

void TestTranslations::languageChosen() {
    QFETCH(QStringList, wanted);
    QFETCH(QString, chosen);
    QCOMPARE(i18n::chooseLanguage(wanted), chosen);
}

void TestTranslations::windowsSpeakTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");      // the output window's title
    QTest::addColumn<QString>("save");       // its "Save & Close", found by the control's own name
    QTest::addColumn<QString>("qtCancel");   // Qt's own standard button
    QTest::addColumn<QString>("moduleName"); // what the device's module number says
    QTest::newRow("English") << QString() << "Zentri output setup"
                             << "Save & Close"
                             << "Cancel"
                             << "Premium";
    QTest::newRow("German") << "de"
                            << "Zentri Ausgangs-Einstellungen"
                            << "Speichern & schließen"
                            << "Abbrechen"
                            << "Premium";
    QTest::newRow("Polish") << "pl"
                            << "Zentri – ustawienia wyjść"
                            << "Zapisz i zamknij"
                            << "Anuluj"
                            << "Premium";
}

void TestTranslations::windowsSpeakTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, save);
    QFETCH(QString, qtCancel);
    QFETCH(QString, moduleName);
    QCOMPARE(i18n::install(qApp, language), !language.isEmpty());
    Windows w;
    QCOMPARE(w.fSetupOutput->windowTitle(), title);
    auto *button = w.fSetupOutput->findChild<QPushButton *>(QStringLiteral("btSaveClose"));
    QVERIFY(button);
    QCOMPARE(withoutMnemonics(button->text()), save);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(withoutMnemonics(box.button(QDialogButtonBox::Cancel)->text()), qtCancel);
    QCOMPARE(wire::moduleVersionName(kModulePremium), moduleName);
}

void TestTranslations::polishPluralForms_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");
    QTest::newRow("1") << 1 << "1 ustawienie się różni:";
    QTest::newRow("2") << 2 << "2 ustawienia się różnią:";
    QTest::newRow("4") << 4 << "4 ustawienia się różnią:";
    QTest::newRow("5") << 5 << "5 ustawień się różni:";
    QTest::newRow("12") << 12 << "12 ustawień się różni:";
    QTest::newRow("22") << 22 << "22 ustawienia się różnią:";
}

// The summary of "Load configuration..." counts the settings that differ in Polish grammar.
void TestTranslations::polishPluralForms() {
    QFETCH(int, count);
    QFETCH(QString, line);
    QVERIFY(i18n::install(qApp, QStringLiteral("pl")));
    const recUrzadzenia device = premiumDevice();
    recUrzadzenia file = device;
    for (int i = 0; i < count; ++i) {
        if (i < 8)
            file.Output[i].Channel += 100;
        else if (i < 16)
            file.Trigger[i - 8].Channel += 100;
        else
            file.Trigger[i - 16].Volume = 7;
    }
    QCOMPARE(configfile::summary(device, file).section(QLatin1Char('\n'), 0, 0), line);
}

void TestTranslations::englishWhileAScopeLives_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("translated");
    QTest::addColumn<QString>("qtCancel");
    QTest::newRow("German state") << "de" << QByteArray("zentri::rig::States") << QByteArray("in sync")
                                  << "synchron"
                                  << "Abbrechen";
    QTest::newRow("Polish event") << "pl" << QByteArray("zentri::rig::Watch") << QByteArray("SD card removed")
                                  << "Wyjęto kartę SD"
                                  << "Anuluj";
}

// What zentrictl prints for scripts: while an English scope lives, neither the program's translation nor
// Qt's gives its words; once the last (nested) scope ends, both do again.
void TestTranslations::englishWhileAScopeLives() {
    QFETCH(QString, language);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QFETCH(QString, translated);
    QFETCH(QString, qtCancel);
    QVERIFY(i18n::install(qApp, language));
    auto text = [&] { return QCoreApplication::translate(context.constData(), source.constData()); };
    auto cancel = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return withoutMnemonics(box.button(QDialogButtonBox::Cancel)->text());
    };
    QCOMPARE(text(), translated);
    {
        const i18n::English outer;
        QCOMPARE(text(), QString::fromUtf8(source));
        QCOMPARE(cancel(), QStringLiteral("Cancel"));
        {
            const i18n::English inner;
            QCOMPARE(text(), QString::fromUtf8(source));
        }
        QCOMPARE(text(), QString::fromUtf8(source));
    }
    QCOMPARE(text(), translated);
    QCOMPARE(cancel(), qtCancel);
}

void TestTranslations::captionsShowWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("state");
    const QStringList windows = {"main", "output", "trigger", "audio",    "dmx",   "live", "live",
                                 "live", "live",   "cue",     "timeline", "about", "rig",  "patch"};
    const QStringList states = {"", "", "", "", "", "", "erase armed", "record armed", "synchro armed",
                                "", "", "", "", ""};
    for (const char *language : {"de", "pl"})
        for (int k = 0; k < windows.size(); ++k)
            QTest::addRow("%s %s %s", language, qPrintable(windows[k]), qPrintable(states[k]))
                << QString::fromLatin1(language) << windows[k] << states[k];
}

// Every label, button and group frame of the window shows its whole caption inside the window.
void TestTranslations::captionsShowWhole() {
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, state);
    QVERIFY(i18n::install(qApp, language));
    Windows w;
    w.MainForm->UDPsvrUDPRead(wire::infoReply(premiumDevice(), 1, 1, 12, QByteArray::fromHex("025A45000001")),
                              QHostAddress(QStringLiteral("127.0.0.2")));
    w.MainForm->UDPsvrUDPRead(wire::sdCardReply(true), QHostAddress(QStringLiteral("127.0.0.2")));
    w.MainForm->setDiscoveryAddress(QHostAddress(QStringLiteral("127.0.0.1"))); // the rig window's search
    PatchWindow patch;
    const std::map<QString, QWidget *> shown = {{"main", w.MainForm.get()},
                                                {"output", w.fSetupOutput.get()},
                                                {"trigger", w.fSetupInput.get()},
                                                {"audio", w.fSetupAudio.get()},
                                                {"dmx", w.fDMXSetup.get()},
                                                {"live", w.fLiveButtonRecord.get()},
                                                {"cue", w.fCue.get()},
                                                {"timeline", w.fLiveRecord.get()},
                                                {"about", w.fAbout.get()},
                                                {"rig", w.fRig.get()},
                                                {"patch", &patch}};
    QWidget *top = shown.at(window);
    top->show();
    QVERIFY(QTest::qWaitForWindowExposed(top));
    if (state == QLatin1String("erase armed"))
        w.fLiveButtonRecord->Button13MouseDown();
    else if (state == QLatin1String("record armed"))
        w.fLiveButtonRecord->Button12MouseDown();
    else if (state == QLatin1String("synchro armed"))
        w.fLiveButtonRecord->Button10MouseDown();
    QApplication::processEvents();

    QStringList cut;
    for (QWidget *child : top->findChildren<QWidget *>()) {
        if (!child->isVisibleTo(top) ||
            !(qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child) ||
              qobject_cast<QGroupBox *>(child)))
            continue;
        if (child->window() != top)
            continue; // a menu or a pop-up of its own
        const QString name = child->objectName().isEmpty()
                                 ? QString::fromLatin1(child->metaObject()->className())
                                 : child->objectName();
        if (const QString why = cutCaption(child); !why.isEmpty())
            cut << QStringLiteral("%1: %2").arg(name, why);
        const QRect inWindow(child->mapTo(top, QPoint(0, 0)), child->size());
        if (!inScrollArea(child) && !top->rect().contains(inWindow))
            cut << QStringLiteral("%1: reaches out of the window (%2,%3 %4x%5 in %6x%7)")
                       .arg(name)
                       .arg(inWindow.x())
                       .arg(inWindow.y())
                       .arg(inWindow.width())
                       .arg(inWindow.height())
                       .arg(top->width())
                       .arg(top->height());
    }
    top->hide();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

int main(int argc, char **argv) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    setUpApplication();
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
