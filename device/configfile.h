// Configuration files: a device's whole configuration (every field the "!SETI" packet carries) with
// its name, MAC, firmware and module version, as human-readable JSON whose keys are the record's field
// names. Writing, reading with every check, and the differences between a file and a device.
#pragma once

#include "fields.h"
#include "records.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zentri::configfile {

// The value of the file's "format" key, and the newest format version this program reads and writes.
extern const char kFormatName[];
constexpr int kFormatVersion = 1;

// How a configuration field travels in the "!SETI" packet, and so which values a file may hold.
using Width = fields::Width;

// One configuration field of a record: its name in the file ("Output[2].Channel"), how it travels, and
// where it lives in the record (exactly one of `number` and `flag` is set).
struct FieldRef {
    QString path;
    Width width = Width::Byte;
    int32_t *number = nullptr;
    bool *flag = nullptr;
};

// Every configuration field the file holds, in the record's order. The module version is not one of
// them: it names the device's module, is kept with the name, MAC and firmware, and is never loaded.
QVector<FieldRef> configurationFields(recUrzadzenia &rec);

// The file text for a record (the record's IP is kept as a note of where it came from).
QByteArray write(const recUrzadzenia &rec);

// A file read and checked: the record holds the file's name, MAC, firmware, module version and IP as
// written, and every configuration field; everything else is as in a new record.
struct Parsed {
    std::optional<recUrzadzenia> file;
    QString error;         // one paragraph for the user when `file` is empty
    QStringList badFields; // the fields that were missing or held a value the packet cannot carry
};
Parsed parse(const QByteArray &text);
// The same for a configuration held in another file's JSON, whose text was checked for keys given twice.
Parsed parse(const QJsonObject &object);

struct Difference {
    QString field;  // as files name it: "Output[2].Channel"
    QString label;  // as the windows name it: "Output 3 channel"
    QString device; // the value in the device's record
    QString file;   // the value in the file
};
// The configuration fields in which `file` differs from `device`, in the record's order.
QVector<Difference> differences(const recUrzadzenia &device, const recUrzadzenia &file);

// The differences of a file that the windows do not offer to make on `device` because it has a
// Standard module (Art-Net NET and Universe, PWM, the DMX output); none for any other module.
QVector<Difference> changesNotOffered(const recUrzadzenia &device, const recUrzadzenia &file);

// The label of the trigger destination address as a whole, where people read it as one setting.
extern const char kDestinationIpLabel[];

// Differences as people read them: the four bytes of the trigger destination address that differ
// become one difference, labelled "Trigger destination IP", whose values are the whole addresses of
// `device` and `file` ("192.168.4.200"); the others stay as they are.
QVector<Difference> forPeople(const QVector<Difference> &diff, const recUrzadzenia &device,
                              const recUrzadzenia &file);
// The same as forPeople(differences(device, file), device, file).
QVector<Difference> differencesForPeople(const recUrzadzenia &device, const recUrzadzenia &file);
// The differences by their labels, each as `pattern` with %1 the label, %2 the device's value and %3
// the file's, joined by ", ".
QString labelledList(const QVector<Difference> &diff, const QString &pattern);
// The window's name of the setting a file names `path` ("Output 3 channel" for "Output[2].Channel");
// empty when it names no setting.
QString labelOf(const QString &path);

// Copies every configuration field of `file` into `rec`; the identity fields and the module version
// stay the device's own.
void applyConfiguration(const recUrzadzenia &file, recUrzadzenia &rec);

// The configuration fields only, as equal or not (what a check after sending compares).
bool sameConfiguration(const recUrzadzenia &a, const recUrzadzenia &b);

// A short text of the differences, at most `maxLines` of them and a count of the rest, with a line
// about where the file came from when it was saved from another device.
QString summary(const recUrzadzenia &device, const recUrzadzenia &file, int maxLines = 12);

} // namespace zentri::configfile
