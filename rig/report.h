// The commissioning report for a client: every device's identity and state, its patch and the conflicts,
// as one HTML page, a PDF of the same page, and the patch as CSV. No widgets: the rig window and the
// patch window call it, and so can anything else with a QGuiApplication (the text document needs one).
#pragma once

#include "device/discovery.h"
#include "device/records.h"
#include "patch.h"
#include "rigstates.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zentri::rig {

struct ReportDevice {
    recUrzadzenia record; // identity (name, IP, MAC, firmware, module version) and settings
    SdCard sdCard = SdCard::Unknown;
    std::optional<State> state; // none for a device found without a rig ("found")
};

struct ReportInput {
    QString title; // "Rig \"Main stage\"" or "Devices found"
    QDateTime when;
    QVector<ReportDevice> devices;
    QVector<InterfaceInfo> interfaces; // for the trigger destination checks (see patchOf)
};

// The records of `in`'s devices, in order: what patchOf and patchCsv take.
QVector<recUrzadzenia> recordsOf(const ReportInput &in);

// The report as one HTML page: the date; a table of every device's identity, SD card, state and the
// input it follows; each device's patch (its uses); the conflicts with their devices by name and MAC.
// `patch` is patchOf(recordsOf(in), ...). Every text from the devices is HTML-escaped.
QString reportHtml(const ReportInput &in, const Patch &patch);

// Writes <base>.pdf (A4, page numbers), <base>.html and <base>.csv, each atomically; `written` gets the
// paths. False with `error` naming the file that failed and why: every path is checked before any is
// written, and the files this call made new before a failure are removed again; a file it replaced
// stays replaced, written whole.
bool writeReport(const ReportInput &in, const QString &base, QStringList *written, QString *error);

} // namespace zentri::rig
