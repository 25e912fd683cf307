// Trigger setup window: loading and saving the inputs, the show rule, the enable rule, the Standard
// restrictions and the live test and volume commands.
#include "device/protocol.h"
#include "fakelink.h"
#include "records.h"
#include "setup/setup_input.h"
#include "testkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

using namespace zentri;

namespace {

QString fileListName(int row) {
    return name(row == 1 ? "cbxFile" : "cbxfile", row);
}

} // namespace

class TestSetupInput : public QObject {
    Q_OBJECT

    void save(QWidget &w) { child<QPushButton>(w, QStringLiteral("btSaveClose"))->click(); }

private slots:
    void loadAndSave_data();
    void loadAndSave();
    void deviceWideFields_data();
    void deviceWideFields();
    void showRule_data();
    void showRule();
    void enableRule_data();
    void enableRule();
    void versionRestrictions_data();
    void versionRestrictions();
    void rowsAfterShowing();
    void liveCommands_data();
    void liveCommands();
    void showingSendsChangedVolumesAndTestsOff();
    void closeSendsTestEnd_data();
    void closeSendsTestEnd();
};

void TestSetupInput::loadAndSave_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("fields");    // NET, Universe, Channel, Function, Catalog, File, Volume
    QTest::addColumn<QList<int>>("positions"); // list positions, slider position
    QTest::addColumn<QList<int>>("saved");

    QTest::newRow("row 1 in range") << 0 << QList<int>{1, 2, 3, 2, 4, 5, 6} << QList<int>{1, 2, 2, 2, 3, 4, 6}
                                    << QList<int>{1, 2, 3, 2, 4, 5, 6};
    QTest::newRow("row 8 upper bounds")
        << 7 << QList<int>{255, 255, 512, 7, 99, 255, 255} << QList<int>{255, 255, 511, 7, 98, 254, 255}
        << QList<int>{255, 255, 512, 7, 99, 255, 255};
    QTest::newRow("row 5 lower bounds") << 4 << QList<int>{0, 0, 1, 0, 1, 1, 0}
                                        << QList<int>{0, 0, 0, 0, 0, 0, 0} << QList<int>{0, 0, 1, 0, 1, 1, 0};
    QTest::newRow("zero channel, catalog, file")
        << 2 << QList<int>{5, 5, 0, 1, 0, 0, 9} << QList<int>{5, 5, -1, 1, -1, -1, 9}
        << QList<int>{5, 5, 0, 1, 0, 0, 9};
    QTest::newRow("beyond the lists")
        << 5 << QList<int>{256, 300, 513, 12, 100, 256, 300} << QList<int>{-1, -1, -1, -1, -1, -1, 255}
        << QList<int>{-1, -1, 0, -1, 0, 0, 255};
    QTest::newRow("negative values") << 1 << QList<int>{-1, -2, -3, -4, -5, -6, -7}
                                     << QList<int>{-1, -1, -1, -1, -1, -1, 0}
                                     << QList<int>{-1, -1, 0, -1, 0, 0, 0};
}

void TestSetupInput::loadAndSave() {
    QFETCH(int, row);
    QFETCH(QList<int>, fields);
    QFETCH(QList<int>, positions);
    QFETCH(QList<int>, saved);
    FakeLink link(2);
    link.selectedIndex = 1;
    link.records[1] = records::triggers();
    link.records[1].Trigger[row] = {fields[0], fields[1], fields[2], fields[3],
                                    fields[4], fields[5], fields[6]};

    TfSetupInput w(&link);
    w.show();
    const int r = row + 1;
    QCOMPARE(child<QComboBox>(w, name("cbxNET", r))->currentIndex(), positions[0]);
    QCOMPARE(child<QComboBox>(w, name("cbxUniverse", r))->currentIndex(), positions[1]);
    QCOMPARE(child<QComboBox>(w, name("cbxChannel", r))->currentIndex(), positions[2]);
    QCOMPARE(child<QComboBox>(w, name("cbxFunction", r))->currentIndex(), positions[3]);
    QCOMPARE(child<QComboBox>(w, name("cbxCatalog", r))->currentIndex(), positions[4]);
    QCOMPARE(child<QComboBox>(w, fileListName(r))->currentIndex(), positions[5]);
    QCOMPARE(child<QSlider>(w, name("tbVolume", r))->value(), positions[6]);

    MessageCatcher messages;
    save(w);
    QCOMPARE(messages.texts, QStringList{});
    QCOMPARE(w.result(), int(ResultOk));
    recUrzadzenia expected = records::triggers();
    expected.Trigger[row] = {saved[0], saved[1], saved[2], saved[3], saved[4], saved[5], saved[6]};
    QCOMPARE(link.records[1], expected);
    QVERIFY(link.sentWith("!SETI").isEmpty());

    const QByteArray seti = wire::configurationPacket(link.records[1]);
    QCOMPARE(quint8(seti[5 + row]), quint8(saved[0] & 0xFF));
    QCOMPARE(quint8(seti[13 + row]), quint8(saved[1] & 0xFF));
    QCOMPARE(quint8(seti[21 + 2 * row]), quint8((saved[2] >> 8) & 0xFF));
    QCOMPARE(quint8(seti[22 + 2 * row]), quint8(saved[2] & 0xFF));
    QCOMPARE(quint8(seti[100 + row]), quint8(saved[3] & 0xFF));
    QCOMPARE(quint8(seti[108 + row]), quint8(saved[4] & 0xFF));
    QCOMPARE(quint8(seti[116 + row]), quint8(saved[5] & 0xFF));
    QCOMPARE(quint8(seti[125 + row]), quint8(saved[6] & 0xFF));
}

