// Output setup window: loading and saving the outputs, the live test switch and the closing sequence.
#include "device/protocol.h"
#include "fakelink.h"
#include "records.h"
#include "setup/setup_output.h"
#include "testkit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zentri;

namespace {} // namespace

class TestSetupOutput : public QObject {
    Q_OBJECT

private slots:
    void loadAndSave_data();
    void loadAndSave();
    void rowsAfterShowing();
    void testSwitch_data();
    void testSwitch();
    void closing_data();
    void closing();
    void versionRestrictions_data();
    void versionRestrictions();
    void refusedTestOffStopsSequence();
    void listPopupIsAboutTwentyRows_data();
    void listPopupIsAboutTwentyRows();
};

void TestSetupOutput::loadAndSave_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("net");
    QTest::addColumn<int>("universe");
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("pwm");
    QTest::addColumn<int>("netPos");
    QTest::addColumn<int>("universePos");
    QTest::addColumn<int>("channelPos");
    QTest::addColumn<int>("savedNet");
    QTest::addColumn<int>("savedUniverse");
    QTest::addColumn<int>("savedChannel");

    QTest::newRow("row 1 in range") << 0 << 3 << 7 << 100 << true << 3 << 7 << 99 << 3 << 7 << 100;
    QTest::newRow("row 8 upper bounds")
        << 7 << 255 << 255 << 512 << true << 255 << 255 << 511 << 255 << 255 << 512;
    QTest::newRow("row 4 lower bounds") << 3 << 0 << 0 << 1 << false << 0 << 0 << 0 << 0 << 0 << 1;
    QTest::newRow("channel 0") << 2 << 1 << 1 << 0 << false << 1 << 1 << -1 << 1 << 1 << 0;
    QTest::newRow("channel 513") << 5 << 1 << 1 << 513 << true << 1 << 1 << -1 << 1 << 1 << 0;
    QTest::newRow("NET 256 in a hidden row") << 1 << 256 << 2 << 5 << false << -1 << 2 << 4 << -1 << 2 << 5;
    QTest::newRow("Universe -3") << 6 << 4 << -3 << 9 << true << 4 << -1 << 8 << 4 << -1 << 9;
}

void TestSetupOutput::loadAndSave() {
    QFETCH(int, row);
    QFETCH(int, net);
    QFETCH(int, universe);
    QFETCH(int, channel);
    QFETCH(bool, pwm);
    FakeLink link(2);
    link.selectedIndex = 1;
    link.records[1] = records::outputs();
    routput &o = link.records[1].Output[row];
    o.NET = net;
    o.Universe = universe;
    o.Channel = channel;
    o.PWM = pwm;
    const recUrzadzenia other = link.records[0];

    TfSetupOutput w(&link);
    w.show();
    QFETCH(int, netPos);
    QCOMPARE(child<QComboBox>(w, name("cbxNET", row + 1))->currentIndex(), netPos);
    QFETCH(int, universePos);
    QFETCH(int, channelPos);
    QCOMPARE(child<QComboBox>(w, name("cbxUniverse", row + 1))->currentIndex(), universePos);
    QCOMPARE(child<QComboBox>(w, name("cbxChannel", row + 1))->currentIndex(), channelPos);
    QCOMPARE(child<QCheckBox>(w, name("cbPWM", row))->isChecked(), pwm);

    child<QPushButton>(w, QStringLiteral("btSaveClose"))->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(ResultOk));

    QFETCH(int, savedNet);
    QFETCH(int, savedUniverse);
    QFETCH(int, savedChannel);
    recUrzadzenia expected = records::outputs();
    expected.Output[row] = {savedNet, savedUniverse, savedChannel, 40 + row, pwm};
    QCOMPARE(link.records[1], expected);
    QCOMPARE(link.records[0], other);
    QVERIFY(link.sentWith("!SETI").isEmpty()); // the main window sends the configuration, not this one

    const QByteArray seti = wire::configurationPacket(link.records[1]);
    QCOMPARE(quint8(seti[37 + row]), quint8(savedNet & 0xFF));
    QCOMPARE(quint8(seti[45 + row]), quint8(savedUniverse & 0xFF));
    QCOMPARE(quint8(seti[53 + 2 * row]), quint8((savedChannel >> 8) & 0xFF));
    QCOMPARE(quint8(seti[54 + 2 * row]), quint8(savedChannel & 0xFF));
    QCOMPARE(quint8(seti[74 + row]), quint8(pwm ? 1 : 0));
}

