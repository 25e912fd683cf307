#include "eventlog.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentri::watchsvc {

EventLog::EventLog(QString dir, qint64 rotateBytes) : dir_(std::move(dir)), rotateBytes_(rotateBytes) {}

EventLog::~EventLog() {
    if (fd_ >= 0)
        ::close(fd_);
}

QString EventLog::path() const {
    return QDir(dir_).filePath(QStringLiteral("events.jsonl"));
}

bool EventLog::openFile() {
    if (fd_ >= 0)
        return true;
    const QByteArray p = QFile::encodeName(path());
    fd_ = ::open(p.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0640);
    if (fd_ < 0) {
        lastError_ = QStringLiteral("%1: %2").arg(path(), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st {};
    size_ = ::fstat(fd_, &st) == 0 ? st.st_size : 0;
    cutShortLine();
    return true;
}

// A file that does not end with a newline ends with the piece of a line that a crash (a power cut
// in the middle of a write) left: it goes, or the next line would be glued to it and lost with it.
void EventLog::cutShortLine() {
    qint64 end = size_;
    char buffer[4096];
    while (end > 0) {
        const qint64 from = std::max<qint64>(0, end - qint64(sizeof buffer));
        const ssize_t n = ::pread(fd_, buffer, static_cast<size_t>(end - from), from);
        if (n != end - from)
            return; // unreadable: appended to as it is
        if (end == size_ && buffer[n - 1] == '\n')
            return; // whole
        for (ssize_t i = n - 1; i >= 0; --i)
            if (buffer[i] == '\n') {
                end = from + i + 1;
                if (::ftruncate(fd_, end) == 0)
                    size_ = end;
                return;
            }
        end = from;
    }
    if (::ftruncate(fd_, 0) == 0)
        size_ = 0;
}

void EventLog::rotate() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    const QString base = path();
    QFile::remove(QStringLiteral("%1.%2").arg(base).arg(kOldFiles));
    for (int i = kOldFiles - 1; i >= 1; --i)
        ::rename(QFile::encodeName(QStringLiteral("%1.%2").arg(base).arg(i)).constData(),
                 QFile::encodeName(QStringLiteral("%1.%2").arg(base).arg(i + 1)).constData());
    ::rename(QFile::encodeName(base).constData(), QFile::encodeName(base + QStringLiteral(".1")).constData());
    // The directory entry of the renames and the new file reach the disk with the next fsync of the
    // directory; an event that follows is fdatasync'd in its own file anyway.
    const int d = ::open(QFile::encodeName(dir_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
}

bool EventLog::writeLine(const QByteArray &line) {
    if (fd_ >= 0 && size_ > 0 && size_ + line.size() > rotateBytes_)
        rotate();
    if (!openFile()) {
        ++errors_;
        return false;
    }
    const ssize_t n = ::write(fd_, line.constData(), static_cast<size_t>(line.size()));
    if (n == line.size() && ::fdatasync(fd_) == 0) {
        size_ += n;
        return true;
    }
    const int err = n < 0 ? errno : (n == line.size() ? errno : ENOSPC);
    lastError_ = QStringLiteral("%1: %2").arg(path(), QString::fromLocal8Bit(std::strerror(err)));
    ++errors_;
    // A part of the line may stand in the file: cut it off, so that the next line starts a line.
    if (::ftruncate(fd_, size_) != 0) {
        ::close(fd_); // opened again, and measured again, at the next write
        fd_ = -1;
    }
    return false;
}

bool EventLog::retry() {
    while (!waiting_.empty()) {
        if (!writeLine(waiting_.front()))
            return false;
        waiting_.pop_front();
    }
    return true;
}

bool EventLog::append(const ServiceEvent &event) {
    waiting_.push_back(QJsonDocument(event.toJson()).toJson(QJsonDocument::Compact) + '\n');
    while (waiting_.size() > static_cast<size_t>(kMaxWaiting)) {
        waiting_.pop_front();
        ++lost_;
    }
    return retry();
}

QVector<ServiceEvent> EventLog::readLast(int count) const {
    QVector<ServiceEvent> newestFirst;
    const QString base = path();
    for (int i = 0; i <= kOldFiles && newestFirst.size() < count; ++i) {
        QFile f(i == 0 ? base : QStringLiteral("%1.%2").arg(base).arg(i));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = f.readAll().split('\n');
        for (auto it = lines.crbegin(); it != lines.crend() && newestFirst.size() < count; ++it) {
            if (it->isEmpty())
                continue;
            const QJsonDocument doc = QJsonDocument::fromJson(*it);
            if (!doc.isObject())
                continue; // cut short
            if (auto e = ServiceEvent::fromJson(doc.object()))
                newestFirst << *e;
        }
    }
    return QVector<ServiceEvent>(newestFirst.crbegin(), newestFirst.crend());
}

} // namespace zentri::watchsvc
