// STATE_DIR/events.jsonl: every event appended as one JSON object a line, written by one write(2) and
// fdatasync'd, so that a crash (kill -9, power cut) loses at most the event being written. Rotated at
// 10 MiB: events.jsonl.1 is the newest old file, 5 are kept. When a write fails (disk full) the line
// is cut back off and the event waits in a bounded queue; the next append or retry() writes it. The
// piece of a line that a crash left at the end of the file is cut off when the file is opened.
#pragma once

#include "event.h"

#include <QString>
#include <QVector>
#include <deque>

namespace zentri::watchsvc {

class EventLog {
public:
    static constexpr qint64 kRotateBytes = 10 * 1024 * 1024;
    static constexpr int kOldFiles = 5;
    static constexpr int kMaxWaiting = 1000; // events kept for the log while it cannot be written

    explicit EventLog(QString dir, qint64 rotateBytes = kRotateBytes);
    ~EventLog();
    EventLog(const EventLog &) = delete;
    EventLog &operator=(const EventLog &) = delete;

    QString path() const;
    // Appends (after whatever still waits); false when it could not be written now (it waits).
    bool append(const ServiceEvent &event);
    // Writes what waits; false while it still cannot.
    bool retry();
    int waiting() const { return static_cast<int>(waiting_.size()); }
    quint64 writeErrors() const { return errors_; }
    quint64 lost() const { return lost_; } // dropped from a full waiting queue
    QString lastError() const { return lastError_; }

    // The last `count` events of the log and its old files, oldest first (a line cut short by a crash
    // is skipped).
    QVector<ServiceEvent> readLast(int count) const;

private:
    bool writeLine(const QByteArray &line);
    bool openFile();
    void cutShortLine();
    void rotate();

    QString dir_;
    qint64 rotateBytes_;
    int fd_ = -1;
    qint64 size_ = 0;
    std::deque<QByteArray> waiting_;
    quint64 errors_ = 0, lost_ = 0;
    QString lastError_;
};

} // namespace zentri::watchsvc
