// A stand-in for the main window in window tests: a device array, a selected record and a log of
// every datagram a window sends (nothing reaches the network).
#pragma once

#include "device/link.h"

#include <QByteArray>
#include <QVector>

struct SentDatagram {
    int device;
    QByteArray data;
};

class FakeLink : public zentri::DeviceLink {
public:
    explicit FakeLink(int devices = 1) : records(devices) {
        for (int i = 0; i < devices; ++i)
            records[i].IP = QStringLiteral("127.0.0.%1").arg(i + 2);
    }

    zentri::DeviceRef selectedDevice() const override {
        return selectedIndex >= 0 ? zentri::DeviceRef{selectedIndex, discovery} : zentri::DeviceRef{};
    }
    std::optional<zentri::recUrzadzenia> record(zentri::DeviceRef d) const override {
        if (!listed(d))
            return std::nullopt;
        return records[d.index];
    }
    bool storeRecord(zentri::DeviceRef d, const zentri::recUrzadzenia &rec) override {
        if (!listed(d))
            return false;
        records[d.index] = rec;
        return true;
    }
    bool sendToDevice(zentri::DeviceRef d, const QByteArray &datagram) override {
        if (!listed(d))
            return false;
        sent.append({d.index, datagram});
        return !refuseSends;
    }
    bool listed(zentri::DeviceRef d) const {
        return d.discovery == discovery && d.index >= 0 && d.index < records.size();
    }

    // Datagrams sent so far whose leading letters are `word` (all when empty).
    QVector<QByteArray> sentWith(const char *word = "") const {
        QVector<QByteArray> out;
        for (const auto &s : sent)
            if (s.data.startsWith(word))
                out.append(s.data);
        return out;
    }

    zentri::DeviceArray records;
    int selectedIndex = 0;
    quint32 discovery = 0; // a new discovery: records of an older one are gone
    bool refuseSends = false;
    QVector<SentDatagram> sent;
};
