#include "application.h"
#include "about.h"
#include "mainnetwork.h"
#include "mainwindow.h"
#include "rig/document.h"
#include "rig/engine.h"
#include "rigwindow.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/f_liverecord.h"
#include "ui/placement.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPointer>
#include <QProxyStyle>

#include <dlfcn.h>
#include <functional>
#include <system_error>
#include <utility>

namespace zentri {

namespace {
// An icon of the style that is made the first time it is drawn or measured. A menu bar's extension
// button has one, shown only when the menus do not fit, and making it reads the style's image files:
// a few milliseconds of the start-up for a button the main window never shows.
class StandardIconOnDemand : public QIconEngine {
public:
    using Make = std::function<QIcon()>;
    explicit StandardIconOnDemand(Make make) : make_(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new StandardIconOnDemand(*this); }

private:
    const QIcon &icon() {
        if (make_) {
            icon_ = make_();
            make_ = nullptr;
        }
        return icon_;
    }

    Make make_;
    QIcon icon_;
};

class ZentriStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 100;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override {
        if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        QPointer<QStyle> style(const_cast<ZentriStyle *>(this));
        return QIcon(new StandardIconOnDemand([style, which] {
            return style ? static_cast<ZentriStyle *>(style.data())->QProxyStyle::standardIcon(which)
                         : QIcon();
        }));
    }
};
} // namespace

StartUpAhead::StartUpAhead() {
    std::promise<void> fonts;
    fonts_ = fonts.get_future();
    try {
        thread_ = std::thread([application = application_.get_future(), fonts = std::move(fonts)]() mutable {
            // fontconfig is loaded with Qt's own libraries where Qt uses it; elsewhere there is nothing
            // to do.
            using Init = int (*)();
            if (auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
                init();
            fonts.set_value();
            if (application.get())
                QImageReader::supportedImageFormats();
        });
    } catch (const std::system_error &) {
        // No second thread: the main thread does all of it when it needs it, as without this.
    }
}

StartUpAhead::~StartUpAhead() {
    finish();
}

void StartUpAhead::applicationReady() {
    if (!told_)
        application_.set_value(true);
    told_ = true;
    // fontconfig does not wait for a load under way on another thread: it loads everything again.
    if (thread_.joinable() && fonts_.valid())
        fonts_.wait();
}

void StartUpAhead::finish() {
    if (!told_)
        application_.set_value(false);
    told_ = true;
    if (thread_.joinable())
        thread_.join();
}

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Zentri manager"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setStyle(new ZentriStyle);
}

namespace {
// Until the main window's first paint is over: then, or at an input event that comes first, the other
// windows are built.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget *window, std::function<void()> done) : window_(window), done_(std::move(done)) {
        qApp->installEventFilter(this);
    }

    void finish() {
        if (!done_)
            return;
        qApp->removeEventFilter(this);
        auto done = std::move(done_);
        done_ = nullptr;
        done();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !posted_) {
            // The paint pass goes on with the window's children and puts the picture on the screen;
            // a posted event comes after it, and after the events already waiting.
            posted_ = true;
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
        } else if (isInput(event->type())) {
            finish();
        }
        return false;
    }

    bool event(QEvent *event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        finish();
        return true;
    }

private:
    static bool isInput(QEvent::Type type) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            return true;
        default:
            return false;
        }
    }

    QWidget *window_;
    std::function<void()> done_;
    bool posted_ = false;
};
} // namespace

Windows::Windows(Build build) : MainForm(std::make_unique<TMainForm>()) {
    if (build == Build::AllNow) {
        buildTheOthers();
        // Nothing the user sees needs the cue editor's 512 channel editors before that window is
        // shown: they are built once the main window is up.
        fCue->buildChannelEditorsWhenIdle(MainForm.get());
    } else {
        pending_ = std::make_unique<FirstPaint>(MainForm.get(), [this] {
            buildTheOthers();
            fCue->buildChannelEditorsLater();
        });
    }
}

void Windows::buildTheOthers() {
    if (complete())
        return;
    MainForm->connectDeviceGrid();
    fSetupOutput = std::make_unique<TfSetupOutput>(MainForm.get());
    fSetupInput = std::make_unique<TfSetupInput>(MainForm.get());
    fSetupAudio = std::make_unique<TfSetupAudio>(MainForm.get());
    fLiveRecord = std::make_unique<TfLiveRecord>();
    fDMXSetup = std::make_unique<TfDMXSetup>(MainForm.get());
    fLiveButtonRecord = std::make_unique<TfLiveButtonRecord>(MainForm.get(), MainForm.get());
    fAbout = std::make_unique<TfAbout>();
    fCue = std::make_unique<TfCue>(MainForm.get());
    rigNetwork = std::make_unique<MainWindowNetwork>(MainForm.get());
    rigDocument = std::make_unique<rig::Document>();
    rigEngine = std::make_unique<rig::Engine>(*rigNetwork, *rigDocument);
    fRig = std::make_unique<RigWindow>(MainForm.get(), *rigDocument, *rigEngine);
    MainWindowPeers peers;
    peers.outputSetup = fSetupOutput.get();
    peers.triggerSetup = fSetupInput.get();
    peers.audioSetup = fSetupAudio.get();
    peers.timeline = fLiveRecord.get();
    peers.dmxSetup = fDMXSetup.get();
    peers.liveRecord = fLiveButtonRecord.get();
    peers.about = fAbout.get();
    peers.cue = fCue.get();
    peers.rig = fRig.get();
    peers.rigDocument = rigDocument.get();
    peers.rigEngine = rigEngine.get();
    MainForm->setPeers(peers);
    if (pending_)
        static_cast<FirstPaint *>(pending_.get())->finish();
}

void Windows::showMainWindow() {
    MainForm->show();
    ui::centerOnScreen(MainForm.get());
}

Windows::~Windows() = default;

} // namespace zentri
