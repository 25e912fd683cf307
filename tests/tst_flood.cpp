// Floods the four listening ports with hostile datagrams while the windows that own them are open:
// random bytes, truncated layouts, right keywords with wrong lengths and oversized datagrams, with
// valid replies among them. The program must survive, handle every valid reply and keep its GUI
// responsive.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "device/protocol.h"
#include "device/udp.h"
#include "fakedevice.h"
#include "setup/setup_audio.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "testkit.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>
#include <arpa/inet.h>
#include <array>
#include <atomic>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace zentri;

namespace {

constexpr int kPerPort = 100000;
constexpr int kValidEvery = 40;   // one valid reply among this many datagrams
constexpr quint64 kInFlight = 16; // datagrams sent but not yet taken from a socket, per port
constexpr int kReceiveLimit = wire::kReceiveBufferSize; // what a listener reads of one datagram
constexpr int kOversizedMax = 9000;                     // beyond the read limit, still one datagram
constexpr int kResponsiveMs = 500; // longest the GUI thread may go without running its timer
const char *const kDeviceAddress = "127.0.0.2";

enum Port { Main, LiveRecord, Audio, Cue, PortCount };
constexpr std::array<quint16, PortCount> kPorts{wire::kMainPort, wire::kLiveRecordPort, wire::kAudioPort,
                                                wire::kCuePort};

// The state the valid replies of the flood must leave behind, replayed from what was sent.
struct Expected {
    QStringList rowNames; // newest first
    int sdCard = -1;      // -1: no SD card reply sent
    int selectedShow = 0;
    QString recorderStatus;
    std::array<bool, 256> showPresent{};
    std::array<int32_t, 256> showLength{};
    int volume = -1;
    std::array<QString, wire::kCueCount> cueName{};
    std::array<QByteArray, wire::kCueCount> cueValues{};
};

class Flood {
public:
    explicit Flood(quint32 seed) : rng_(seed) {}

    // The next datagram for `port`; valid ones update `expected`.
    QByteArray next(Port port, Expected &e) {
        ++count_[port];
        if (count_[port] % kValidEvery == 0)
            return maybeOversized(valid(port, e));
        const quint32 kind = rng_.bounded(100);
        if (kind < 40)
            return randomBytes();
        if (kind < 70) { // a layout cut short
            const QByteArray whole = validShape(port);
            return whole.left(static_cast<int>(rng_.bounded(static_cast<quint32>(shortest(whole)))));
        }
        if (kind < 97) { // the right keyword, then random bytes, shorter than its layout
            const QByteArray whole = validShape(port);
            const QByteArray word = keywordOf(whole);
            if (shortest(whole) == word.size())
                return word.left(word.size() - 1);
            return word + random(static_cast<int>(
                              rng_.bounded(static_cast<quint32>(shortest(whole) - word.size()))));
        }
        QByteArray junk = randomBytes();
        return junk + random(oversizedLength() - junk.size());
    }
    int validCount() const { return valid_; }

private:
    QByteArray random(int size) {
        std::vector<quint32> words(static_cast<size_t>(size + 3) / 4);
        rng_.fillRange(words.data(), static_cast<qsizetype>(words.size()));
        return QByteArray(reinterpret_cast<const char *>(words.data()), size);
    }
    int oversizedLength() {
        return kReceiveLimit + 1 + static_cast<int>(rng_.bounded(kOversizedMax - kReceiveLimit));
    }
    // Random bytes that begin with no reply's letter.
    QByteArray randomBytes() {
        const quint32 r = rng_.bounded(100);
        const int size = static_cast<int>(r < 70   ? rng_.bounded(65)
                                          : r < 97 ? rng_.bounded(1024)
                                                   : rng_.bounded(kReceiveLimit + 1));
        QByteArray b = random(size);
        while (!b.isEmpty() && QByteArray("APsap").contains(b[0]))
            b[0] = static_cast<char>(rng_.bounded(256));
        return b;
    }
    QByteArray maybeOversized(const QByteArray &datagram) {
        if (rng_.bounded(20) != 0)
            return datagram;
        return datagram + random(oversizedLength() - datagram.size());
    }
    static QByteArray keywordOf(const QByteArray &datagram) {
        for (const char *word :
             {"AGETI", "achkSD", "Pcnt", "setShow", "showPss", "playStop", "AShowInfo", "aMVol", "ACUERD"})
            if (datagram.startsWith(word))
                return QByteArray(word);
        return {};
    }
    // The shortest a reply of this word may be.
    static int shortest(const QByteArray &datagram) {
        return datagram.startsWith("playStop") ? 8 : datagram.size();
    }

