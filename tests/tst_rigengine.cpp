// The rig engine without a network: plans, the confirmation of what was sent (lost sends, lost
// answers, a device that never stores, one that answers late) and discovery rounds (repeated
// requests, merged answers, a real duplicate), on simulated devices and a clock of the test's own.
#include "device/configfile.h"
#include "device/fields.h"
#include "device/protocol.h"
#include "rig/confirmation.h"
#include "rig/engine.h"
#include "rig/plans.h"
#include "rig/round.h"

#include <QtTest>
#include <map>

using namespace zentri;

namespace {

recUrzadzenia box(int k) {
    recUrzadzenia r;
    r.Nazwa = QStringLiteral("Box %1").arg(k);
    r.MAC = QStringLiteral("02:5A:45:00:00:%1").arg(k, 2, 10, QLatin1Char('0'));
    r.IP = QStringLiteral("10.1.0.%1").arg(k);
    r.FWVer = QStringLiteral("1.12");
    r.ZentriVersion = kModulePremium;
    r.Output[3].Channel = 4;
    return r;
}

// A device on the simulated network: it answers a discovery request `delay` ms later, stores a
// "!SETI" from its `storesFrom`th on (0: never), and loses the datagrams whose numbers are listed
// (requests and replies counted apart, from 1).
struct SimDevice {
    recUrzadzenia record;
    QString broadcastFrom;            // the address its broadcast answer comes from (a second way in)
    int delay = 5;                    // ms
    int storesFrom = 1;               // the first "!SETI" it stores
    QList<int> lostSets, lostAnswers; // "!SETI" received, answers sent
    bool hearsBroadcast = true;
    int sets = 0, answers = 0;
};

class SimNetwork : public rig::Network {
public:
    std::vector<SimDevice> devices;
    QStringList log; // "T ask 10.1.0.2", "T send 10.1.0.2 <hex>", "T discover"
    qint64 now = 0;
    QSet<QString> refuse;                               // addresses the socket layer refuses
    QStringList sdAsked;                                // SD card questions not answered yet
    std::multimap<qint64, std::pair<int, QString>> due; // time -> device, sender address

    DiscoveryReport discover() override {
        log << QStringLiteral("%1 discover").arg(now);
        for (int d = 0; d < int(devices.size()); ++d)
            if (devices[d].hearsBroadcast) {
                reply(d, devices[d].record.IP);
                if (!devices[d].broadcastFrom.isEmpty())
                    reply(d, devices[d].broadcastFrom);
            }
        return {{QStringLiteral("sim")}, {}};
    }
    QVector<BroadcastInterface> broadcastWays() const override { return {}; }
    bool ask(const QHostAddress &to, QString *) override {
        log << QStringLiteral("%1 ask %2").arg(now).arg(to.toString());
        for (int d = 0; d < int(devices.size()); ++d)
            if (devices[d].record.IP == to.toString())
                reply(d, to.toString());
        return true;
    }
    bool send(const QHostAddress &to, const QByteArray &datagram, QString *error) override {
        if (refuse.contains(to.toString())) {
            *error = QStringLiteral("refused");
            return false;
        }
        const bool seti = datagram.startsWith("!SETI");
        if (datagram == wire::sdCardQuery())
            sdAsked << to.toString();
        log << QStringLiteral("%1 send %2 %3")
                   .arg(now)
                   .arg(to.toString(),
                        seti ? QStringLiteral("!SETI") : QString::fromLatin1(datagram.toHex()));
        for (SimDevice &d : devices)
            if (d.record.IP == to.toString() && seti) {
                ++d.sets;
                if (!d.lostSets.contains(d.sets) && d.storesFrom > 0 && d.sets >= d.storesFrom)
                    d.record = storedFrom(datagram, d.record);
            }
        return true;
    }
    // The device's record once it stored the settings a "!SETI" carries.
    static recUrzadzenia storedFrom(const QByteArray &seti, recUrzadzenia into) {
        for (const fields::Field &f : fields::settings())
            f.setValue(into, f.width == fields::Width::Word ? wire::readU16(seti, f.setiOffset)
                                                            : quint8(seti[f.setiOffset]));
        return into;
    }
    void reply(int d, const QString &from) {
        SimDevice &dev = devices[d];
        ++dev.answers;
        if (!dev.lostAnswers.contains(dev.answers))
            due.emplace(now + dev.delay, std::make_pair(d, from));
    }
    // Delivers the answers due by `t` to `deliver`.
    template <typename F> void deliverUntil(qint64 t, F deliver) {
        while (!due.empty() && due.begin()->first <= t) {
            auto [at, what] = *due.begin();
            due.erase(due.begin());
            now = at;
            recUrzadzenia r = devices[what.first].record;
            r.IP = what.second;
            deliver(r);
        }
        now = t;
    }
};

rig::Send sendTo(const recUrzadzenia &device, const recUrzadzenia &entry) {
    rig::Send s{device.MAC, entry.Nazwa, device.IP, device, device, {}};
    configfile::applyConfiguration(entry, s.record);
    return s;
}

rig::Rig rigOf(const QVector<recUrzadzenia> &devices) {
    rig::Rig r;
    r.name = QStringLiteral("Hall");
    r.devices = devices;
    return r;
}

} // namespace