void TestSetupInput::deviceWideFields_data() {
    QTest::addColumn<QList<int>>("ip");
    QTest::addColumn<bool>("option");
    QTest::addColumn<int>("playAfterPowerOn");
    QTest::addColumn<int>("checkedRadio"); // -1: none
    QTest::addColumn<QList<int>>("savedIp");
    QTest::addColumn<int>("savedPlay");

    QTest::newRow("typical") << QList<int>{192, 168, 0, 10} << true << 0 << 0 << QList<int>{192, 168, 0, 10}
                             << 0;
    QTest::newRow("input 8 plays") << QList<int>{0, 0, 0, 0} << false << 8 << 8 << QList<int>{0, 0, 0, 0}
                                   << 8;
    QTest::newRow("octets out of range")
        << QList<int>{256, -1, 255, 1000} << true << 4 << 4 << QList<int>{-1, -1, 255, -1} << 4;
    QTest::newRow("play 9 checks nothing")
        << QList<int>{1, 2, 3, 4} << false << 9 << -1 << QList<int>{1, 2, 3, 4} << 9;
    QTest::newRow("play -1 checks nothing")
        << QList<int>{1, 2, 3, 4} << false << -1 << -1 << QList<int>{1, 2, 3, 4} << -1;
}

void TestSetupInput::deviceWideFields() {
    QFETCH(QList<int>, ip);
    QFETCH(bool, option);
    QFETCH(int, playAfterPowerOn);
    QFETCH(int, checkedRadio);
    QFETCH(QList<int>, savedIp);
    QFETCH(int, savedPlay);
    FakeLink link;
    recUrzadzenia &rec = link.records[0];
    rec = records::triggers();
    rec.DestinationIP = {ip[0], ip[1], ip[2], ip[3], 77};
    rec.TriggerButtonPlayMode = option;
    rec.playAfterPowerOn = playAfterPowerOn;

    TfSetupInput w(&link);
    w.show();
    const char *const ipLists[4] = {"cbxIPA", "cbxIPB", "cbxIPC", "cbxIPD"};
    for (int k = 0; k < 4; ++k)
        QCOMPARE(child<QComboBox>(w, QLatin1String(ipLists[k]))->currentIndex(), savedIp[k]);
    QCOMPARE(child<QCheckBox>(w, QStringLiteral("cbOption01"))->isChecked(), option);
    for (int k = 0; k <= 8; ++k)
        QCOMPARE(child<QRadioButton>(w, QStringLiteral("rb%1").arg(k))->isChecked(), k == checkedRadio);

    save(w);
    QCOMPARE(w.result(), int(ResultOk));
    recUrzadzenia expected = records::triggers();
    expected.DestinationIP = {savedIp[0], savedIp[1], savedIp[2], savedIp[3], 77};
    expected.TriggerButtonPlayMode = option;
    expected.playAfterPowerOn = savedPlay;
    QCOMPARE(rec, expected);

    const QByteArray seti = wire::configurationPacket(rec);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(quint8(seti[70 + k]), quint8(savedIp[k] & 0xFF));
    QCOMPARE(quint8(seti[124]), quint8(option ? 1 : 0));
    QCOMPARE(quint8(seti[135]), quint8(savedPlay & 0xFF));

    // The radio buttons are one group: checking another clears the first and is what gets saved.
    w.show();
    child<QRadioButton>(w, QStringLiteral("rb6"))->click();
    child<QRadioButton>(w, QStringLiteral("rb2"))->click();
    int checked = 0;
    for (int k = 0; k <= 8; ++k)
        checked += child<QRadioButton>(w, QStringLiteral("rb%1").arg(k))->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
    save(w);
    QCOMPARE(rec.playAfterPowerOn, 2);

    // Shown next for a device whose value no button stands for: the last showing's button goes off,
    // and saving keeps the device's own value.
    FakeLink two(2);
    two.records[0] = two.records[1] = records::triggers();
    two.records[0].playAfterPowerOn = 5;
    two.records[1].playAfterPowerOn = 12;
    TfSetupInput again(&two);
    again.show();
    QVERIFY(child<QRadioButton>(again, QStringLiteral("rb5"))->isChecked());
    again.reject();
    two.selectedIndex = 1;
    again.show();
    for (int k = 0; k <= 8; ++k)
        QVERIFY2(!child<QRadioButton>(again, QStringLiteral("rb%1").arg(k))->isChecked(),
                 qPrintable(QString::number(k)));
    save(again);
    QCOMPARE(two.records[1].playAfterPowerOn, 12);
}

