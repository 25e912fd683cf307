// The commissioning report of 100 devices (every output, audio function and trigger in use, some
// conflicts): the PDF, HTML page and CSV written, against the reference of the same HTML page read
// into a text document alone (what any showing or printing of the page must do) in the same run.
#include "benchkit.h"
#include "rig/report.h"
#include "venue.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace zentri;

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const int devices = 100, rounds = argc > 1 && QByteArray(argv[1]) == "--quick" ? 2 : 7;
    rig::ReportInput in;
    in.title = QStringLiteral("Rig \"Bench\"");
    in.when = QDateTime::currentDateTime();
    in.interfaces = bench::venueInterfaces();
    for (int k = 0; k < devices; ++k) {
        recUrzadzenia r = bench::venueDevice(k);
        r.dmx = {1, k};
        if (k % 25 == 0)
            r.FWVer = QStringLiteral("1.11"); // two firmware versions
        in.devices << rig::ReportDevice{r, rig::SdCard::Present, rig::State::InSync};
    }
    const rig::Patch patch = rig::patchOf(rig::recordsOf(in), in.interfaces);
    const QString html = rig::reportHtml(in, patch);

    QTemporaryDir dir;
    std::vector<double> reference, report;
    qint64 pdfBytes = 0;
    for (int round = 0; round < rounds; ++round) {
        const qint64 t0 = bench::nowNs();
        QTextDocument().setHtml(html);
        const qint64 t1 = bench::nowNs();
        QStringList written;
        QString error;
        if (!rig::writeReport(in, dir.filePath(QStringLiteral("report")), &written, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const qint64 t2 = bench::nowNs();
        reference.push_back(bench::ms(t1 - t0));
        report.push_back(bench::ms(t2 - t1));
        pdfBytes = QFileInfo(written.value(0)).size();
    }
    const double refMs = bench::median(reference), reportMs = bench::median(report);
    bench::note(QStringLiteral("%1 uses, %2 conflicts, PDF of %3 KB")
                    .arg(patch.uses.size())
                    .arg(patch.conflicts.size())
                    .arg(pdfBytes / 1024));
    bench::row(QStringLiteral("Report: the same HTML page read into a text document (reference, median)"),
               "-", QStringLiteral("%1 ms").arg(bench::fmt(refMs)), "-");
    bench::row(
        QStringLiteral("Report of 100 devices: PDF, HTML and CSV written (median of %1)").arg(rounds),
        "<= 2 s",
        QStringLiteral("%1 ms (%2 x the reference)").arg(bench::fmt(reportMs), bench::fmt(reportMs / refMs)),
        bench::metText(reportMs <= 2000));
    return 0;
}
