// Command line of zentri-emulator: either play devices on port 6454, or send a test Art-Net stream
// and exit.
#pragma once

#include "emulator_core.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zentri::emu {

struct ArtNetStream {
    QHostAddress host;
    quint16 port = 6454;
    int frames = 400;
    double fps = 40;
    int portAddress = 0; // Net << 8 | SubUni
    int startEmpty = 0;  // all-zero frames sent first
    int channels = 512;
};

struct Options {
    enum Mode { Devices, SendArtNet };
    Mode mode = Devices;
    QVector<DeviceIdentity> devices;
    QVector<ShowPreset> shows;
    QHostAddress bind{QHostAddress::AnyIPv4};
    bool quiet = false;
    // The share of datagrams lost each way (received and sent), drawn from a generator seeded with
    // `seed`, so that a run on a lossy network can be repeated.
    double loss = 0;
    quint32 seed = 1;
    ArtNetStream stream;
};

struct ParsedOptions {
    bool ok = false;
    bool help = false; // --help: print `text` and exit 0
    QString text;      // help text, or the error message naming the bad option
    Options options;
};

// `arguments` includes the program name first, as QCoreApplication::arguments() gives it.
ParsedOptions parseOptions(const QStringList &arguments);

} // namespace zentri::emu
