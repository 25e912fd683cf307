// The watch service as a whole on the loopback network (it binds the reply port 7800: PORTS): the rig
// file read at start, replaced by garbage while running (the last good rig stays watched, the file is
// reported refused), put back by a rename (read again), and the history there again after a restart.
#include "rig/rigfile.h"
#include "watch/service.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zentri;
using namespace zentri::watchsvc;

namespace {
QByteArray rigText(const QString &name) {
    QVector<recUrzadzenia> devices;
    for (int k = 1; k <= 2; ++k) {
        recUrzadzenia r;
        r.Nazwa = QStringLiteral("Box %1").arg(k);
        r.MAC = QStringLiteral("02:5A:45:00:77:%1").arg(k, 2, 10, QLatin1Char('0'));
        r.IP = QStringLiteral("127.0.0.%1").arg(200 + k); // nobody answers there
        r.FWVer = QStringLiteral("1.12");
        devices << r;
    }
    return rig::write(rig::capture(name, devices));
}

bool replaceByRename(const QString &path, const QByteArray &text) {
    QFile f(path + QStringLiteral(".new"));
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        return false;
    f.close();
    return std::rename(QFile::encodeName(f.fileName()).constData(), QFile::encodeName(path).constData()) == 0;
}
} // namespace

class TestWatchService : public QObject {
    Q_OBJECT
private slots:
    void rigFileReplacedWhileRunning();
};

void TestWatchService::rigFileReplacedWhileRunning() {
    QTemporaryDir dir;
    Config c;
    c.rigPath = dir.filePath(QStringLiteral("rig.json"));
    c.stateDir = dir.filePath(QStringLiteral("state"));
    c.interval = 1;
    c.listenPort = 0;
    c.discoveryTarget = QHostAddress(QStringLiteral("127.0.0.250"));
    QVERIFY(replaceByRename(c.rigPath, rigText(QStringLiteral("Hall"))));
    {
        Service service(c);
        QString error;
        QVERIFY2(service.start(&error), qPrintable(error));
        auto s = service.snapshot();
        QVERIFY(s->rigFileOk);
        QCOMPARE(s->rigName, QStringLiteral("Hall"));
        QCOMPARE(s->rigDevices, 2);
        // A round, then garbage put in place by a rename, as an editor saves.
        QTRY_VERIFY_WITH_TIMEOUT(service.snapshot()->polls >= 1, 5000);
        QVERIFY(replaceByRename(c.rigPath, "{ not a rig"));
        QTRY_VERIFY_WITH_TIMEOUT(!service.snapshot()->rigFileOk, 5000);
        s = service.snapshot();
        QCOMPARE(s->rigName, QStringLiteral("Hall")); // the last good rig is watched
        QCOMPARE(s->rigDevices, 2);
        QVERIFY2(s->rigFileError.contains(QLatin1String("rig.json")), qPrintable(s->rigFileError));
        QCOMPARE(s->eventsTotal.value(QStringLiteral("rig_file_refused")), quint64(1));
        // Rounds go on.
        const quint64 polls = s->polls;
        QTRY_VERIFY_WITH_TIMEOUT(service.snapshot()->polls > polls, 5000);
        // A new good rig, written over the file in place this time.
        {
            QFile f(c.rigPath);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(rigText(QStringLiteral("Hall 2")));
        }
        QTRY_VERIFY_WITH_TIMEOUT(service.snapshot()->rigFileOk, 5000);
        QCOMPARE(service.snapshot()->rigName, QStringLiteral("Hall 2"));
        // The rig's devices never answered: missing, offline after three polls, never "back online".
        QTRY_VERIFY_WITH_TIMEOUT(service.snapshot()->devices.size() == 2 &&
                                     service.snapshot()->devices[0].state == rig::State::Missing,
                                 5000);
        QCOMPARE(service.snapshot()->eventsTotal.value(QStringLiteral("back_online")), quint64(0));
    }
    // A restart: the history is read back from the event log.
    Service again(c);
    QString error;
    QVERIFY2(again.start(&error), qPrintable(error));
    const auto events = again.snapshot()->events;
    QVERIFY(events->size() >= 4);
    QStringList kinds;
    for (const ServiceEvent &e : *events)
        kinds << e.event;
    QCOMPARE(kinds.mid(0, 3), (QStringList{"rig_file_loaded", "rig_file_refused", "rig_file_loaded"}));
}

QTEST_GUILESS_MAIN(TestWatchService)
#include "tst_watchservice.moc"
