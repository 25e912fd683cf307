#include "wirelog.h"
#include "protocol.h"

#include <QByteArray>
#include <QHostAddress>
#include <atomic>
#include <cstring>

namespace zentri {

namespace {

std::atomic<QLoggingCategory::CategoryFilter> previousFilter{nullptr};

void infoFollowsDebug(QLoggingCategory *category) {
    if (const auto previous = previousFilter.load())
        previous(category);
    if (category->isDebugEnabled() && std::strncmp(category->categoryName(), "zentri.", 7) == 0)
        category->setEnabled(QtInfoMsg, true);
}

QString peer(const QHostAddress &address, quint16 port) {
    return address.toString() + QLatin1Char(':') + QString::number(port);
}

} // namespace

const QLoggingCategory &lcWire() {
    static const QLoggingCategory category("zentri.wire", QtWarningMsg);
    [[maybe_unused]] static const bool filtered = [] {
        previousFilter = QLoggingCategory::installFilter(infoFollowsDebug);
        QLoggingCategory::installFilter(infoFollowsDebug); // again, now that it can call the previous one
        return true;
    }();
    return category;
}

void enableWireLogging() {
    lcWire();
    QLoggingCategory::setFilterRules(QStringLiteral("zentri.*.debug=true"));
}

namespace wirelog {

QString leadingLetters(const QByteArray &data) {
    const char *longest = nullptr;
    for (const wire::ExpectedDatagram &e : wire::expectedDatagrams()) {
        if (data.startsWith(e.keyword) && (!longest || std::strlen(e.keyword) > std::strlen(longest)))
            longest = e.keyword;
    }
    if (longest)
        return QLatin1Char('"') + QLatin1String(longest) + QLatin1Char('"');
    constexpr int kMost = 16;
    qsizetype n = 0;
    while (n < data.size() && n < kMost && data[n] > ' ' && data[n] < 127)
        ++n;
    if (n > 0)
        return QLatin1Char('"') + QString::fromLatin1(data.left(n)) + QLatin1Char('"');
    if (data.isEmpty())
        return QStringLiteral("(empty)");
    return QStringLiteral("(no letters: %1)").arg(QString::fromLatin1(data.left(8).toHex(' ')));
}

// The texts are put together in one pass (arg with several strings): a datagram's letters may hold
// "%1" themselves.
void sent(const QByteArray &data, const QHostAddress &to, quint16 toPort, quint16 fromPort) {
    qCDebug(lcWire).noquote() << QStringLiteral("sent to %1 from port %2: %3, %4 bytes")
                                     .arg(peer(to, toPort), QString::number(fromPort), leadingLetters(data),
                                          QString::number(data.size()));
}

void received(const QByteArray &data, const QHostAddress &from, quint16 fromPort, quint16 port) {
    qCDebug(lcWire).noquote() << QStringLiteral("received from %1 on port %2: %3, %4 bytes")
                                     .arg(peer(from, fromPort), QString::number(port), leadingLetters(data),
                                          QString::number(data.size()));
    if (!lcWire().isInfoEnabled())
        return;
    const wire::DatagramCheck check = wire::checkDatagram(data, port);
    QString reason;
    if (check.verdict == wire::DatagramCheck::TooShort)
        reason = QStringLiteral("\"%1\" too short (got %2 of %3 bytes)")
                     .arg(QLatin1String(check.expected->keyword), QString::number(data.size()),
                          QString::number(check.expected->minimumSize));
    else if (check.verdict == wire::DatagramCheck::UnknownWord)
        reason = QStringLiteral("unknown leading letters ") + leadingLetters(data);
    else
        return;
    qCInfo(lcWire).noquote() << QStringLiteral("dropped from %1 on port %2: %3")
                                    .arg(peer(from, fromPort), QString::number(port), reason);
}

void queueFull(const QByteArray &data, const QHostAddress &from, quint16 fromPort, quint16 port) {
    qCInfo(lcWire).noquote() << QStringLiteral(
                                    "dropped from %1 on port %2: %3, the queue of received datagrams is full")
                                    .arg(peer(from, fromPort), QString::number(port), leadingLetters(data));
}

} // namespace wirelog
} // namespace zentri
