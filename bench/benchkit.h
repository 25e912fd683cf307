// Small helpers shared by the benchmark programs: a monotonic clock shared between processes, medians,
// the resident size, waiting for a window's first paint, and the result rows that bench/run.sh gathers
// into its table.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace bench {

// Nanoseconds of CLOCK_MONOTONIC: the same clock in every process and network namespace.
inline qint64 nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline double ms(qint64 ns) {
    return double(ns) / 1e6;
}

inline double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double maximum(const std::vector<double> &v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// A field of /proc/self/status in kB ("VmRSS" is the resident set size), 0 when unknown.
inline long statusKb(const char *field = "VmRSS") {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return 0;
}

// One line of the result table: figure, target, measured value, and whether the target is met
// ("yes", "NO", or "-" where there is no target). bench/run.sh gathers these lines.
inline void row(const QString &figure, const QString &target, const QString &measured, const QString &met) {
    std::printf("ROW\t%s\t%s\t%s\t%s\n", qPrintable(figure), qPrintable(target), qPrintable(measured),
                qPrintable(met));
    std::fflush(stdout);
}

inline QString metText(bool met) {
    return met ? QStringLiteral("yes") : QStringLiteral("NO");
}

inline QString fmt(double v, int decimals = 1) {
    return QString::number(v, 'f', decimals);
}

// A detail line for the log (stderr), not part of the table.
inline void note(const QString &text) {
    std::fprintf(stderr, "  %s\n", qPrintable(text));
    std::fflush(stderr);
}

// Watches a top-level widget and records the moment its first paint after arm() has been completed
// (the paint pass runs synchronously; a queued call lands right after it).
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *window) : window_(window) { window->installEventFilter(this); }
    ~PaintWatch() override {
        if (window_)
            window_->removeEventFilter(this);
    }

    void arm() {
        armed_ = true;
        doneNs_ = 0;
    }
    bool done() const { return doneNs_ != 0; }
    qint64 doneNs() const { return doneNs_; }

    // Runs events until the watched paint is over (or `timeoutMs` passed); the finish time, 0 if none.
    qint64 wait(int timeoutMs = 5000) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        return doneNs_;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (armed_ && watched == window_ && event->type() == QEvent::Paint) {
            armed_ = false;
            QMetaObject::invokeMethod(
                this, [this] { doneNs_ = nowNs(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    bool armed_ = false;
    qint64 doneNs_ = 0;
};

} // namespace bench
