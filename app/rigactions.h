// What the main window's Rig menu and the rig window do alike with the rig: its file (each asks before
// it drops changes that are not saved) and its patch and report. The rig itself is the document's.
#pragma once

#include "device/records.h"
#include "patchwindow.h"
#include "rig/document.h"
#include "rig/engine.h"

class QWidget;

namespace zentri::rigactions {

// The questions' title: "Zentri rig".
QString title();
bool dropChanges(QWidget *parent, const rig::Document &document);
void newFromDevices(QWidget *parent, rig::Document &document, const QVector<recUrzadzenia> &devices);
void openWithDialog(QWidget *parent, rig::Document &document);
bool save(QWidget *parent, rig::Document &document);
bool saveAs(QWidget *parent, rig::Document &document);

// The rig's entries (as the devices should be) and the devices found, for the patch window.
QVector<PatchSource> patchSources(const rig::Engine &engine, const rig::Rig &rig);
void showPatch(QWidget *parent, rig::Engine &engine, const rig::Rig &rig);
void exportReport(QWidget *parent, rig::Engine &engine, const rig::Rig &rig);

} // namespace zentri::rigactions