void TestSetupInput::showRule_data() {
    QTest::addColumn<QList<int>>("functions"); // list positions chosen before saving, rows 1..8
    QTest::addColumn<bool>("refused");
    QTest::newRow("Show 5 in row 1") << QList<int>{8, 0, 0, 0, 0, 0, 0, 0} << true;
    QTest::newRow("Show 6 in row 4") << QList<int>{1, 2, 3, 9, 0, 0, 0, 0} << true;
    QTest::newRow("Show 7 in row 6") << QList<int>{0, 0, 0, 0, 0, 10, 0, 0} << true;
    QTest::newRow("Show 8 in row 8") << QList<int>{0, 0, 0, 0, 0, 0, 0, 11} << true;
    QTest::newRow("Show 4 everywhere") << QList<int>{7, 7, 7, 7, 7, 7, 7, 7} << false;
    QTest::newRow("Shows 1 to 4 and the rest") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << false;
    QTest::newRow("no selection passes") << QList<int>{-1, -1, 2, 2, 2, 2, 2, 2} << false;
}

void TestSetupInput::showRule() {
    QFETCH(QList<int>, functions);
    QFETCH(bool, refused);
    FakeLink link;
    link.records[0] = records::triggers();
    const recUrzadzenia before = link.records[0];
    TfSetupInput w(&link);
    w.show();
    for (int r = 1; r <= 8; ++r)
        child<QComboBox>(w, name("cbxFunction", r))->setCurrentIndex(functions[r - 1]);
    // Edits the refusal still keeps.
    child<QComboBox>(w, QStringLiteral("cbxIPD"))->setCurrentIndex(99);
    child<QComboBox>(w, name("cbxCatalog", 2))->setCurrentIndex(41);
    child<QComboBox>(w, name("cbxChannel", 3))->setCurrentIndex(299);
    child<QCheckBox>(w, QStringLiteral("cbOption01"))->setChecked(false);
    child<QRadioButton>(w, QStringLiteral("rb7"))->setChecked(true);
    link.sent.clear();

    MessageCatcher messages;
    save(w);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(refused ? ResultNo : ResultOk));
    QCOMPARE(messages.texts,
             refused ? QStringList{QStringLiteral("In the ZOZEZER show module version 5-8 are unavailable\r\n"
                                                  "Please correct")}
                     : QStringList{});
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("!TEST", {0, 0, 0})}); // never "!SETI"

    recUrzadzenia expected = before;
    expected.DestinationIP[3] = 99;
    expected.Trigger[1].Catalog = 42;
    expected.Trigger[2].Channel = 300;
    expected.TriggerButtonPlayMode = false;
    expected.playAfterPowerOn = 7;
    if (!refused)
        for (int i = 0; i < 8; ++i)
            expected.Trigger[i].Function = functions[i];
    QCOMPARE(link.records[0], expected);
}

void TestSetupInput::enableRule_data() {
    QTest::addColumn<int>("function");
    QTest::addColumn<bool>("channel");
    QTest::addColumn<bool>("play");
    QTest::newRow("none") << 0 << false << false;
    QTest::newRow("Trigger") << 1 << true << false;
    QTest::newRow("Play") << 2 << false << true;
    QTest::newRow("Stop") << 3 << false << false;
    QTest::newRow("Show 1") << 4 << false << false;
    QTest::newRow("Show 8") << 11 << false << false;
    QTest::newRow("no selection") << -1 << false << false;
}