class TestRigEngine : public QObject {
    Q_OBJECT
private slots:
    void plans_data();
    void plans();
    void confirmation_data();
    void confirmation();
    void rounds_data();
    void rounds();
    void engineKeepsItsEventsBounded();
};

// ---- Plans ------------------------------------------------------------------------------------

// The rig holds boxes 1 to 5; box 2 differs (output 4 channel 300), box 3 is missing, box 4 answers
// from two addresses, box 5 has old firmware and differs, box 9 is not in the rig.
void TestRigEngine::plans_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("sends");
    QTest::addColumn<QStringList>("leftOut");
    const QString m = QStringLiteral("02:5A:45:00:00:0");
    QTest::newRow("send: those that differ, the missing named")
        << "send" << QStringList{}
        << QStringList{m + "2 Box 2: 1 setting(s) change: Output 4 channel 300 -> 4"}
        << QStringList{m + "3 missing", m + "5 firmware 0.1: " + QString::fromLatin1(wire::kFirmwareTooOld)};
    QTest::newRow("send: chosen, in sync too")
        << "send" << QStringList{m + "1", m + "9", m + "4"} << QStringList{m + "1 Box 1: 0 setting(s) change"}
        << QStringList{m + "4 answers from 10.1.0.4, 10.9.0.4: two or more devices with one MAC",
                       m + "9 not in the rig"};
    QTest::newRow("replace: missing by not in rig")
        << "replace 3 9" << QStringList{} << QStringList{m + "9 Box 3: 0 setting(s) change"} << QStringList{};
    QTest::newRow("replace: the old one answered")
        << "replace 2 9" << QStringList{} << QStringList{}
        << QStringList{"refused " + m + "2 (Box 2) answered: it is differs, not missing"};
    QTest::newRow("replace: the new one is in the rig")
        << "replace 3 1" << QStringList{} << QStringList{}
        << QStringList{"refused " + m + "1 is in the rig already"};
    QTest::newRow("replace: the new one did not answer") << "replace 3 8" << QStringList{} << QStringList{}
                                                         << QStringList{"refused " + m + "8 did not answer"};
    QTest::newRow("readdress: from channel 100, one already there")
        << "readdress 1 100" << QStringList{m + "2", m + "1", m + "3", m + "5"}
        << QStringList{m + "2 Box 2: Output 1 channel 0 -> 100, Output 2 channel 0 -> 101, "
                           "Output 3 channel 0 -> 102, Output 4 channel 300 -> 103, "
                           "Output 5 channel 0 -> 104, Output 6 channel 0 -> 105, "
                           "Output 7 channel 0 -> 106, Output 8 channel 0 -> 107",
                       m + "1 Box 1: Output 1 channel 0 -> 108, Output 2 channel 0 -> 109, "
                           "Output 3 channel 0 -> 110, Output 4 channel 4 -> 111, "
                           "Output 5 channel 0 -> 112, Output 6 channel 0 -> 113, "
                           "Output 7 channel 0 -> 114, Output 8 channel 0 -> 115"}
        << QStringList{m + "3 missing", m + "5 firmware 0.1: " + QString::fromLatin1(wire::kFirmwareTooOld)};
    QTest::newRow("readdress: past channel 512")
        << "readdress 1 510" << QStringList{m + "1", m + "2"} << QStringList{}
        << QStringList{"refused Box 1 (02:5A:45:00:00:01) would take channels 510 to 517, past channel 512: "
                       "nothing is readdressed. Start lower, or give fewer channels per device."};
}

