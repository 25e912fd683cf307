// Application start-up: every window is created once, in a fixed order, and lives until the end.
#pragma once

#include <memory>

namespace zentri {

class TMainForm;
class TfSetupOutput;
class TfSetupInput;
class TfSetupAudio;
class TfLiveRecord;
class TfDMXSetup;
class TfLiveButtonRecord;
class TfAbout;
class TfCue;

struct Windows {
    Windows();
    ~Windows();
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TfSetupOutput> fSetupOutput;
    std::unique_ptr<TfSetupInput> fSetupInput;
    std::unique_ptr<TfSetupAudio> fSetupAudio;
    std::unique_ptr<TfLiveRecord> fLiveRecord;
    std::unique_ptr<TfDMXSetup> fDMXSetup;
    std::unique_ptr<TfLiveButtonRecord> fLiveButtonRecord;
    std::unique_ptr<TfAbout> fAbout;
    std::unique_ptr<TfCue> fCue;
};

// Application-wide settings: tool-tips appear 100 ms after the pointer stops.
void setUpApplication();

// Called first thing in main(): makes the heap ready, in one step, for what building the windows
// takes. Faulting fresh memory in page by page is a large part of the start-up on a virtual machine;
// one request for all of it costs a fraction of that. Does nothing where the system cannot do it.
void prepareHeap();

} // namespace zentri
