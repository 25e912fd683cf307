#include "portholder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <pwd.h>
#include <unistd.h>

namespace zentri {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::portholder)
};
} // namespace

QString udpPortHolder(quint16 port) {
    QSet<QString> inodes;
    QString owner;
    for (const char *table : {"/proc/net/udp", "/proc/net/udp6"}) {
        QFile f(QString::fromLatin1(table));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        f.readLine(); // the header
        while (!f.atEnd()) {
            // sl local_address rem_address st tx_queue:rx_queue tr:tm->when retrnsmt uid timeout inode
            const QList<QByteArray> cols = f.readLine().simplified().split(' ');
            if (cols.size() < 10)
                continue;
            const QByteArray local = cols[1];
            bool ok = false;
            const uint p = local.mid(local.lastIndexOf(':') + 1).toUInt(&ok, 16);
            if (!ok || p != port)
                continue;
            inodes.insert(QString::fromLatin1(cols[9]));
            if (owner.isEmpty()) {
                const uid_t uid = cols[7].toUInt();
                if (const passwd *pw = ::getpwuid(uid))
                    owner = QString::fromLocal8Bit(pw->pw_name);
            }
        }
    }
    if (inodes.isEmpty())
        return {};
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        if (!pid.front().isDigit())
            continue;
        const QString fdDir = QStringLiteral("/proc/%1/fd").arg(pid);
        const QStringList fds = QDir(fdDir).entryList(QDir::System | QDir::NoDotAndDotDot);
        for (const QString &fd : fds) {
            char target[64] = {};
            const QByteArray path = QFile::encodeName(fdDir + '/' + fd);
            if (::readlink(path.constData(), target, sizeof target - 1) <= 0)
                continue;
            const QString link = QString::fromLatin1(target);
            if (!link.startsWith(QLatin1String("socket:[")))
                continue;
            if (inodes.contains(link.mid(8, link.size() - 9))) {
                QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
                if (comm.open(QIODevice::ReadOnly))
                    return QString::fromLocal8Bit(comm.readAll()).trimmed();
            }
        }
    }
    return owner;
}

QString watchServiceHoldsPort(quint16 port) {
    if (udpPortHolder(port) != QLatin1String("zentri-watch"))
        return {};
    return Words::tr("held by the zentri-watch service; stop it with: systemctl stop zentri-watch");
}

} // namespace zentri
