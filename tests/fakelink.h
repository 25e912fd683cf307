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

    int getRecID() const override { return selectedIndex; }
    zentri::recUrzadzenia &device(int index) override { return records[index]; }
    bool sendToDevice(int index, const QByteArray &datagram) override {
        sent.append({index, datagram});
        return !refuseSends;
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
    bool refuseSends = false;
    QVector<SentDatagram> sent;
};
