// Device records the tests start from: a Premium device, and records whose rows all differ so that a
// value written into the wrong row or field shows.
#pragma once

#include "device/protocol.h"
#include "setup/setup_input.h"

namespace records {

using zentri::recUrzadzenia;

// A Premium device called `name` at `ip`, with the factory configuration.
inline recUrzadzenia premium(const QString &name = QString(),
                             const QString &ip = QStringLiteral("127.0.0.9")) {
    recUrzadzenia rec;
    rec.Nazwa = name;
    rec.IP = ip;
    rec.ZentriVersion = zentri::kModulePremium;
    return rec;
}

// Eight outputs whose NET, Universe, Channel and Reserved all differ.
inline recUrzadzenia outputs() {
    recUrzadzenia rec = premium();
    for (int i = 0; i < 8; ++i)
        rec.Output[i] = {10 + i, 20 + i, 30 + i, 40 + i, i % 2 == 1};
    return rec;
}

// Eight inputs whose fields all differ, with the trigger window's other settings off their defaults.
inline recUrzadzenia triggers() {
    recUrzadzenia rec = premium();
    for (int i = 0; i < 8; ++i)
        rec.Trigger[i] = {10 + i, 20 + i, 100 + i, i % 4, 30 + i, 200 + i, 50 + 10 * i};
    rec.DestinationIP = {192, 168, 1, 20, 0};
    rec.TriggerButtonPlayMode = true;
    rec.playAfterPowerOn = 3;
    rec.InputSelect = 1;
    rec.Output[0].Channel = 77;
    rec.MasterVolume = 99;
    return rec;
}

// The audio player's patch and volumes off their defaults.
inline recUrzadzenia audio() {
    recUrzadzenia rec = premium();
    rec.dap = {3, 4, 10, 11, 12, 13, 14, 15, 1};
    rec.MasterVolume = 60;
    rec.Trigger[2].Volume = 33;
    rec.dmx.Output_NET = 5;
    return rec;
}

// The DMX output's patch and blackout option off their defaults, and a NET of another window.
inline recUrzadzenia dmx() {
    recUrzadzenia rec = premium();
    rec.dmx = {12, 34};
    rec.blackoutAtEndOfTheShow = true;
    rec.dap.NET = 6;
    rec.Output[1].NET = 8;
    return rec;
}

// Something off its default in every configuration window, at 127.0.0.2.
inline recUrzadzenia everyWindow() {
    recUrzadzenia rec = premium(QString(), QStringLiteral("127.0.0.2"));
    for (int i = 0; i < 8; ++i) {
        rec.Output[i] = {i, i + 1, 10 * i + 1, 0, i % 2 == 0};
        rec.Trigger[i] = {i, i + 2, 20 * i + 1, zentri::TfSetupInput::FunctionPlay, i + 1, i + 3, 16 * i};
    }
    rec.dap = {3, 4, 1, 2, 3, 4, 5, 6, 1};
    rec.dmx = {5, 6};
    rec.blackoutAtEndOfTheShow = true;
    return rec;
}

} // namespace records
