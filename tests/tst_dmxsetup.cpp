// DMX output setup window: loading and saving the DMX output's patch and blackout option.
#include "device/protocol.h"
#include "fakelink.h"
#include "records.h"
#include "setup/f_dmxsetup.h"
#include "testkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using namespace zentri;

class TestDmxSetup : public QObject {
    Q_OBJECT

private slots:
    void loadAndSave_data();
    void loadAndSave();
    void closeKeepsRecord_data();
    void closeKeepsRecord();
};

void TestDmxSetup::loadAndSave_data() {
    QTest::addColumn<int>("net");
    QTest::addColumn<int>("universe");
    QTest::addColumn<bool>("blackout");
    QTest::addColumn<int>("netPos");
    QTest::addColumn<int>("universePos");
    QTest::addColumn<int>("byte98");
    QTest::addColumn<int>("byte99");
    QTest::newRow("typical") << 1 << 2 << true << 1 << 2 << 1 << 2;
    QTest::newRow("bounds") << 0 << 255 << false << 0 << 255 << 0 << 255;
    QTest::newRow("NET 256") << 256 << 3 << true << -1 << 3 << 255 << 3;
    QTest::newRow("Universe -7") << 4 << -7 << false << 4 << -1 << 4 << 255;
}

void TestDmxSetup::loadAndSave() {
    QFETCH(int, net);
    QFETCH(int, universe);
    QFETCH(bool, blackout);
    QFETCH(int, netPos);
    QFETCH(int, universePos);
    FakeLink link(2);
    link.selectedIndex = 1;
    link.records[1] = records::dmx();
    link.records[1].dmx = {net, universe};
    link.records[1].blackoutAtEndOfTheShow = blackout;
    TfDMXSetup w(&link);
    QCOMPARE(w.windowTitle(), QStringLiteral("Zentri DMX setup"));
    QCOMPARE(child<QCheckBox>(w, "cbBlackout")->text(),
             QStringLiteral("blackout when there is no input signal"));
    w.show();
    QCOMPARE(child<QComboBox>(w, "cbxNET")->currentIndex(), netPos);
    QCOMPARE(child<QComboBox>(w, "cbxUniverse")->currentIndex(), universePos);
    QCOMPARE(child<QCheckBox>(w, "cbBlackout")->isChecked(), blackout);

    child<QPushButton>(w, "btSaveClose")->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(ResultOk));
    recUrzadzenia expected = records::dmx();
    expected.dmx = {netPos, universePos};
    expected.blackoutAtEndOfTheShow = blackout;
    QCOMPARE(link.records[1], expected);
    QVERIFY(link.sent.isEmpty());

    QFETCH(int, byte98);
    QFETCH(int, byte99);
    const QByteArray seti = wire::configurationPacket(link.records[1]);
    QCOMPARE(int(quint8(seti[98])), byte98);
    QCOMPARE(int(quint8(seti[99])), byte99);
    QCOMPARE(int(quint8(seti[137])), blackout ? 1 : 0);

    // The box toggles from its whole caption, not only from the square.
    w.show();
    auto *box = child<QCheckBox>(w, "cbBlackout");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
    QCOMPARE(box->isChecked(), !blackout);
    w.reject();
}

void TestDmxSetup::closeKeepsRecord_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Close") << QStringLiteral("close");
    QTest::newRow("close box") << QStringLiteral("box");
    QTest::newRow("Escape") << QStringLiteral("escape");
}

void TestDmxSetup::closeKeepsRecord() {
    QFETCH(QString, way);
    FakeLink link;
    link.records[0] = records::dmx();
    TfDMXSetup w(&link);
    w.show();
    child<QComboBox>(w, "cbxNET")->setCurrentIndex(200);
    child<QComboBox>(w, "cbxUniverse")->setCurrentIndex(-1);
    child<QCheckBox>(w, "cbBlackout")->setChecked(false);
    if (way == QLatin1String("close"))
        child<QPushButton>(w, "Button2")->click();
    else if (way == QLatin1String("box"))
        w.close();
    else
        QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(ResultCancel));
    QCOMPARE(link.records[0], records::dmx());
    QVERIFY(link.sent.isEmpty());

    // The next showing displays the record again.
    w.show();
    QCOMPARE(child<QComboBox>(w, "cbxNET")->currentIndex(), 12);
    QCOMPARE(child<QComboBox>(w, "cbxUniverse")->currentIndex(), 34);
    QVERIFY(child<QCheckBox>(w, "cbBlackout")->isChecked());
    w.reject();
}

QTEST_MAIN(TestDmxSetup)
#include "tst_dmxsetup.moc"
