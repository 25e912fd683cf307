// Device record: the manager's only copy of one Zentri device's identity and configuration.
#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

namespace zentri {

// Module versions reported in the info reply.
constexpr int kModuleStandard = 0;
constexpr int kModulePremium = 254;

struct rtrigger {
    int32_t NET = 0;
    int32_t Universe = 0;
    int32_t Channel = 0;
    int32_t Function = 0;
    int32_t Catalog = 0;
    int32_t File = 0;
    int32_t Volume = 0;
};

struct routput {
    int32_t NET = 0;
    int32_t Universe = 0;
    int32_t Channel = 0;
    int32_t Reserved = 0; // never read or written by any message
    bool PWM = false;
};

struct rdap {
    int32_t NET = 0;
    int32_t Universe = 0;
    int32_t CatalogID_DMXch = 0;
    int32_t FileID_DMXch = 0;
    int32_t Volume_DMXch = 0;
    int32_t State_DMXch = 0;
    int32_t Bass_DMXch = 0;
    int32_t Treble_DMXch = 0;
    int32_t playLoop = 0;
};

struct rdmx {
    int32_t Output_NET = 0;
    int32_t Output_Universe = 0;
};

struct recUrzadzenia {
    QString Nazwa;
    QString OpisUzytkownika;
    QString IP;
    QString MAC;
    int32_t PINGLive = 0;
    int32_t KanalDMX = 0;
    int32_t Universe = 0;
    int32_t SubUniverse = 0;
    int32_t WorkMode = 0;
    QString FWVer;
    QString HWVer;
    int32_t Equipment = 0;
    std::array<rtrigger, 8> Trigger{};
    bool TriggerButtonPlayMode = false;
    std::array<routput, 8> Output{};
    rdap dap{};
    int32_t InputSelect = 0;
    std::array<int32_t, 5> DestinationIP{}; // element 4 is never used
    rdmx dmx{};
    int32_t ZentriVersion = 0;
    int32_t MasterVolume = 0;
    int32_t playAfterPowerOn = 0;
    bool blackoutAtEndOfTheShow = false;
};

bool operator==(const rtrigger &a, const rtrigger &b);
bool operator==(const routput &a, const routput &b);
bool operator==(const rdap &a, const rdap &b);
bool operator==(const rdmx &a, const rdmx &b);
bool operator==(const recUrzadzenia &a, const recUrzadzenia &b);
inline bool operator!=(const recUrzadzenia &a, const recUrzadzenia &b) {
    return !(a == b);
}

// The audio player's six DMX channels, in the record's order (catalog, file, volume, state, bass, treble).
template <typename Dap> auto audioChannels(Dap &d) { // rdap or const rdap
    return std::array{&d.CatalogID_DMXch, &d.FileID_DMXch, &d.Volume_DMXch,
                      &d.State_DMXch,     &d.Bass_DMXch,   &d.Treble_DMXch};
}

// The trigger destination address as "a.b.c.d".
QString destinationText(const recUrzadzenia &rec);

// The main window's device array; a record's position is its record index.
using DeviceArray = QVector<recUrzadzenia>;

} // namespace zentri
