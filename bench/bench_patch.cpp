// The patch of a large venue: the uses and conflicts of 1000 devices, against the reference of reading
// their 1000 info replies (what any listing of them must do), and one universe drawn in the patch
// window, against the reference of painting the same 512 numbers in a plain Qt table of 32 by 16
// cells; both in the same run.
#include "app/patchwindow.h"
#include "benchkit.h"
#include "device/protocol.h"
#include "venue.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QTableWidget>

using namespace zentri;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const bool quick = argc > 1 && QByteArray(argv[1]) == "--quick";
    const int devices = 1000, rounds = quick ? 5 : 30;
    const QVector<InterfaceInfo> interfaces = bench::venueInterfaces();
    QVector<QByteArray> replies;
    QVector<recUrzadzenia> records;
    for (int k = 0; k < devices; ++k) {
        const recUrzadzenia r = bench::venueDevice(k);
        QByteArray mac = QByteArray::fromHex("025A45000000");
        mac[4] = char(k >> 8);
        mac[5] = char(k & 0xFF);
        replies << wire::infoReply(r, 1, 1, 12, mac);
        records << *wire::parseInfoReply(replies.last(), r.IP);
    }

    std::vector<double> parse, patch;
    int uses = 0, conflicts = 0;
    for (int round = 0; round < rounds; ++round) {
        const qint64 t0 = bench::nowNs();
        QVector<recUrzadzenia> read;
        read.reserve(devices);
        for (int k = 0; k < devices; ++k)
            read << *wire::parseInfoReply(replies[k], records[k].IP);
        const qint64 t1 = bench::nowNs();
        const rig::Patch p = rig::patchOf(read, interfaces);
        const qint64 t2 = bench::nowNs();
        parse.push_back(bench::ms(t1 - t0));
        patch.push_back(bench::ms(t2 - t1));
        uses = int(p.uses.size()), conflicts = int(p.conflicts.size());
    }

    // One universe drawn: its cells gathered from the uses and painted, switching between two universes.
    PatchWindow window;
    window.setSources({{QStringLiteral("Bench"), records, {}, {}}}, interfaces);
    window.show();
    QWidget *picture = window.findChild<QWidget *>(QStringLiteral("universe"));
    QTableWidget bare(16, 32);
    for (int c = 0; c < 512; ++c)
        bare.setItem(c / 32, c % 32, new QTableWidgetItem(QString::number(c + 1)));
    bare.horizontalHeader()->hide();
    bare.verticalHeader()->hide();
    bare.horizontalHeader()->setMinimumSectionSize(1);
    bare.horizontalHeader()->setDefaultSectionSize(picture->width() / 32);
    bare.verticalHeader()->setMinimumSectionSize(1);
    bare.verticalHeader()->setDefaultSectionSize(picture->height() / 16);
    bare.resize(picture->size() + QSize(4, 4));
    bare.show();
    QImage image(picture->size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> reference, draw;
    for (int round = 0; round < rounds * 4; ++round) {
        const qint64 t0 = bench::nowNs();
        bare.render(&image);
        const qint64 t1 = bench::nowNs();
        window.showUniverse(0, round % 2 == 0 ? 17 : 18);
        picture->render(&image);
        const qint64 t2 = bench::nowNs();
        reference.push_back(bench::ms(t1 - t0));
        draw.push_back(bench::ms(t2 - t1));
    }
    if (window.universe() != qMakePair(0, 18)) {
        std::fprintf(stderr, "the universe chosen was not shown\n");
        return 1;
    }

    const double parseMs = bench::median(parse), patchMs = bench::median(patch);
    const double refMs = bench::median(reference), drawMs = bench::median(draw);
    bench::note(QStringLiteral("%1 devices, %2 uses, %3 conflicts").arg(devices).arg(uses).arg(conflicts));
    bench::row(QStringLiteral("Patch: 1000 info replies read (reference, median)"), "-",
               QStringLiteral("%1 ms").arg(bench::fmt(parseMs)), "-");
    bench::row(
        QStringLiteral("Patch and conflicts of 1000 devices (median of %1)").arg(rounds), "<= 50 ms",
        QStringLiteral("%1 ms (%2 x the reference)").arg(bench::fmt(patchMs), bench::fmt(patchMs / parseMs)),
        bench::metText(patchMs <= 50));
    bench::row(QStringLiteral(
                   "Patch window: 512 numbers in a plain table of the same size painted (reference, median)"),
               "-", QStringLiteral("%1 ms").arg(bench::fmt(refMs)), "-");
    bench::row(
        QStringLiteral("Patch window: one universe gathered and drawn (median of %1)").arg(rounds * 4),
        "<= 16 ms",
        QStringLiteral("%1 ms (%2 x the reference)").arg(bench::fmt(drawMs), bench::fmt(drawMs / refMs)),
        bench::metText(drawMs <= 16));
    return 0;
}
