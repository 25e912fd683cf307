// Small helpers shared by the window tests.
#pragma once

#include "fakelink.h"

#include <QApplication>
#include <QBasicTimer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QUdpSocket>
#include <QWidget>
#include <functional>
#include <initializer_list>

// A keyword followed by the given byte values.
inline QByteArray bytes(const char *word, std::initializer_list<int> tail) {
    QByteArray b(word);
    for (int v : tail)
        b.append(static_cast<char>(v));
    return b;
}

// Names of the repeated controls: name("cbxNET", 3) is "cbxNET03".
inline QString name(const char *prefix, int number) {
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(number, 2, 10, QLatin1Char('0'));
}

// The control `objectName` of window `w`; a missing control ends the test run.
template <typename T> T *child(QWidget &w, const QString &objectName) {
    T *c = w.findChild<T *>(objectName);
    if (!c)
        qFatal("missing control %s", qPrintable(objectName));
    return c;
}
template <typename T> T *child(QWidget &w, const char *objectName) {
    return child<T>(w, QLatin1String(objectName));
}

// Answers every message box with OK while it lives and keeps the texts.
class MessageCatcher : public QObject {
public:
    MessageCatcher() { timer_.start(20, this); }
    QStringList texts;

protected:
    void timerEvent(QTimerEvent *) override {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->accept();
        }
    }

private:
    QBasicTimer timer_;
};

// Answers the next message box that opens within `ms` with OK and keeps its text in `*text`.
inline void answerNextMessageBox(QString *text, int ms = 10000) {
    auto *poll = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, text, ms] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
        } else if (clock->elapsed() < ms) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        delete clock;
    });
    poll->start(5);
}

// True when nothing holds UDP `port`.
inline bool portFree(quint16 port) {
    QUdpSocket probe;
    return probe.bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress);
}

// Shows `window` once for each device of `link` in turn, device k with `record` and module version
// versions[k]; the window stays open after the last showing.
template <typename Window>
void showForEachVersion(Window &window, FakeLink &link, const QList<int> &versions,
                        const zentri::recUrzadzenia &record) {
    for (int k = 0; k < versions.size(); ++k) {
        link.records[k] = record;
        link.records[k].ZentriVersion = versions[k];
        link.selectedIndex = k;
        window.show();
        if (k + 1 < versions.size())
            window.reject();
    }
}

// Runs `act` once, inside the nested event loop of the first modal window or message box that
// `isTarget` accepts: polled from a timer, so that whatever `act` does (datagrams sent to the
// program's listeners, and handled there) happens as it would while a user looks at that window.
class DuringModal : public QObject {
public:
    DuringModal(std::function<bool(QWidget *)> isTarget, std::function<void(QWidget *)> act)
        : isTarget_(std::move(isTarget)), act_(std::move(act)) {
        timer_.start(5, this);
    }
    bool ran() const { return ran_; }

    // The modal widget is a message box / one of the program's windows of type T.
    static bool messageBox(QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; }
    template <typename T> static bool window(QWidget *w) { return qobject_cast<T *>(w) != nullptr; }

protected:
    void timerEvent(QTimerEvent *) override {
        QWidget *modal = QApplication::activeModalWidget();
        if (ran_ || !modal || !modal->isVisible() || !isTarget_(modal))
            return;
        ran_ = true;
        timer_.stop();
        act_(modal);
    }

private:
    std::function<bool(QWidget *)> isTarget_;
    std::function<void(QWidget *)> act_;
    QBasicTimer timer_;
    bool ran_ = false;
};

// "UDP port N is held by another program" for the first of `ports` that is, else empty: window tests
// check it first and fail at once, rather than meet the window's message box.
inline QString heldPort(std::initializer_list<quint16> ports) {
    for (quint16 port : ports)
        if (!portFree(port))
            return QStringLiteral("UDP port %1 is held by another program").arg(port);
    return QString();
}