void TestRigEngine::plans() {
    QFETCH(QString, what);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, sends);
    QFETCH(QStringList, leftOut);
    recUrzadzenia b2 = box(2), b4other = box(4), b5 = box(5), b9 = box(9);
    b2.Output[3].Channel = 300;
    b4other.IP = QStringLiteral("10.9.0.4");
    b5.FWVer = QStringLiteral("0.1");
    b5.MasterVolume = 3;
    const rig::Rig r = rigOf({box(1), box(2), box(3), box(4), box(5)});
    const QVector<rig::Row> rows = rig::compare(r, {box(1), b2, box(4), b4other, b5, b9});
    const QStringList words = what.split(' ');
    rig::Plan plan;
    if (words[0] == "send") {
        plan = rig::planSend(r, rows, chosen);
    } else if (words[0] == "replace") {
        plan = rig::planReplace(r, rows, box(words[1].toInt()).MAC, box(words[2].toInt()).MAC);
    } else {
        rig::Readdressing how;
        how.channel = words[2].toInt();
        plan = rig::planReaddress(r, rows, chosen, how);
    }
    QStringList gotSends, gotLeft;
    for (const rig::Send &s : plan.sends)
        gotSends << QStringLiteral("%1 %2: %3").arg(s.mac, s.name, s.changes);
    for (const rig::LeftOut &l : plan.leftOut)
        gotLeft << QStringLiteral("%1 %2").arg(l.mac, l.reason);
    if (!plan.refused.isEmpty())
        gotLeft << QStringLiteral("refused ") + plan.refused;
    QCOMPARE(gotSends.join('\n'), sends.join('\n'));
    QCOMPARE(gotLeft.join('\n'), leftOut.join('\n'));
    // What is sent is the rig's entry with the device's own module version; or the new addresses.
    for (const rig::Send &s : plan.sends) {
        QCOMPARE(s.record.ZentriVersion, s.device.ZentriVersion);
        QCOMPARE(s.record.MAC, s.device.MAC);
    }
}

// ---- Confirmation -----------------------------------------------------------------------------

void TestRigEngine::confirmation_data() {
    QTest::addColumn<int>("storesFrom");
    QTest::addColumn<QList<int>>("lostSets");
    QTest::addColumn<QList<int>>("lostAnswers");
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("sends");
    QTest::addColumn<QStringList>("log"); // the first datagrams, "T what"
    QTest::newRow("stores at once") << 1 << QList<int>{} << QList<int>{} << 5 << false << "confirmed" << 1
                                    << QStringList{"0 send 10.1.0.2 !SETI", "300 ask 10.1.0.2"};
    QTest::newRow("the first !SETI lost: sent again")
        << 1 << QList<int>{1} << QList<int>{} << 5 << false << "confirmed" << 2
        << QStringList{"0 send 10.1.0.2 !SETI", "300 ask 10.1.0.2", "305 send 10.1.0.2 !SETI",
                       "605 ask 10.1.0.2"};
    QTest::newRow("answers lost: asked again, not sent again")
        << 1 << QList<int>{} << QList<int>{1, 2} << 5 << false << "confirmed" << 1
        << QStringList{"0 send 10.1.0.2 !SETI", "300 ask 10.1.0.2", "700 ask 10.1.0.2", "1100 ask 10.1.0.2"};
    QTest::newRow("never stores: five sends") << 0 << QList<int>{} << QList<int>{} << 5 << false << "differs"
                                              << 5 << QStringList{"0 send 10.1.0.2 !SETI"};
    QTest::newRow("stores the third") << 3 << QList<int>{} << QList<int>{} << 5 << false << "confirmed" << 3
                                      << QStringList{"0 send 10.1.0.2 !SETI"};
    QTest::newRow("answers late") << 1 << QList<int>{} << QList<int>{} << 650 << false << "confirmed" << 1
                                  << QStringList{"0 send 10.1.0.2 !SETI", "300 ask 10.1.0.2",
                                                 "700 ask 10.1.0.2"};
    QTest::newRow("silent") << 1 << QList<int>{} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 5 << false
                            << "silent" << 1 << QStringList{"0 send 10.1.0.2 !SETI", "300 ask 10.1.0.2"};
    QTest::newRow("refused by the socket layer")
        << 1 << QList<int>{} << QList<int>{} << 5 << true << "not sent" << 1 << QStringList{};
}

void TestRigEngine::confirmation() {
    QFETCH(int, storesFrom);
    QFETCH(QList<int>, lostSets);
    QFETCH(QList<int>, lostAnswers);
    QFETCH(int, delay);
    QFETCH(bool, refused);
    QFETCH(QString, result);
    QFETCH(int, sends);
    QFETCH(QStringList, log);
    SimNetwork net;
    SimDevice dev;
    dev.record = box(2);
    dev.delay = delay;
    dev.storesFrom = storesFrom;
    dev.lostSets = lostSets;
    dev.lostAnswers = lostAnswers;
    net.devices.push_back(dev);
    if (refused)
        net.refuse.insert(dev.record.IP);
    recUrzadzenia entry = box(2);
    entry.Output[0].Channel = 300;
    rig::Confirmation c(net, {sendTo(box(2), entry)});
    c.start(0);
    qint64 t = 0;
    for (; t <= 20000 && !c.isOver(); t += 5) {
        net.deliverUntil(t, [&](const recUrzadzenia &r) { c.infoReply(r, net.now); });
        net.now = t;
        c.advance(t);
    }
    const char *names[] = {"pending", "confirmed", "differs", "silent", "not sent"};
    const rig::Outcome &o = c.outcomes().first();
    QCOMPARE(QString::fromLatin1(names[o.result]), result);
    QCOMPARE(o.sends, sends);
    QVERIFY2(t <= 20000, "decided in time");
    QCOMPARE(net.log.mid(0, log.size()), log);
    QCOMPARE(net.log.filter(QStringLiteral("!SETI")).size(), refused ? 0 : sends);
    if (result == "differs")
        QCOMPARE(o.reportedText(), QStringLiteral("Output 1 channel sent 300, reported 0"));
    QCOMPARE(o.why().isEmpty(), result == "confirmed");
}

