// A venue played for the watch service without any network: every discovery is answered at once with
// the info replies of the boxes that are not dark (each reply built as a device sends it and read back
// as the service reads it, so a name takes the same way in as on a real network), and every SD card
// question of a box that is not dark with "present". The page test and the service's soak use it.
#pragma once

#include "device/protocol.h"
#include "rig/network.h"

#include <QHash>
#include <QTimer>
#include <QVector>

namespace zentri::testing {

class PlayedVenue : public rig::Network {
public:
    struct Box {
        QByteArray reply; // the info reply
        QString ip;
        bool dark = false;
    };

    // Box k: named `name`, at 10.1.(k / 250).(k % 250 + 2), MAC 02:5A:45:00:HH:LL.
    void add(const QString &name, int masterVolume = 0) {
        const int k = static_cast<int>(boxes_.size());
        recUrzadzenia rec;
        rec.Nazwa = name;
        rec.MasterVolume = masterVolume;
        rec.Output[k % 8].Channel = k % 512 + 1;
        QByteArray mac = QByteArray::fromHex("025A45000000");
        mac[4] = char(k >> 8);
        mac[5] = char(k & 0xFF);
        Box b;
        b.reply = wire::infoReply(rec, 1, 1, 12, mac);
        b.ip = QStringLiteral("10.1.%1.%2").arg(k / 250).arg(k % 250 + 2);
        byIp_.insert(b.ip, k);
        boxes_ << b;
    }
    int size() const { return static_cast<int>(boxes_.size()); }
    // The record the service reads from box k's reply (a rig of the venue is made of these).
    recUrzadzenia record(int k) const { return *wire::parseInfoReply(boxes_[k].reply, boxes_[k].ip); }
    void setDark(int k, bool dark) { boxes_[k].dark = dark; }
    bool isDark(int k) const { return boxes_[k].dark; }
    int discoveries() const { return discoveries_; }

    DiscoveryReport discover() override {
        ++discoveries_;
        QTimer::singleShot(0, this, [this] {
            for (const Box &b : boxes_)
                if (!b.dark)
                    if (auto rec = wire::parseInfoReply(b.reply, b.ip))
                        emit infoReply(*rec);
        });
        DiscoveryReport r;
        r.sent << QStringLiteral("played venue");
        return r;
    }
    QVector<BroadcastInterface> broadcastWays() const override { return {}; }
    bool ask(const QHostAddress &, QString *) override { return true; }
    bool send(const QHostAddress &to, const QByteArray &, QString *) override {
        const int k = byIp_.value(to.toString(), -1);
        if (k >= 0 && !boxes_[k].dark)
            QTimer::singleShot(0, this, [this, ip = boxes_[k].ip] { emit sdCardReply(ip, true); });
        return true;
    }

private:
    QVector<Box> boxes_;
    QHash<QString, int> byIp_;
    int discoveries_ = 0;
};

} // namespace zentri::testing
