// The commissioning report: the PDF read back names every device and conflict; texts from the network
// are escaped in the HTML and kept from being formulas in the CSV; a report that cannot be written
// leaves nothing behind.
#include "records.h"
#include "rig/report.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace zentri;

namespace {

// Device k, every use sound: outputs on channels 1..8 of universe k, the audio player on 101..106.
recUrzadzenia patched(int k, const QString &name, const QString &ip) {
    recUrzadzenia r = records::premium(name, ip);
    r.MAC = QStringLiteral("02:5A:45:00:00:%1").arg(k, 2, 10, QLatin1Char('0'));
    r.FWVer = QStringLiteral("1.12");
    for (int i = 0; i < 8; ++i)
        r.Output[i] = {0, k, i + 1, 0, false};
    r.dap = {0, k, 101, 102, 103, 104, 105, 106, 0};
    r.dmx = {0, 99};
    return r;
}

void trigger(recUrzadzenia &r, int row, int channel, std::array<int, 4> to) {
    r.Trigger[row].Function = 1;
    r.Trigger[row].Channel = channel;
    r.DestinationIP = {to[0], to[1], to[2], to[3], 0};
}

rig::ReportInput input(const QVector<recUrzadzenia> &devices, const QString &title = QStringLiteral("Rig")) {
    rig::ReportInput in;
    in.title = title;
    in.when = QDateTime(QDate(2031, 5, 4), QTime(18, 30));
    for (const recUrzadzenia &r : devices)
        in.devices << rig::ReportDevice{r, rig::SdCard::Unknown, std::nullopt};
    in.interfaces << InterfaceInfo{
        QStringLiteral("eth0"), 2, true, true, false, {{QHostAddress(QStringLiteral("10.1.0.254")), 24}}};
    return in;
}

// The text without its spaces and line breaks, ligatures ("ﬂ") as their letters: lines break where
// the page ends them, inside a MAC too.
QString squeezed(const QString &text) {
    return text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void pdfNamesEveryDeviceAndConflict();
    void htmlEscapes_data();
    void htmlEscapes();
    void csvCells_data();
    void csvCells();
    void nothingLeftBehind_data();
    void nothingLeftBehind();
};

void TestReport::pdfNamesEveryDeviceAndConflict() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("SKIPPED: reading the PDF back needs pdftotext (scripts/install-deps.sh poppler-utils)");
    QVector<recUrzadzenia> devices{patched(1, "Stage left", "10.1.0.1"),
                                   patched(2, "Stage right", "10.1.0.2"), patched(3, "Bar", "10.1.0.1"),
                                   patched(4, "Stage left", "10.1.0.4"), patched(5, "Foyer", "10.1.0.5")};
    trigger(devices[0], 0, 7, {10, 1, 0, 50});
    trigger(devices[1], 3, 7, {10, 1, 0, 50}); // the same destination and channel
    devices[2].dap.Bass_DMXch = 103;           // on the volume's channel
    devices[3].Output[2].Channel = 600;
    devices[3].FWVer = QStringLiteral("1.13");
    devices[4].dap.State_DMXch = 5; // on output 5's channel
    trigger(devices[4], 1, 9, {0, 0, 0, 0});
    const rig::ReportInput in = input(devices, QStringLiteral("Rig \"Main stage\""));
    const rig::Patch patch = rig::patchOf(devices, in.interfaces);
    QCOMPARE(patch.conflicts.size(), 8);

    QTemporaryDir dir;
    QStringList written;
    QString error;
    QVERIFY2(rig::writeReport(in, dir.filePath("report"), &written, &error), qPrintable(error));
    QCOMPARE(written, (QStringList{dir.filePath("report.pdf"), dir.filePath("report.html"),
                                   dir.filePath("report.csv")}));
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), written[0], QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString text = squeezed(QString::fromUtf8(p.readAllStandardOutput()));
    QVERIFY2(text.contains("Rig\"Mainstage\""), qPrintable(text.left(300)));
    QVERIFY(text.contains("2031-05-04"));
    for (const recUrzadzenia &d : devices) {
        QVERIFY2(text.contains(squeezed(d.Nazwa)), qPrintable(d.Nazwa));
        QVERIFY2(text.contains(d.MAC), qPrintable(d.MAC));
    }
    for (const rig::Conflict &c : patch.conflicts)
        QVERIFY2(text.contains(squeezed(c.reason)), qPrintable(c.reason));
}