    // A reply of the port's layouts with random values, not counted as valid.
    QByteArray validShape(Port port) {
        Expected scratch;
        return valid(port, scratch, false);
    }

    QByteArray valid(Port port, Expected &e, bool counts = true) {
        if (counts)
            ++valid_;
        const int n = valid_;
        switch (port) {
        case Main: {
            if (rng_.bounded(5) == 0) {
                const bool present = rng_.bounded(2);
                e.sdCard = present;
                return wire::sdCardReply(present);
            }
            // Every field random, but a name that tells the rows apart.
            QByteArray reply = "AGETI" + random(wire::kInfoReplySize - 5);
            const QByteArray name = "Flood " + QByteArray::number(n);
            reply.replace(8, name.size() + 1, name + '\0');
            e.rowNames.prepend(QString::fromLatin1(name));
            return reply;
        }
        case LiveRecord:
            switch (rng_.bounded(5)) {
            case 0: {
                const auto packets = static_cast<int32_t>(rng_.generate());
                e.recorderStatus = QStringLiteral("Incoming packets: %1").arg(packets);
                return wire::packetCountReply(packets);
            }
            case 1: {
                const int show = static_cast<int>(rng_.bounded(256));
                e.selectedShow = show;
                e.recorderStatus = QStringLiteral("Set show: %1").arg(show);
                return wire::setShowReply(show);
            }
            case 2:
                return wire::showPositionReply(static_cast<int32_t>(rng_.generate()),
                                               static_cast<int32_t>(rng_.generate()));
            case 3:
                return wire::playStopReply();
            default: {
                const int show = static_cast<int>(rng_.bounded(256));
                const bool present = rng_.bounded(2);
                const auto length = static_cast<int32_t>(rng_.generate());
                e.showPresent[show] = present;
                e.showLength[show] = length;
                return wire::showInfoReply(show, present, length);
            }
            }
        case Audio: {
            const int volume = static_cast<int>(rng_.bounded(256));
            e.volume = volume;
            return wire::masterVolumeReply(volume);
        }
        default: {
            const int cue = static_cast<int>(rng_.bounded(256)); // 0 and 101..255 are refused
            const QByteArray name = random(static_cast<int>(rng_.bounded(65)));
            const QByteArray values = random(wire::kCueChannels);
            if (cue >= 1 && cue <= wire::kCueCount) {
                QString text;
                for (int i = 0; i < 64; ++i)
                    text += QChar(i < name.size() ? static_cast<uchar>(name[i]) : 0);
                e.cueName[cue - 1] = wire::trimControl(text);
                e.cueValues[cue - 1] = values;
            }
            return wire::cueReply(cue, name, values);
        }
        }
    }

    QRandomGenerator rng_;
    std::array<int, PortCount> count_{};
    int valid_ = 0;
};

int udpSocket(const char *address) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    ::inet_pton(AF_INET, address, &a.sin_addr);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0)
        qFatal("cannot make a socket on %s", address);
    return fd;
}

} // namespace

class TestFlood : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_FREE_PORTS(kListeningPorts); }
    void everyValidReplySurvivesTheFlood();
};

