// The rig at the scale of a large venue: 1000 devices' answers turned into states against a rig of
// 1000, and a minute of watching them every 3 s, each against the cost of reading the same answers
// (what any listing of them must do) measured in the same run.
#include "benchkit.h"
#include "device/protocol.h"
#include "rig/rigstates.h"
#include "rig/watch.h"

#include <QCoreApplication>
#include <QDateTime>

using namespace zentri;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int devices = 1000, rounds = argc > 1 && QByteArray(argv[1]) == "--quick" ? 5 : 30;
    QVector<QByteArray> replies;
    rig::Rig r;
    for (int k = 0; k < devices; ++k) {
        recUrzadzenia rec;
        rec.Nazwa = QStringLiteral("Box %1").arg(k);
        rec.Output[k % 8].Channel = k % 512 + 1;
        const QByteArray mac = QByteArray::fromHex("025A45000000");
        QByteArray m = mac;
        m[4] = char(k >> 8);
        m[5] = char(k & 0xFF);
        replies << wire::infoReply(rec, 1, 1, 12, m);
        recUrzadzenia entry = *wire::parseInfoReply(replies.last(), QString());
        if (k % 10 == 0)
            entry.MasterVolume = 77; // a tenth of the rig differs
        r.devices << entry;
    }
    std::vector<double> parse, states, poll;
    int differs = 0;
    for (int round = 0; round < rounds; ++round) {
        qint64 t0 = bench::nowNs();
        QVector<recUrzadzenia> answers;
        answers.reserve(devices);
        for (int k = 0; k < devices; ++k)
            answers << *wire::parseInfoReply(replies[k],
                                             QStringLiteral("10.1.%1.%2").arg(k / 250).arg(k % 250 + 2));
        qint64 t1 = bench::nowNs();
        const QVector<rig::Row> rows = rig::compare(r, answers);
        qint64 t2 = bench::nowNs();
        differs = int(std::count_if(rows.begin(), rows.end(),
                                    [](const rig::Row &x) { return x.state == rig::State::Differs; }));
        rig::Watch w;
        w.expect(r.devices);
        const QDateTime start = QDateTime::currentDateTime();
        w.poll(start, answers);
        qint64 t3 = bench::nowNs();
        for (int p = 1; p <= 20; ++p) // a minute at one poll every 3 s
            w.poll(start.addSecs(3 * p), answers);
        qint64 t4 = bench::nowNs();
        parse.push_back(bench::ms(t1 - t0));
        states.push_back(bench::ms(t2 - t1));
        poll.push_back(bench::ms(t4 - t3) / 20);
        for (const rig::Watch::Device &d : w.devices())
            if (d.presence != rig::Presence::Online) {
                std::fprintf(stderr, "a device answering every poll was marked %s\n",
                             qPrintable(rig::presenceText(d.presence)));
                return 1;
            }
    }
    if (differs != devices / 10) {
        std::fprintf(stderr, "%d devices differ, %d expected\n", differs, devices / 10);
        return 1;
    }
    const double parseMs = bench::median(parse), statesMs = bench::median(states),
                 pollMs = bench::median(poll);
    bench::row(QStringLiteral("Rig: reading 1000 info replies (reference, median)"), "-",
               QStringLiteral("%1 ms").arg(parseMs, 0, 'f', 2), "-");
    bench::row(QStringLiteral("Rig: states of 1000 devices against a rig of 1000 (median)"), "<= 100 ms",
               QStringLiteral("%1 ms (%2 x the reading)")
                   .arg(statesMs, 0, 'f', 2)
                   .arg(statesMs / parseMs, 0, 'f', 2),
               statesMs <= 100 ? "yes" : "NO");
    // Watching costs the reading of the answers plus the poll's own work, every 3 s.
    const double share = (parseMs + pollMs) / 3000.0 * 100;
    bench::row(
        QStringLiteral("Rig: watching 1000 devices every 3 s, work per poll (median)"), "-",
        QStringLiteral("%1 ms (%2 x the reading)").arg(pollMs, 0, 'f', 2).arg(pollMs / parseMs, 0, 'f', 2),
        "-");
    bench::row(QStringLiteral("Rig: watching 1000 devices every 3 s, share of one core"), "<= 5 %",
               QStringLiteral("%1 %").arg(share, 0, 'f', 2), share <= 5 ? "yes" : "NO");
    return 0;
}
