// Small helpers shared by the window tests.
#pragma once

#include "device/protocol.h"
#include "fakelink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBasicTimer>
#include <QByteArray>
#include <QHostAddress>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUdpSocket>
#include <QWidget>
#include <QtTest>
#include <deque>
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

// Acts on the modal windows and message boxes that open, in turn: each step names the window it expects
// (any window when the name is empty). A window that is not the one expected is closed, and the test
// then fails on `seen`.
class ModalScript {
public:
    struct Step {
        QString name;
        std::function<void(QWidget *)> act;
    };
    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { step(); });
        poll_.start();
    }
    bool finished() const { return steps_.empty(); }
    QStringList seen;  // the object names of the windows met
    QStringList texts; // the texts of the message boxes met

private:
    void step() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || steps_.empty() || busy_)
            return;
        for (const QPointer<QWidget> &h : handled_)
            if (h == modal)
                return;
        seen << modal->objectName();
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            texts << box->text();
        if (!steps_.front().name.isEmpty() && modal->objectName() != steps_.front().name) {
            modal->close();
            return;
        }
        handled_.append(modal);
        const Step s = steps_.front();
        steps_.pop_front();
        busy_ = true;
        s.act(modal);
        busy_ = false;
    }
    std::deque<Step> steps_;
    QList<QPointer<QWidget>> handled_;
    QTimer poll_;
    bool busy_ = false;
};

// A step that answers a message box with `button`, after keeping its text in `*text` and running
// `meanwhile` while the box is open.
inline std::function<void(QWidget *)> answer(QMessageBox::StandardButton button, QString *text = nullptr,
                                             const std::function<void()> &meanwhile = {}) {
    return [=](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        if (text)
            *text = box->text();
        if (meanwhile)
            meanwhile();
        box->button(button)->click();
    };
}

// Runs `trigger`, which opens a modal window, and lets `act` handle that window (else closes it);
// returns the text of the message box, if that is what opened.
inline QString withModal(const std::function<void()> &trigger,
                         const std::function<void(QWidget *)> &act = {}) {
    ModalScript script({{QString(), act ? act : [](QWidget *w) { w->close(); }}});
    trigger();
    return script.texts.value(0);
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
inline QString heldPort(const QList<quint16> &ports) {
    for (quint16 port : ports)
        if (!portFree(port))
            return QStringLiteral("UDP port %1 is held by another program").arg(port);
    return QString();
}

// The four ports the program's windows listen on.
inline const QList<quint16> kListeningPorts{zentri::wire::kMainPort, zentri::wire::kLiveRecordPort,
                                            zentri::wire::kAudioPort, zentri::wire::kCuePort};

// Fails the test function at once when one of the ports is held by another program.
#define REQUIRE_FREE_PORTS(...)                                                                              \
    do {                                                                                                     \
        const QString held_ = heldPort(__VA_ARGS__);                                                         \
        if (!held_.isEmpty())                                                                                \
            QFAIL(qPrintable(held_));                                                                        \
    } while (false)
