// Reading and writing the program's files (configurations, and whatever else a user keeps) by a path the
// user typed or chose: a file is read whole or not at all, and written only where a file belongs.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zentri::files {

// The largest configuration file read: a whole configuration is about 5 KB.
constexpr qint64 kMaxConfigurationFileSize = 1024 * 1024;

// Text for a size limit, such as "1 MiB".
QString sizeText(qint64 bytes);

// The whole of a regular file of at most `maxBytes`; none, with the reason in `error`, for a path that
// is missing, unreadable, not a regular file (a directory, a device, a pipe) or larger than that.
std::optional<QByteArray> readWhole(const QString &path, qint64 maxBytes, QString *error);

// Writes `data` to `path` atomically (a crash or a full disk leaves the old file or none, never half a
// file). Only a regular file is replaced, or a new one made: a device node, directory or pipe is
// refused, and so is an existing file without write permission unless `force`. False with the reason in
// `error`.
bool writeAtomically(const QString &path, const QByteArray &data, bool force, QString *error);
// The same checks alone, for a caller that asks before it does the work whose result it writes.
bool mayWrite(const QString &path, bool force, QString *error);

// The two keys that open every file of the program's own formats: {"format": NAME, "formatVersion": N}.
inline const QString kFormatKey = QStringLiteral("format");
inline const QString kFormatVersionKey = QStringLiteral("formatVersion");

} // namespace zentri::files
