// Application start-up: every window is created once, in a fixed order, and lives until the end.
#pragma once

#include <future>
#include <memory>
#include <thread>

class QObject;

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
class RigWindow;
class MainWindowNetwork;
namespace rig {
class Document;
class Engine;
} // namespace rig

struct Windows {
    // All ten windows at once (tests and tools), or the program's own start-up: the main window
    // first, and the other nine, in the same order, as soon as the main window's first paint is
    // over, so the user sees it sooner. Until then nothing else runs: an input event that comes
    // first has them built before it is delivered.
    enum class Build { AllNow, MainWindowFirst };

    explicit Windows(Build build = Build::AllNow);
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
    // The rig: the document the Rig menu and the rig window work on, and the engine on the main
    // window's network that watches and confirms.
    std::unique_ptr<MainWindowNetwork> rigNetwork;
    std::unique_ptr<rig::Document> rigDocument;
    std::unique_ptr<rig::Engine> rigEngine;
    std::unique_ptr<RigWindow> fRig;

    // Shows the main window, centred on the screen.
    void showMainWindow();
    // Builds, in start-up order, the windows that do not exist yet, and introduces them to the main
    // window; nothing once all exist.
    void buildTheOthers();
    bool complete() const { return fRig != nullptr; }

private:
    std::unique_ptr<QObject> pending_; // watches for the first paint (Build::MainWindowFirst)
};

// Start-up work that the main window's construction and first paint would otherwise wait for, done on
// a second thread meanwhile: the font configuration (fontconfig's FcInit: its files and caches) while
// the QApplication is made, then the list of image formats (read from Qt's plugin folder at the first
// picture a style loads) while the main window is built. Made before the QApplication;
// applicationReady() once it exists, before anything shows a text: it waits until the font
// configuration is read; finish() waits for the thread (the destructor too).
class StartUpAhead {
public:
    StartUpAhead();
    ~StartUpAhead();
    StartUpAhead(const StartUpAhead &) = delete;
    StartUpAhead &operator=(const StartUpAhead &) = delete;
    void applicationReady();
    void finish();

private:
    std::promise<bool> application_; // true: the QApplication exists; false: stop
    std::future<void> fonts_;        // ready once the font configuration is read
    bool told_ = false;
    std::thread thread_;
};

// Application-wide settings: tool-tips appear 100 ms after the pointer stops.
void setUpApplication();

} // namespace zentri