void TestSetupInput::enableRule() {
    QFETCH(int, function);
    QFETCH(bool, channel);
    QFETCH(bool, play);
    auto check = [&](TfSetupInput &w, int r, bool channelOn, bool playOn) {
        QCOMPARE(child<QComboBox>(w, name("cbxChannel", r))->isEnabled(), channelOn);
        QCOMPARE(child<QComboBox>(w, name("cbxCatalog", r))->isEnabled(), playOn);
        QCOMPARE(child<QComboBox>(w, fileListName(r))->isEnabled(), playOn);
        QCOMPARE(child<QSlider>(w, name("tbVolume", r))->isEnabled(), playOn);
        QVERIFY(child<QComboBox>(w, name("cbxFunction", r))->isEnabled());
        QVERIFY(child<QCheckBox>(w, name("cbTest", r - 1))->isEnabled());
    };
    FakeLink link;
    link.records[0] = records::triggers();
    for (int i = 0; i < 8; ++i)
        link.records[0].Trigger[i].Function = (i + 2) % 4; // never the function under test in row 4
    link.records[0].Trigger[3].Function = function;
    TfSetupInput w(&link);
    w.show();
    check(w, 4, channel, play); // at showing
    // On a change in another row, only that row follows.
    auto *list = child<QComboBox>(w, name("cbxFunction", 6));
    list->setCurrentIndex(function);
    check(w, 6, channel, play);
    check(w, 4, channel, play);
    list->setCurrentIndex(function == 2 ? 1 : 2);
    check(w, 6, function == 2, function != 2);
    w.reject();
}

void TestSetupInput::versionRestrictions_data() {
    QTest::addColumn<QList<int>>("versions");
    QTest::addColumn<bool>("artNet");
    QTest::newRow("Standard") << QList<int>{kModuleStandard} << false;
    QTest::newRow("Premium") << QList<int>{kModulePremium} << true;
    QTest::newRow("Premium after Standard") << QList<int>{kModuleStandard, kModulePremium} << true;
    QTest::newRow("not recognized after Standard") << QList<int>{kModuleStandard, 255} << true;
    QTest::newRow("Standard after Premium") << QList<int>{kModulePremium, kModuleStandard} << false;
}

void TestSetupInput::versionRestrictions() {
    QFETCH(QList<int>, versions);
    QFETCH(bool, artNet);
    FakeLink link(int(versions.size()));
    TfSetupInput w(&link);
    showForEachVersion(w, link, versions, records::triggers());
    for (const char *label : {"Label1", "Label2", "Label4"})
        QCOMPARE(child<QLabel>(w, QLatin1String(label))->isEnabled(), artNet);
    for (int r = 1; r <= 8; ++r) {
        QCOMPARE(child<QComboBox>(w, name("cbxNET", r))->isEnabled(), artNet);
        QCOMPARE(child<QComboBox>(w, name("cbxUniverse", r))->isEnabled(), artNet);
    }
    for (const char *list : {"cbxIPA", "cbxIPB", "cbxIPC", "cbxIPD"})
        QVERIFY(child<QComboBox>(w, QLatin1String(list))->isEnabled());

    // Disabled lists still give their loaded values back.
    const int last = int(versions.size()) - 1;
    const recUrzadzenia expected = link.records[last];
    save(w);
    QCOMPARE(link.records[last], expected);
}

void TestSetupInput::rowsAfterShowing() {
    FakeLink link;
    link.records[0] = records::triggers();
    TfSetupInput w(&link);
    QCOMPARE(w.windowTitle(), QStringLiteral("Zentri input setup"));
    QCOMPARE(child<QLabel>(w, QStringLiteral("Label4"))->text(), QStringLiteral("Trigger 1:"));
    w.show();
    const char *const labels[8] = {"Label4", "Label6",  "Label7",  "Label8",
                                   "Label9", "Label10", "Label11", "Label12"};
    QCOMPARE(child<QLabel>(w, QLatin1String(labels[0]))->text(), QStringLiteral("All"));
    for (int r = 1; r <= 8; ++r) {
        const bool first = r == 1;
        QCOMPARE(child<QLabel>(w, QLatin1String(labels[r - 1]))->isVisible(), first);
        QCOMPARE(child<QComboBox>(w, name("cbxNET", r))->isVisible(), first);
        QCOMPARE(child<QComboBox>(w, name("cbxUniverse", r))->isVisible(), first);
        for (const QString &list :
             {name("cbxChannel", r), name("cbxFunction", r), name("cbxCatalog", r), fileListName(r)})
            QVERIFY(child<QComboBox>(w, list)->isVisible());
    }
    QVERIFY(child<QRadioButton>(w, QStringLiteral("rb0"))->isVisible());
    QCOMPARE(child<QComboBox>(w, name("cbxFunction", 1))->count(), 12);
    QCOMPARE(child<QComboBox>(w, name("cbxFunction", 1))->itemText(8), QStringLiteral("Show 5"));
    QCOMPARE(child<QComboBox>(w, name("cbxCatalog", 1))->itemText(0), QStringLiteral("01"));
    QCOMPARE(child<QComboBox>(w, fileListName(1))->itemText(254), QStringLiteral("255"));
    w.reject();
}