void TestFlood::everyValidReplySurvivesTheFlood() {
    Windows windows;
    TMainForm &main = *windows.MainForm;
    main.setDiscoveryAddress(QHostAddress(QStringLiteral("127.0.0.1")));
    main.show();
    main.findDevices();
    QVERIFY(main.listener()->isOpen());

    // The device every window works on, on 127.0.0.2: it answers the discovery and takes whatever the
    // windows send it.
    Expected expected;
    FakeDevice device(QString::fromLatin1(kDeviceAddress));
    recUrzadzenia rec;
    rec.Nazwa = QStringLiteral("Target");
    device.replyInfo(rec);
    QTRY_COMPARE(main.table()->rowCount(), 1);
    expected.rowNames << QStringLiteral("Target");

    windows.fSetupAudio->show();
    windows.fLiveButtonRecord->show();
    windows.fCue->show();
    std::array<UdpListener *, PortCount> listeners{main.listener(), windows.fLiveButtonRecord->listener(),
                                                   windows.fSetupAudio->listener(), windows.fCue->listener()};
    for (UdpListener *l : listeners)
        QVERIFY(l->isOpen());
    QTest::qWait(50); // the windows' own opening queries and their echoes settle
    std::array<quint64, PortCount> before{};
    for (int p = 0; p < PortCount; ++p) {
        listeners[p]->deliverPending();
        before[p] = listeners[p]->receivedCount();
    }

    Flood flood(20261209);
    std::atomic<bool> done{false}, gaveUp{false};
    std::atomic<int> sendErrors{0};
    std::thread sender([&] {
        const int fd = udpSocket("127.0.0.2");
        int size = 1 << 22;
        ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
        for (int i = 0; i < kPerPort; ++i) {
            for (int p = 0; p < PortCount; ++p) {
                // Stay within what the kernel buffer holds: the flood tests the program, not the kernel.
                QElapsedTimer wait;
                wait.start();
                while (listeners[p]->receivedCount() - before[p] + kInFlight < static_cast<quint64>(i)) {
                    if (wait.elapsed() > 10000) { // datagrams lost before the listener: give up
                        ::close(fd);
                        gaveUp = true;
                        return;
                    }
                    std::this_thread::yield();
                }
                sockaddr_in to{};
                to.sin_family = AF_INET;
                to.sin_port = htons(kPorts[p]);
                to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
                const QByteArray d = flood.next(static_cast<Port>(p), expected);
                if (::sendto(fd, d.constData(), static_cast<size_t>(d.size()), 0,
                             reinterpret_cast<sockaddr *>(&to), sizeof to) != d.size())
                    ++sendErrors;
            }
        }
        ::close(fd);
        done = true;
    });

    // The GUI thread's timer keeps its rhythm while the flood is handled.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longestGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(10);
    const auto allHandled = [&] {
        for (int p = 0; p < PortCount; ++p)
            if (listeners[p]->receivedCount() - before[p] < static_cast<quint64>(kPerPort) ||
                listeners[p]->pendingCount() > 0)
                return false;
        return true;
    };
    while (!gaveUp && !(done && allHandled()) && clock.elapsed() < 240000)
        QTest::qWait(5);
    tick.stop();
    sender.join();
    qInfo("%d datagrams (%d valid) handled in %lld ms; longest GUI timer gap %lld ms", kPerPort * PortCount,
          flood.validCount(), clock.elapsed(), longestGap);

    QVERIFY2(!gaveUp, "datagrams were lost before they reached a listener");
    QCOMPARE(sendErrors.load(), 0);
    for (int p = 0; p < PortCount; ++p) {
        QCOMPARE(listeners[p]->receivedCount() - before[p], static_cast<quint64>(kPerPort));
        QCOMPARE(listeners[p]->droppedCount(), 0ull);
    }
    QVERIFY2(longestGap < kResponsiveMs, qPrintable(QStringLiteral("GUI stalled %1 ms").arg(longestGap)));

    // Port 7800: every info reply listed, newest first; the SD card state of the last reply.
    DeviceTable &table = *main.table();
    QCOMPARE(table.rowCount(), expected.rowNames.size());
    QCOMPARE(main.devices().size(), expected.rowNames.size());
    for (int r = 0; r < table.rowCount(); ++r)
        QCOMPARE(table.row(r).fldNazwa, expected.rowNames[r]);
    if (expected.sdCard >= 0)
        QCOMPARE(main.findChild<QLabel *>(QStringLiteral("lbNoSdCard"))->text(),
                 expected.sdCard ? QStringLiteral("SD CARD OK") : QStringLiteral("NO SD CARD"));

    // Port 7801: the recorder's reports.
    TfLiveButtonRecord &live = *windows.fLiveButtonRecord;
    QCOMPARE(live.SelectedShow(), expected.selectedShow);
    QCOMPARE(live.statusText(), expected.recorderStatus);
    for (int show = 0; show < 256; ++show) {
        QCOMPARE(live.ShowPresent(show), expected.showPresent[show]);
        QCOMPARE(live.ShowLength(show), expected.showLength[show]);
    }
    QVERIFY(live.barPosition() >= 0 && live.barPosition() <= std::max(0, live.pb1->maximum()));

    // Port 7802: the slider stands where the last master volume reply put it.
    QCOMPARE(windows.fSetupAudio->findChild<QSlider *>(QStringLiteral("tb1"))->value(), expected.volume);

    // Port 7803: each cue as its last reply left it.
    TfCue &cue = *windows.fCue;
    for (int k = 1; k <= wire::kCueCount; ++k) {
        if (expected.cueValues[k - 1].isEmpty())
            continue;
        QCOMPARE(cue.cueName(k), expected.cueName[k - 1]);
        for (int ch = 0; ch < wire::kCueChannels; ++ch)
            QCOMPARE(int(cue.aCue()[k - 1].DMX[ch]), int(static_cast<uchar>(expected.cueValues[k - 1][ch])));
    }

    windows.fCue->reject();
    windows.fLiveButtonRecord->reject();
    windows.fSetupAudio->reject();
}

QTEST_MAIN(TestFlood)
#include "tst_flood.moc"
