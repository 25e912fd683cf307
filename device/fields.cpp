#include "fields.h"

#include <QCoreApplication>

namespace zentri::fields {

namespace {

// The packets' offsets of each field, or of the first of a group of eight (four for the address);
// element i of a group sits at the offset + i, or + 2i for 16-bit fields.
namespace info {
constexpr int TrigNet = 79, TrigUniverse = 87, TrigChannel = 95, InputSelect = 111, DestIp = 112;
constexpr int OutNet = 116, OutUniverse = 124, OutChannel = 132, OutPwm = 148, Dap = 156;
constexpr int DmxNet = 172, DmxUniverse = 173, TrigFunction = 174, TrigCatalog = 182, TrigFile = 190;
constexpr int PlayMode = 198, TrigVolume = 199, Version = 207, MasterVolume = 208, PlayAfter = 209;
constexpr int PlayLoop = 210, Blackout = 211;
} // namespace info
namespace seti {
constexpr int TrigNet = 5, TrigUniverse = 13, TrigChannel = 21, OutNet = 37, OutUniverse = 45;
constexpr int OutChannel = 53, InputSelect = 69, DestIp = 70, OutPwm = 74, Dap = 82, DmxNet = 98;
constexpr int DmxUniverse = 99, TrigFunction = 100, TrigCatalog = 108, TrigFile = 116, PlayMode = 124;
constexpr int TrigVolume = 125, Version = 133, MasterVolume = 134, PlayAfter = 135, PlayLoop = 136;
constexpr int Blackout = 137;
} // namespace seti

// One row of the table below: a field, or a group of `count` fields of the same kind.
struct Kind {
    const char *group; // empty for a field of its own
    const char *key;   // empty for an element of a list of numbers
    int count;         // 0: not in a list; otherwise the list's length
    const char *label; // %1 stands for the element's number, from 1
    const char *brief; // the same
    Width width;
    int infoOffset;
    int setiOffset;
    bool premiumOnly;
    int32_t *(*number)(recUrzadzenia &, int);
    bool *(*flag)(recUrzadzenia &, int);
    bool setting = true;
};

#define NUMBER(expr)                                                                                         \
    [](recUrzadzenia &r, int i) -> int32_t * {                                                               \
        (void)i;                                                                                             \
        return &(expr);                                                                                      \
    },                                                                                                       \
        nullptr
#define FLAG(expr)                                                                                           \
    nullptr, [](recUrzadzenia &r, int i) -> bool * {                                                         \
        (void)i;                                                                                             \
        return &(expr);                                                                                      \
    }

constexpr bool P = true; // Premium only
constexpr Width B = Width::Byte, W = Width::Word, F = Width::Flag;

// The fields in the record's order. The trigger destination address is four bytes; its fifth
// element is never carried.
const Kind kKinds[] = {
    {"Trigger", "NET", 8, QT_TRANSLATE_NOOP("zentri::fields", "Trigger %1 Art-Net NET"), "trig%1.net", B,
     info::TrigNet, seti::TrigNet, P, NUMBER(r.Trigger[i].NET)},
    {"Trigger", "Universe", 8, QT_TRANSLATE_NOOP("zentri::fields", "Trigger %1 Art-Net universe"),
     "trig%1.uni", B, info::TrigUniverse, seti::TrigUniverse, P, NUMBER(r.Trigger[i].Universe)},
    {"Trigger", "Channel", 8, QT_TRANSLATE_NOOP("zentri::fields", "Trigger %1 channel"), "trig%1.ch", W,
     info::TrigChannel, seti::TrigChannel, false, NUMBER(r.Trigger[i].Channel)},
    {"Trigger", "Function", 8, QT_TRANSLATE_NOOP("zentri::fields", "Trigger %1 function"), "trig%1.fn", B,
     info::TrigFunction, seti::TrigFunction, false, NUMBER(r.Trigger[i].Function)},
    {"Trigger", "Catalog", 8, QT_TRANSLATE_NOOP("zentri::fields", "Trigger %1 catalog"), "trig%1.cat", B,
     info::TrigCatalog, seti::TrigCatalog, false, NUMBER(r.Trigger[i].Catalog)},
    {"Trigger", "File", 8, QT_TRANSLATE_NOOP("zentri::fields", "Trigger %1 file"), "trig%1.file", B,
     info::TrigFile, seti::TrigFile, false, NUMBER(r.Trigger[i].File)},
    {"Trigger", "Volume", 8, QT_TRANSLATE_NOOP("zentri::fields", "Trigger %1 volume"), "trig%1.vol", B,
     info::TrigVolume, seti::TrigVolume, false, NUMBER(r.Trigger[i].Volume)},
    {"", "TriggerButtonPlayMode", 0,
     QT_TRANSLATE_NOOP("zentri::fields", "Play button interrupts the trigger"), "playButtonInterrupts", F,
     info::PlayMode, seti::PlayMode, false, FLAG(r.TriggerButtonPlayMode)},
    {"Output", "NET", 8, QT_TRANSLATE_NOOP("zentri::fields", "Output %1 Art-Net NET"), "out%1.net", B,
     info::OutNet, seti::OutNet, P, NUMBER(r.Output[i].NET)},
    {"Output", "Universe", 8, QT_TRANSLATE_NOOP("zentri::fields", "Output %1 Art-Net universe"), "out%1.uni",
     B, info::OutUniverse, seti::OutUniverse, P, NUMBER(r.Output[i].Universe)},
    {"Output", "Channel", 8, QT_TRANSLATE_NOOP("zentri::fields", "Output %1 channel"), "out%1.ch", W,
     info::OutChannel, seti::OutChannel, false, NUMBER(r.Output[i].Channel)},
    {"Output", "PWM", 8, QT_TRANSLATE_NOOP("zentri::fields", "Output %1 PWM"), "out%1.pwm", F, info::OutPwm,
     seti::OutPwm, P, FLAG(r.Output[i].PWM)},
    {"dap", "NET", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player Art-Net NET"), "audio.net", W,
     info::Dap, seti::Dap, P, NUMBER(r.dap.NET)},
    {"dap", "Universe", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player Art-Net universe"), "audio.uni",
     W, info::Dap + 2, seti::Dap + 2, P, NUMBER(r.dap.Universe)},
    {"dap", "CatalogID_DMXch", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player catalog channel"),
     "audio.catalogCh", W, info::Dap + 4, seti::Dap + 4, false, NUMBER(r.dap.CatalogID_DMXch)},
    {"dap", "FileID_DMXch", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player file channel"),
     "audio.fileCh", W, info::Dap + 6, seti::Dap + 6, false, NUMBER(r.dap.FileID_DMXch)},
    {"dap", "Volume_DMXch", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player volume channel"),
     "audio.volumeCh", W, info::Dap + 8, seti::Dap + 8, false, NUMBER(r.dap.Volume_DMXch)},
    {"dap", "State_DMXch", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player state channel"),
     "audio.stateCh", W, info::Dap + 10, seti::Dap + 10, false, NUMBER(r.dap.State_DMXch)},
    {"dap", "Bass_DMXch", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player bass channel"), "audio.bassCh",
     W, info::Dap + 12, seti::Dap + 12, false, NUMBER(r.dap.Bass_DMXch)},
    {"dap", "Treble_DMXch", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player treble channel"),
     "audio.trebleCh", W, info::Dap + 14, seti::Dap + 14, false, NUMBER(r.dap.Treble_DMXch)},
    {"dap", "playLoop", 0, QT_TRANSLATE_NOOP("zentri::fields", "Audio player play loop"), "audio.loop", B,
     info::PlayLoop, seti::PlayLoop, false, NUMBER(r.dap.playLoop)},
    {"", "InputSelect", 0, QT_TRANSLATE_NOOP("zentri::fields", "Input source"), "input", B, info::InputSelect,
     seti::InputSelect, false, NUMBER(r.InputSelect)},
    {"DestinationIP", "", 4, QT_TRANSLATE_NOOP("zentri::fields", "Trigger destination IP byte %1"), "dest%1",
     B, info::DestIp, seti::DestIp, false, NUMBER(r.DestinationIP[i])},
    {"dmx", "Output_NET", 0, QT_TRANSLATE_NOOP("zentri::fields", "DMX output Art-Net NET"), "dmxOut.net", B,
     info::DmxNet, seti::DmxNet, P, NUMBER(r.dmx.Output_NET)},
    {"dmx", "Output_Universe", 0, QT_TRANSLATE_NOOP("zentri::fields", "DMX output Art-Net universe"),
     "dmxOut.uni", B, info::DmxUniverse, seti::DmxUniverse, P, NUMBER(r.dmx.Output_Universe)},
    {"", "ZentriVersion", 0, QT_TRANSLATE_NOOP("zentri::fields", "Module version"), "module", B,
     info::Version, seti::Version, false, NUMBER(r.ZentriVersion), false},
    {"", "MasterVolume", 0, QT_TRANSLATE_NOOP("zentri::fields", "Master volume"), "masterVolume", B,
     info::MasterVolume, seti::MasterVolume, false, NUMBER(r.MasterVolume)},
    {"", "playAfterPowerOn", 0, QT_TRANSLATE_NOOP("zentri::fields", "Play after power-on"),
     "playAfterPowerOn", B, info::PlayAfter, seti::PlayAfter, false, NUMBER(r.playAfterPowerOn)},
    {"", "blackoutAtEndOfTheShow", 0, QT_TRANSLATE_NOOP("zentri::fields", "Blackout at the end of the show"),
     "blackout", F, info::Blackout, seti::Blackout, false, FLAG(r.blackoutAtEndOfTheShow)},
};

#undef NUMBER
#undef FLAG

QVector<Field> expand() {
    QVector<Field> out;
    for (const Kind &k : kKinds) {
        const int count = k.count == 0 ? 1 : k.count;
        const int step = k.width == Width::Word ? 2 : 1;
        for (int i = 0; i < count; ++i) {
            Field f;
            f.group = QString::fromLatin1(k.group);
            f.index = k.count == 0 ? -1 : i;
            f.key = QString::fromLatin1(k.key);
            if (f.group.isEmpty())
                f.path = f.key;
            else if (f.index < 0)
                f.path = f.group + '.' + f.key;
            else
                f.path = QStringLiteral("%1[%2]").arg(f.group).arg(i) +
                         (f.key.isEmpty() ? QString() : '.' + f.key);
            const QString n = QString::number(i + 1);
            f.label = QCoreApplication::translate("zentri::fields", k.label).replace(QLatin1String("%1"), n);
            f.brief = QString::fromLatin1(k.brief).replace(QLatin1String("%1"), n);
            f.width = k.width;
            // Groups of eight: element i at + i, 16-bit ones at + 2i. Single fields list their own offsets.
            f.infoOffset = k.infoOffset + (k.count == 0 ? 0 : step * i);
            f.setiOffset = k.setiOffset + (k.count == 0 ? 0 : step * i);
            f.setting = k.setting;
            f.premiumOnly = k.premiumOnly;
            f.number = k.number;
            f.flag = k.flag;
            out.append(f);
        }
    }
    return out;
}

} // namespace

int32_t maximumOf(Width width) {
    return width == Width::Word ? 0xFFFF : width == Width::Flag ? 1 : 0xFF;
}

int32_t Field::value(const recUrzadzenia &rec) const {
    auto &r = const_cast<recUrzadzenia &>(rec); // the accessors only point, they do not write
    return flag ? (*flag(r, index < 0 ? 0 : index) ? 1 : 0) : *number(r, index < 0 ? 0 : index);
}

void Field::setValue(recUrzadzenia &rec, int32_t v) const {
    if (flag)
        *flag(rec, index < 0 ? 0 : index) = v != 0;
    else
        *number(rec, index < 0 ? 0 : index) = v;
}

QString Field::text(const recUrzadzenia &rec) const {
    if (flag)
        return value(rec) ? QStringLiteral("true") : QStringLiteral("false");
    return QString::number(value(rec));
}

const QVector<Field> &all() {
    static const QVector<Field> table = expand();
    return table;
}

const QVector<Field> &settings() {
    static const QVector<Field> table = [] {
        QVector<Field> out;
        for (const Field &f : all())
            if (f.setting)
                out.append(f);
        return out;
    }();
    return table;
}

} // namespace zentri::fields
