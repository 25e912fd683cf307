// Hostile values inside well-formed replies: every byte value 0..255 in the fields that select or
// count something, handed to the window that reads the reply. Nothing out of range may be touched and
// nothing absurd shown.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "device/protocol.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "testkit.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace zentri;

namespace {

bool matches(const QString &text, const char *pattern) {
    return QRegularExpression(QLatin1String(pattern)).match(text).hasMatch();
}

// A typical info reply of a Premium device.
QByteArray typicalInfoReply() {
    recUrzadzenia rec;
    rec.Nazwa = QStringLiteral("Stage left");
    rec.ZentriVersion = kModulePremium;
    for (int i = 0; i < 8; ++i) {
        rec.Output[i].Channel = i + 1;
        rec.Trigger[i].Channel = 20 + i;
    }
    return wire::infoReply(rec, 1, 1, 12, QByteArray::fromHex("001A2B3C4D5E"));
}

// A device record whose every byte after the reply's keyword is `value`.
recUrzadzenia recordOfBytes(int value) {
    const QByteArray d = "AGETI" + QByteArray(wire::kInfoReplySize - 5, static_cast<char>(value));
    return *wire::parseInfoReply(d, QStringLiteral("127.0.0.2"));
}

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kSilver(192, 192, 192);

} // namespace

class TestHostile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_FREE_PORTS(kListeningPorts); }
    void infoReplyBytes_data();
    void infoReplyBytes();
    void configurationWindowsWithEveryFieldTheSameByte_data();
    void configurationWindowsWithEveryFieldTheSameByte();
    void recorderReplyBytes_data();
    void recorderReplyBytes();
    void cueReplyBytes_data();
    void cueReplyBytes();
};

void TestHostile::infoReplyBytes_data() {
    QTest::addColumn<int>("offset");
    QTest::newRow("equipment") << 5;
    QTest::newRow("firmware major") << 6;
    QTest::newRow("firmware minor") << 7;
    QTest::newRow("first name byte") << 8;
    QTest::newRow("last name byte") << 70;
    QTest::newRow("first MAC byte") << 73;
    QTest::newRow("last MAC byte") << 78;
    QTest::newRow("input select") << 111;
    QTest::newRow("module version") << 207;
    QTest::newRow("last byte") << 211;
}

void TestHostile::infoReplyBytes() {
    QFETCH(int, offset);
    Windows windows;
    TMainForm &main = *windows.MainForm;
    const QByteArray typical = typicalInfoReply();
    for (int v = 0; v < 256; ++v) {
        QByteArray d = typical;
        d[offset] = static_cast<char>(v);
        main.UDPsvrUDPRead(d, QHostAddress(QStringLiteral("127.0.0.2")));
        QCOMPARE(main.table()->rowCount(), v + 1);
        const DeviceRow &row = main.table()->row(0);
        QCOMPARE(row.fldrecID, v);
        QVERIFY2(matches(row.fldNazwa, "^[\\x01-\\x7f]{0,63}$"), qPrintable(row.fldNazwa));
        QVERIFY2(matches(row.fldMAC, "^([0-9A-F]{2}:){5}[0-9A-F]{2}$"), qPrintable(row.fldMAC));
        QVERIFY2(matches(row.fldFWVer, "^\\d{1,3}\\.\\d{1,3}$"), qPrintable(row.fldFWVer));
        QCOMPARE(row.fldIP, QStringLiteral("127.0.0.2"));
        const QString module = v == 0 && offset == 207     ? QStringLiteral("Standard")
                               : v != 254 && offset == 207 ? QStringLiteral("not recognized")
                                                           : QStringLiteral("Premium");
        QCOMPARE(row.fldZentriVersion, module);
        main.updateDeviceControls(
            main.devices()[main.getRecID()]); // the selected device's input radio buttons and DMX button
    }
}

void TestHostile::configurationWindowsWithEveryFieldTheSameByte_data() {
    QTest::addColumn<int>("value");
    for (int v : {0, 1, 99, 127, 128, 254, 255})
        QTest::addRow("%d", v) << v;
}

void TestHostile::configurationWindowsWithEveryFieldTheSameByte() {
    QFETCH(int, value);
    FakeLink link;
    link.records[0] = recordOfBytes(value);
    const recUrzadzenia original = link.records[0];
    TfSetupOutput output(&link);
    TfSetupInput input(&link);
    TfSetupAudio audio(&link);
    TfDMXSetup dmx(&link);
    for (QDialog *w : std::initializer_list<QDialog *>{&output, &input, &audio, &dmx}) {
        w->show();
        // Each list shows the value it has an item for, and no selection for any other.
        for (QComboBox *list : w->findChildren<QComboBox *>())
            QVERIFY2(list->currentIndex() >= -1 && list->currentIndex() < list->count(),
                     qPrintable(list->objectName()));
        for (QSlider *slider : w->findChildren<QSlider *>())
            QVERIFY(slider->value() >= slider->minimum() && slider->value() <= slider->maximum());
        w->reject();
        QCOMPARE(link.records[0], original); // "Close" leaves the record alone
    }
}

