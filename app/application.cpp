#include "application.h"
#include "about.h"
#include "mainwindow.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/f_liverecord.h"

#include <QApplication>
#include <QProxyStyle>

namespace zentri {

namespace {
class ZentriStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 100;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};
} // namespace

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Zentri manager"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setStyle(new ZentriStyle);
}

Windows::Windows()
    : MainForm(std::make_unique<TMainForm>()), fSetupOutput(std::make_unique<TfSetupOutput>(MainForm.get())),
      fSetupInput(std::make_unique<TfSetupInput>(MainForm.get())),
      fSetupAudio(std::make_unique<TfSetupAudio>(MainForm.get())),
      fLiveRecord(std::make_unique<TfLiveRecord>()), fDMXSetup(std::make_unique<TfDMXSetup>(MainForm.get())),
      fLiveButtonRecord(std::make_unique<TfLiveButtonRecord>(MainForm.get(), MainForm.get())),
      fAbout(std::make_unique<TfAbout>()), fCue(std::make_unique<TfCue>(MainForm.get())) {
    MainWindowPeers peers;
    peers.outputSetup = fSetupOutput.get();
    peers.triggerSetup = fSetupInput.get();
    peers.audioSetup = fSetupAudio.get();
    peers.timeline = fLiveRecord.get();
    peers.dmxSetup = fDMXSetup.get();
    peers.liveRecord = fLiveButtonRecord.get();
    peers.about = fAbout.get();
    peers.cue = fCue.get();
    MainForm->setPeers(peers);
}

Windows::~Windows() = default;

} // namespace zentri