void TestReport::htmlEscapes_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("device name") << "name";
    QTest::newRow("firmware") << "firmware";
    QTest::newRow("title") << "title";
}

void TestReport::htmlEscapes() {
    QFETCH(QString, where);
    const QString hostile = QStringLiteral("<b>&\"x");
    recUrzadzenia d = patched(1, where == "name" ? hostile : "Box", "10.1.0.1");
    if (where == "firmware")
        d.FWVer = hostile;
    const rig::ReportInput in =
        input({d, patched(2, d.Nazwa, "10.1.0.2")}, where == "title" ? hostile : "Rig");
    const QString html = rig::reportHtml(in, rig::patchOf(rig::recordsOf(in), in.interfaces));
    QVERIFY(!html.contains(hostile));
    QVERIFY(html.contains("&lt;b&gt;&amp;&quot;x"));
}

void TestReport::csvCells_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cell"); // the device's cell as written
    QTest::newRow("plain") << "Box 1"
                           << "\"Box 1\"";
    QTest::newRow("quotes and commas") << "a \"b\", c"
                                       << "\"a \"\"b\"\", c\"";
    QTest::newRow("a formula") << "=HYPERLINK(\"http://x.test\",\"y\")"
                               << "\"'=HYPERLINK(\"\"http://x.test\"\",\"\"y\"\")\"";
    QTest::newRow("plus") << "+1"
                          << "\"'+1\"";
    QTest::newRow("minus") << "-1"
                           << "\"'-1\"";
    QTest::newRow("at") << "@SUM(A1)"
                        << "\"'@SUM(A1)\"";
    QTest::newRow("tab") << "\tx"
                         << "\"'\tx\"";
    QTest::newRow("carriage return") << "\rx"
                                     << "\"'\rx\"";
    QTest::newRow("an equals sign later") << "a=b"
                                          << "\"a=b\"";
}

void TestReport::csvCells() {
    QFETCH(QString, name);
    QFETCH(QString, cell);
    const recUrzadzenia d = patched(1, name, "10.1.0.1");
    const QStringList lines = QString::fromUtf8(rig::patchCsv({d}, rig::patchOf({d}, {}))).split('\n');
    QCOMPARE(lines.size(), 1 + 15 + 1); // the header, 8 outputs, 6 audio functions, the DMX output, ""
    QCOMPARE(lines[0], "net,universe,channel,element,device,mac,ip,input");
    QCOMPARE(lines[1], "0,1,1,\"Output 1\"," + cell + ",02:5A:45:00:00:01,10.1.0.1,Art-Net");
    QCOMPARE(lines.last(), QString());
}

void TestReport::nothingLeftBehind_data() {
    QTest::addColumn<QString>("base"); // in a folder holding "file" and "r.html/"
    QTest::addColumn<QString>("says"); // part of the error
    QTest::newRow("a missing folder") << "missing/r"
                                      << "missing/r.pdf";
    QTest::newRow("a file for a folder") << "file/r"
                                         << "file/r.pdf";
    QTest::newRow("a folder for the HTML") << "r"
                                           << "r.html: it is not a regular file";
    QTest::newRow("a read-only CSV") << "ro"
                                     << "ro.csv: the file is read-only";
}

void TestReport::nothingLeftBehind() {
    QFETCH(QString, base);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir(dir.path()).mkdir("r.html"));
    QFile ro(dir.filePath("ro.csv"));
    QVERIFY(ro.open(QIODevice::WriteOnly));
    ro.close();
    QVERIFY(ro.setPermissions(QFile::ReadOwner));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QStringList written{"stale"};
    QString error;
    QVERIFY(!rig::writeReport(input({patched(1, "Box", "10.1.0.1")}), dir.filePath(base), &written, &error));
    QVERIFY2(error.contains(says), qPrintable(error));
    QVERIFY(written.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