void TestSetupOutput::rowsAfterShowing() {
    FakeLink link;
    link.records[0] = records::outputs();
    TfSetupOutput w(&link);
    QCOMPARE(w.windowTitle(), QStringLiteral("Zentri output setup"));
    for (int round = 0; round < 2; ++round) {
        w.show();
        const char *const labels[8] = {"Label28", "Label21", "Label22", "Label23",
                                       "Label24", "Label25", "Label26", "Label27"};
        QCOMPARE(child<QLabel>(w, QLatin1String(labels[0]))->text(), QStringLiteral("All"));
        QVERIFY(child<QLabel>(w, QLatin1String(labels[0]))->isVisible());
        for (int r = 1; r <= 8; ++r) {
            const bool first = r == 1;
            QCOMPARE(child<QLabel>(w, QLatin1String(labels[r - 1]))->isVisible(), first);
            QCOMPARE(child<QComboBox>(w, name("cbxNET", r))->isVisible(), first);
            QCOMPARE(child<QComboBox>(w, name("cbxUniverse", r))->isVisible(), first);
            QVERIFY(child<QComboBox>(w, name("cbxChannel", r))->isVisible());
            QVERIFY(child<QCheckBox>(w, name("cbPWM", r - 1))->isVisible());
            QVERIFY(child<QCheckBox>(w, name("cbTest", r - 1))->isVisible());
        }
        child<QPushButton>(w, QStringLiteral("Button2"))->click();
    }
}

void TestSetupOutput::testSwitch_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("index");
    for (int row = 0; row < 8; ++row)
        QTest::addRow("row %d", row + 1) << row << 7 - row;
}

void TestSetupOutput::testSwitch() {
    QFETCH(int, row);
    QFETCH(int, index);
    FakeLink link(3);
    link.selectedIndex = 2;
    TfSetupOutput w(&link);
    w.show();
    QVERIFY(link.sent.isEmpty());
    auto *box = child<QCheckBox>(w, name("cbTest", row));
    box->click();
    box->click();
    QCOMPARE(link.sent.size(), 2);
    QCOMPARE(link.sent[0].data, bytes("!TEST", {0x20, index, 1}));
    QCOMPARE(link.sent[1].data, bytes("!TEST", {0x20, index, 0}));
    QCOMPARE(link.sent[0].device, 2);
    link.sent.clear();
    box->setChecked(true); // a program-made change counts like the user's
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("!TEST", {0x20, index, 1})});
    w.reject();
}

void TestSetupOutput::closing_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("Save & Close") << QStringLiteral("save") << int(ResultOk);
    QTest::newRow("Close") << QStringLiteral("close") << int(ResultCancel);
    QTest::newRow("close box") << QStringLiteral("box") << int(ResultCancel);
    QTest::newRow("Escape") << QStringLiteral("escape") << int(ResultCancel);
}

void TestSetupOutput::closing() {
    QFETCH(QString, way);
    QFETCH(int, result);
    FakeLink link(2);
    link.selectedIndex = 1;
    link.records[1] = records::outputs();
    const recUrzadzenia before = link.records[1];
    TfSetupOutput w(&link);
    w.show();
    child<QCheckBox>(w, name("cbTest", 0))->click();
    child<QCheckBox>(w, name("cbTest", 5))->click();
    child<QComboBox>(w, name("cbxChannel", 3))->setCurrentIndex(200);
    link.sent.clear();

    QElapsedTimer clock;
    clock.start();
    if (way == QLatin1String("save"))
        child<QPushButton>(w, QStringLiteral("btSaveClose"))->click();
    else if (way == QLatin1String("close"))
        child<QPushButton>(w, QStringLiteral("Button2"))->click();
    else if (way == QLatin1String("box"))
        w.close();
    else
        QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(clock.elapsed() >= 450); // eight pauses before the commands and one after
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), result);

    QVector<QByteArray> expected;
    for (int index = 0; index < 8; ++index)
        expected.append(bytes("!TEST", {0x20, index, 0}));
    QCOMPARE(link.sentWith(), expected); // the boxes cleared afterwards sent nothing more
    for (const SentDatagram &d : link.sent)
        QCOMPARE(d.device, 1);
    for (int row = 0; row < 8; ++row)
        QVERIFY(!child<QCheckBox>(w, name("cbTest", row))->isChecked());

    recUrzadzenia expectedRecord = before;
    if (result == ResultOk)
        expectedRecord.Output[2].Channel = 201;
    QCOMPARE(link.records[1], expectedRecord);

    // The next showing reloads the record, whatever was left in the controls.
    link.sent.clear();
    w.show();
    QCOMPARE(child<QComboBox>(w, name("cbxChannel", 3))->currentIndex(),
             expectedRecord.Output[2].Channel - 1);
    QVERIFY(link.sent.isEmpty());
    w.reject();
}

