// The commissioning report of 100 devices (every output, audio function and trigger in use, some
// conflicts): the PDF, HTML page and CSV written, against the reference of the same HTML page read
// into a text document alone (what any showing or printing of the page must do) in the same run.
#include "benchkit.h"
#include "rig/report.h"

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
    in.interfaces << InterfaceInfo{
        QStringLiteral("eth0"), 2, true, true, false, {{QHostAddress(QStringLiteral("10.1.0.254")), 16}}};
    for (int k = 0; k < devices; ++k) {
        recUrzadzenia r;
        r.Nazwa = QStringLiteral("Box %1").arg(k);
        r.MAC = QStringLiteral("02:5A:45:00:00:%1").arg(k, 2, 16, QLatin1Char('0')).toUpper();
        r.IP = QStringLiteral("10.1.%1.%2").arg(k / 250).arg(k % 250 + 2);
        r.FWVer = k % 25 == 0 ? QStringLiteral("1.11") : QStringLiteral("1.12");
        r.ZentriVersion = kModulePremium;
        const int universe = k / 4, first = k % 4 * 64 + 1;
        for (int i = 0; i < 8; ++i)
            r.Output[i] = {0, universe, first + i, 0, i % 2 == 1};
        r.dap = {0, universe, first + 8, first + 9, first + 10, first + 11, first + 12, first + 13, 0};
        r.dmx = {1, k};
        for (int i = 0; i < 8; ++i)
            r.Trigger[i] = {0, universe, first + 20 + i, 1, 0, 0, 0};
        r.DestinationIP = {10, 1, 0, 1, 0};
        if (k % 10 == 0)
            r.dap.Bass_DMXch = r.dap.Volume_DMXch; // an error on every tenth device
        if (k % 10 == 5)
            r.Output[2].Channel = first + 10; // and a warning
        in.devices << rig::ReportDevice{r, QStringLiteral("present"), QStringLiteral("in sync")};
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
