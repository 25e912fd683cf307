// Linked into every test program: a message box that nobody answers ends the run at once with its
// text, instead of the run waiting for its time limit. That is what a test meets when another program
// holds a port a window opens, or when a send is refused where the test expects none.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kUnansweredMs = 20000;

void watchMessageBoxes() {
    auto *timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(250);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (!QCoreApplication::instance()->inherits("QApplication")) {
            timer->stop(); // a program without windows has no message boxes
            return;
        }
        static QPointer<QMessageBox> seen;
        static int ticks = 0;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box != seen) {
            seen = box;
            ticks = 0;
            return;
        }
        if (++ticks * 250 >= kUnansweredMs)
            qFatal("test stopped: a message box stayed unanswered for %d s: \"%s\"", kUnansweredMs / 1000,
                   qPrintable(box->text()));
    });
    timer->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchMessageBoxes)
