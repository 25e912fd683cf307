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

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23 // Linux 5.14
#endif

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

namespace {
constexpr size_t kHeapStep = 12u << 20; // about what building every window takes
constexpr size_t kBlock = 64u << 10;    // below the size that malloc serves from a mapping of its own
} // namespace

void prepareHeap() {
    // The heap grows in one step of this size, and stays when the blocks below are given back.
    mallopt(M_TOP_PAD, int(kHeapStep));
    mallopt(M_TRIM_THRESHOLD, int(2 * kHeapStep));
    char *const before = static_cast<char *>(sbrk(0));
    std::vector<void *> blocks;
    while (static_cast<char *>(sbrk(0)) == before && blocks.size() < 64)
        blocks.push_back(std::malloc(kBlock));
    char *const after = static_cast<char *>(sbrk(0));
    for (void *b : blocks)
        std::free(b);
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t from = (reinterpret_cast<uintptr_t>(before) + page - 1) & ~(page - 1);
    const uintptr_t to = reinterpret_cast<uintptr_t>(after) & ~(page - 1);
    if (to > from) // all pages of the step at once, instead of one fault for each page later
        madvise(reinterpret_cast<void *>(from), to - from, MADV_POPULATE_WRITE);
    mallopt(M_TOP_PAD, 128 * 1024); // later growth in the usual steps
}

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
    // Nothing the user sees needs the cue editor's 512 channel editors before that window is shown:
    // they are built once the main window is up.
    fCue->buildChannelEditorsWhenIdle(MainForm.get());
}

Windows::~Windows() = default;

} // namespace zentri