void TestSetupOutput::versionRestrictions_data() {
    QTest::addColumn<QList<int>>("versions");
    QTest::addColumn<bool>("artNet");
    QTest::newRow("Standard") << QList<int>{kModuleStandard} << false;
    QTest::newRow("Premium") << QList<int>{kModulePremium} << true;
    QTest::newRow("Premium after Standard") << QList<int>{kModuleStandard, kModulePremium} << true;
    QTest::newRow("not recognized after Standard") << QList<int>{kModuleStandard, 1} << true;
    QTest::newRow("Standard after Premium") << QList<int>{kModulePremium, kModuleStandard} << false;
}

void TestSetupOutput::versionRestrictions() {
    QFETCH(QList<int>, versions);
    QFETCH(bool, artNet);
    FakeLink link(int(versions.size()));
    TfSetupOutput w(&link);
    showForEachVersion(w, link, versions, records::outputs());
    for (const char *label : {"Label20", "Label17", "Label18"})
        QCOMPARE(child<QLabel>(w, QLatin1String(label))->isEnabled(), artNet);
    for (const char *label : {"Label19", "Label5", "Label1"})
        QVERIFY(child<QLabel>(w, QLatin1String(label))->isEnabled());
    for (int r = 1; r <= 8; ++r) {
        QCOMPARE(child<QComboBox>(w, name("cbxNET", r))->isEnabled(), artNet);
        QCOMPARE(child<QComboBox>(w, name("cbxUniverse", r))->isEnabled(), artNet);
        QCOMPARE(child<QCheckBox>(w, name("cbPWM", r - 1))->isEnabled(), artNet);
        QVERIFY(child<QComboBox>(w, name("cbxChannel", r))->isEnabled());
        QVERIFY(child<QCheckBox>(w, name("cbTest", r - 1))->isEnabled());
    }

    // Disabled controls still give their loaded values back.
    const int last = int(versions.size()) - 1;
    recUrzadzenia expected = link.records[last];
    child<QPushButton>(w, QStringLiteral("btSaveClose"))->click();
    QCOMPARE(link.records[last], expected);
}

void TestSetupOutput::refusedTestOffStopsSequence() {
    FakeLink link;
    TfSetupOutput w(&link);
    w.show();
    link.refuseSends = true;
    child<QPushButton>(w, QStringLiteral("Button2"))->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("!TEST", {0x20, 0, 0})});
}

void TestSetupOutput::listPopupIsAboutTwentyRows_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("position"); // selected after typing and Return
    QTest::newRow("channel 300") << "cbxChannel01"
                                 << "300" << 299;
    QTest::newRow("channel 45") << "cbxChannel01"
                                << "45" << 44;
    QTest::newRow("NET 12") << "cbxNET01"
                            << "12" << 12;
    QTest::newRow("universe 200") << "cbxUniverse01"
                                  << "200" << 200;
}

// A long list opens a pop-up of about twenty rows that shows the selected item, and typing a number
// still selects it.
void TestSetupOutput::listPopupIsAboutTwentyRows() {
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(int, position);
    FakeLink link;
    link.records[0] = records::outputs();
    TfSetupOutput w(&link);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *box = child<QComboBox>(w, list);
    box->showPopup();
    QAbstractItemView *view = box->view();
    QTRY_VERIFY(view->isVisible());
    const int rows = view->viewport()->height() / view->sizeHintForRow(0);
    QVERIFY2(rows >= 15 && rows <= 21, qPrintable(QString::number(rows)));
    QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
    QTest::keyClicks(view, typed);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(box->currentIndex(), position);
    w.reject();
}

QTEST_MAIN(TestSetupOutput)
#include "tst_setup_output.moc"
