// The device's settings, described once: for every field that the info reply and the "!SETI" packet
// carry, the record member it lives in, its offset in each packet, how it travels, and its names. The
// packets, the configuration files, the differences and the emulator's change list are all walks over
// this one table, so a field is added or moved in one place.
#pragma once

#include "records.h"

#include <QString>
#include <QVector>

namespace zentri::fields {

// How a field travels: one byte (the low eight bits of the value), 16 bits big-endian, or one byte
// 1 or 0 read back as "non-zero is true".
enum class Width { Byte, Word, Flag };
// The largest value a field of that width carries (1 for a flag).
int32_t maximumOf(Width width);

struct Field {
    // Where the field sits in a configuration file's "configuration" object: a key of its own
    // ("InputSelect"), a key of a group object ("dap"/"NET"), an element of a list of numbers
    // ("DestinationIP"/2) or a key of an element of a list of objects ("Output"/2/"Channel").
    QString group;
    int index = -1;
    QString key;
    QString path;  // the same as one name, as in files and --json: "Output[2].Channel"
    QString label; // as the windows name it: "Output 3 channel"
    QString brief; // the emulator's short name: "out3.ch"
    Width width = Width::Byte;
    int infoOffset = 0; // in the 212-byte info reply
    int setiOffset = 0; // in the 138-byte "!SETI"
    // False for the module version only: both packets carry it, but it names the device's hardware,
    // so it is no setting: never compared, loaded or sent as the file's.
    bool setting = true;
    // True for what no window offers for a Standard module: Art-Net NET and Universe, PWM, the DMX output.
    bool premiumOnly = false;

    int32_t *(*number)(recUrzadzenia &, int index) = nullptr; // Byte and Word fields
    bool *(*flag)(recUrzadzenia &, int index) = nullptr;      // Flag fields

    // The field's value in a record (a flag as 0 or 1), and its text ("300", "true").
    int32_t value(const recUrzadzenia &rec) const;
    void setValue(recUrzadzenia &rec, int32_t value) const;
    QString text(const recUrzadzenia &rec) const;
};

// Every field both packets carry, in the record's order (the module version among them).
const QVector<Field> &all();
// The settings only: everything a configuration file holds and a check after sending compares.
const QVector<Field> &settings();

} // namespace zentri::fields