void TestSetupInput::liveCommands_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < 8; ++row)
        QTest::addRow("row %d", row + 1) << row;
}

void TestSetupInput::liveCommands() {
    QFETCH(int, row);
    FakeLink link(3);
    link.selectedIndex = 2;
    link.records[2] = records::triggers();
    TfSetupInput w(&link);
    w.show();
    link.sent.clear();

    auto *box = child<QCheckBox>(w, name("cbTest", row));
    box->click();
    box->click();
    QCOMPARE(link.sentWith(),
             (QVector<QByteArray>{bytes("!TEST", {0x10, row, 1}), bytes("!TEST", {0x10, row, 0})}));

    link.sent.clear();
    auto *slider = child<QSlider>(w, name("tbVolume", row + 1));
    slider->setValue(0);
    slider->setValue(255);
    slider->triggerAction(QAbstractSlider::SliderSingleStepSub); // as a user's key press
    QCOMPARE(link.sentWith(), (QVector<QByteArray>{bytes("SVOL", {row, 0}), bytes("SVOL", {row, 255}),
                                                   bytes("SVOL", {row, 254})}));
    for (const SentDatagram &d : link.sent)
        QCOMPARE(d.device, 2);

    // The live volume is not saved by "Close".
    child<QPushButton>(w, QStringLiteral("Button10"))->click();
    QCOMPARE(w.result(), int(ResultCancel));
    QCOMPARE(link.records[2], records::triggers());
}

void TestSetupInput::showingSendsChangedVolumesAndTestsOff() {
    FakeLink link(2);
    link.records[0] = records::triggers();
    link.records[1] = records::triggers();
    link.records[1].Trigger[2].Volume = 7;
    link.records[1].Trigger[6].Volume = 250;
    TfSetupInput w(&link);

    // First showing: the sliders start at 0, so each of the eight sample volumes goes out.
    w.show();
    QVector<QByteArray> expected;
    for (int i = 0; i < 8; ++i)
        expected.append(bytes("SVOL", {i, 50 + 10 * i}));
    QCOMPARE(link.sentWith("SVOL"), expected);
    QVERIFY(link.sentWith("!TEST").isEmpty());
    child<QCheckBox>(w, name("cbTest", 5))->click();
    w.reject();

    // Same record again: nothing moves, so nothing is sent but the left-over test going off.
    link.sent.clear();
    w.show();
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("!TEST", {0x10, 5, 0})});
    QVERIFY(!child<QCheckBox>(w, name("cbTest", 5))->isChecked());
    w.reject();

    // Another device: only its two different volumes go out, to that device.
    link.sent.clear();
    link.selectedIndex = 1;
    w.show();
    QCOMPARE(link.sentWith(), (QVector<QByteArray>{bytes("SVOL", {2, 7}), bytes("SVOL", {6, 250})}));
    for (const SentDatagram &d : link.sent)
        QCOMPARE(d.device, 1);
    w.reject();
}

void TestSetupInput::closeSendsTestEnd_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("Save & Close") << QStringLiteral("save") << int(ResultOk);
    QTest::newRow("Close") << QStringLiteral("close") << int(ResultCancel);
    QTest::newRow("close box") << QStringLiteral("box") << int(ResultCancel);
    QTest::newRow("Escape") << QStringLiteral("escape") << int(ResultCancel);
}

void TestSetupInput::closeSendsTestEnd() {
    QFETCH(QString, way);
    QFETCH(int, result);
    FakeLink link;
    link.records[0] = records::triggers();
    TfSetupInput w(&link);
    w.show();
    child<QComboBox>(w, name("cbxFile", 1))->setCurrentIndex(9);
    link.sent.clear();
    if (way == QLatin1String("save"))
        save(w);
    else if (way == QLatin1String("close"))
        child<QPushButton>(w, QStringLiteral("Button10"))->click();
    else if (way == QLatin1String("box"))
        w.close();
    else
        QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), result);
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("!TEST", {0, 0, 0})});
    QCOMPARE(link.records[0].Trigger[0].File, result == ResultOk ? 10 : records::triggers().Trigger[0].File);
}

QTEST_MAIN(TestSetupInput)
#include "tst_setup_input.moc"