void TestHostile::recorderReplyBytes_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("offset");
    QTest::newRow("set show: number") << wire::setShowReply(1) << 7;
    QTest::newRow("show info: number") << wire::showInfoReply(1, true, 20480) << 9;
    QTest::newRow("show info: present") << wire::showInfoReply(1, true, 20480) << 10;
    QTest::newRow("show info: length high byte") << wire::showInfoReply(2, true, 20480) << 11;
    QTest::newRow("show info: length low byte") << wire::showInfoReply(2, true, 20480) << 14;
    QTest::newRow("packets: high byte") << wire::packetCountReply(5) << 4;
    QTest::newRow("position: total high byte") << wire::showPositionReply(204800, 20480) << 7;
    QTest::newRow("position: position high byte") << wire::showPositionReply(204800, 20480) << 11;
}

void TestHostile::recorderReplyBytes() {
    QFETCH(QByteArray, reply);
    QFETCH(int, offset);
    FakeLink link(2);
    link.records[0].ZentriVersion = kModulePremium;
    QWidget mainWindow;
    TfLiveButtonRecord w(&link, &mainWindow);
    w.show();
    const int sentAtOpening = link.sent.size();
    for (int v = 0; v < 256; ++v) {
        QByteArray d = reply;
        d[offset] = static_cast<char>(v);
        w.IdUDPServer1UDPRead(d, QHostAddress::LocalHost);
        QVERIFY(w.SelectedShow() >= 0 && w.SelectedShow() <= 255);
        QVERIFY(w.barPosition() >= 0 && w.barPosition() <= std::max(1, w.pb1->maximum()));
        QVERIFY(w.pb1->value() >= w.pb1->minimum() && w.pb1->value() <= w.pb1->maximum());
        QVERIFY2(matches(w.lbTime->text(), "^(\\d{2,}:[0-5]\\d:[0-5]\\d)?$"), qPrintable(w.lbTime->text()));
        QVERIFY2(matches(w.statusText(), "^((Incoming packets: -?\\d+)|(Set show: \\d{1,3}))?$"),
                 qPrintable(w.statusText()));
        for (int n = 1; n <= 8; ++n) {
            const QColor c = w.showPanel(n)->color();
            QVERIFY(c == kRed || c == kBlue || c == kSilver);
        }
    }
    QCOMPARE(link.sent.size(), sentAtOpening); // reports are never answered
    w.reject();
}

void TestHostile::cueReplyBytes_data() {
    QTest::addColumn<int>("offset");
    QTest::newRow("cue number") << 6;
    QTest::newRow("first name byte") << 7;
    QTest::newRow("last name byte") << 70;
    QTest::newRow("first value") << 128;
    QTest::newRow("last value") << 639;
}

void TestHostile::cueReplyBytes() {
    QFETCH(int, offset);
    FakeLink link;
    TfCue w(&link);
    const QByteArray typical = wire::cueReply(5, "Opening look", QByteArray(512, '\x10'));
    for (int v = 0; v < 256; ++v) {
        QByteArray d = typical;
        d[offset] = static_cast<char>(v);
        const auto before = w.aCue();
        w.IdUDPServer1UDPRead(d, QHostAddress::LocalHost);
        const int touched = offset == 6 ? v : 5;
        QCOMPARE(w.StringGrid1->rowCount(), wire::kCueCount);
        for (int k = 1; k <= wire::kCueCount; ++k) {
            if (k != touched) {
                QVERIFY(w.aCue()[k - 1].DMX == before[k - 1].DMX);
                continue;
            }
            const QString name = w.cueName(k);
            QVERIFY(name.size() <= 64);
            QVERIFY(name.isEmpty() || (name.front().unicode() > 32 && name.back().unicode() > 32));
            for (int ch = 0; ch < wire::kCueChannels; ++ch)
                QVERIFY(w.aCue()[k - 1].DMX[ch] >= 0 && w.aCue()[k - 1].DMX[ch] <= 255);
            if (offset >= 128)
                QCOMPARE(w.aCue()[k - 1].DMX[offset - 128], v);
        }
    }
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