// ---- Rounds -----------------------------------------------------------------------------------

// Boxes 1 to 3 are in the rig; each row says which answers are lost, what else answers.
void TestRigEngine::rounds_data() {
    QTest::addColumn<QList<int>>("lostFirstOf"); // boxes whose first answer is lost
    QTest::addColumn<bool>("box2TwoWays");       // box 2 also answers the broadcast from a second address
    QTest::addColumn<bool>("box3Silent");
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<int>("asks"); // discovery requests sent by address
    QTest::addColumn<bool>("sdLost");
    QTest::newRow("every box answers: no request again")
        << QList<int>{} << false << false << QStringList{"in sync", "in sync", "in sync"} << 0 << false;
    QTest::newRow("a lost answer: asked again, found")
        << QList<int>{2} << false << false << QStringList{"in sync", "in sync", "in sync"} << 1 << false;
    QTest::newRow("a missing box asked again until the round ends")
        << QList<int>{} << false << true << QStringList{"in sync", "in sync", "missing"} << 13 << false;
    QTest::newRow("two ways in: a duplicate")
        << QList<int>{} << true << false << QStringList{"in sync", "duplicate", "in sync"} << 0 << false;
    QTest::newRow("SD card answers lost: asked again, three times at most")
        << QList<int>{} << false << false << QStringList{"in sync", "in sync", "in sync"} << 0 << true;
}

void TestRigEngine::rounds() {
    QFETCH(QList<int>, lostFirstOf);
    QFETCH(bool, box2TwoWays);
    QFETCH(bool, box3Silent);
    QFETCH(QStringList, states);
    QFETCH(int, asks);
    QFETCH(bool, sdLost);
    SimNetwork net;
    for (int k = 1; k <= 3; ++k) {
        SimDevice d;
        d.record = box(k);
        if (lostFirstOf.contains(k))
            d.lostAnswers = {1};
        if (k == 2 && box2TwoWays)
            d.broadcastFrom = QStringLiteral("10.9.0.2");
        if (k == 3 && box3Silent)
            for (int n = 1; n <= 100; ++n)
                d.lostAnswers << n;
        net.devices.push_back(d);
    }
    const rig::Rig r = rigOf({box(1), box(2), box(3)});
    rig::Round round(net, rig::roundPlanFor(r, {}, {}, 2000, false));
    round.start(0);
    for (qint64 t = 0; !round.isOver(t); t += 5) {
        net.deliverUntil(t, [&](const recUrzadzenia &rec) { round.infoReply(rec, net.now); });
        round.advance(t);
        for (const QString &ip : std::exchange(net.sdAsked, {}))
            if (!sdLost)
                round.sdCardReply(ip, true);
    }
    QStringList got;
    for (const rig::Row &row : rig::compare(r, round.answers()))
        got << rig::stateText(row.state);
    QCOMPARE(got, states);
    QCOMPARE(net.log.filter(QStringLiteral(" ask ")).size(), asks);
    QCOMPARE(net.log.filter(QStringLiteral("discover")).size(), 1);
    // One SD card question per address that answered, asked again only while unanswered.
    const QString query = QString::fromLatin1(wire::sdCardQuery().toHex());
    for (const recUrzadzenia &a : round.answers())
        QCOMPARE(net.log.filter(QStringLiteral(" send %1 %2").arg(a.IP, query)).size(),
                 sdLost ? rig::Round::kSdAsks : 1);
    QCOMPARE(round.allAwaitedAnswered(), !box3Silent);
}

// ---- The engine -------------------------------------------------------------------------------

void TestRigEngine::engineKeepsItsEventsBounded() {
    SimNetwork net;
    rig::Document doc;
    rig::Engine engine(net, doc);
    for (int i = 0; i < rig::Engine::kMaxEvents + 250; ++i)
        engine.addEvent(QStringLiteral("taken"), QString::number(i), {}, {}, {});
    QCOMPARE(engine.events().size(), rig::Engine::kMaxEvents);
    QCOMPARE(engine.events().first().mac, QStringLiteral("250"));
    QCOMPARE(engine.events().last().mac, QString::number(rig::Engine::kMaxEvents + 249));
}

QTEST_MAIN(TestRigEngine)
#include "tst_rigengine.moc"
