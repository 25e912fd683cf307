#include "files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>

namespace zentri::files {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::files)
};
} // namespace

QString sizeText(qint64 bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return Words::tr("%1 MiB").arg(bytes / (1024 * 1024));
    if (bytes >= 1024 && bytes % 1024 == 0)
        return Words::tr("%1 KiB").arg(bytes / 1024);
    return Words::tr("%1 bytes").arg(bytes);
}

std::optional<QByteArray> readWhole(const QString &path, qint64 maxBytes, QString *error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = Words::tr("cannot read %1: no such file").arg(path);
        return std::nullopt;
    }
    if (!info.isFile()) {
        *error = Words::tr("cannot read %1: it is not a regular file").arg(path);
        return std::nullopt;
    }
    const QString tooLarge = Words::tr("%1 is larger than the %2 such a file may have; nothing was read")
                                 .arg(path, sizeText(maxBytes));
    if (info.size() > maxBytes) {
        *error = tooLarge;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Words::tr("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew since it was looked at.
    QByteArray data = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = Words::tr("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (data.size() > maxBytes) {
        *error = tooLarge;
        return std::nullopt;
    }
    return data;
}

bool mayWrite(const QString &path, bool force, QString *error) {
    const QFileInfo info(path); // follows a symbolic link to what it names
    if (info.exists() && !info.isFile()) {
        *error = Words::tr("cannot write %1: it is not a regular file").arg(path);
        return false;
    }
    // As root every file counts as writable, so the permission bits themselves are looked at too.
    const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && !force && (!info.isWritable() || !(info.permissions() & anyWrite))) {
        *error = Words::tr("cannot write %1: the file is read-only").arg(path);
        return false;
    }
    return true;
}

bool writeAtomically(const QString &path, const QByteArray &data, bool force, QString *error) {
    if (!mayWrite(path, force, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = Words::tr("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace zentri::files
