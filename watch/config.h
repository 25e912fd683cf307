// The watch service's settings: the command line (QCommandLineParser) over /etc/zentri/watch.conf,
// which may give the same keys ("interval = 5"); the command line wins. A bad value is refused with
// one message, and the program then exits 2.
#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QUrl>
#include <QVector>
#include <optional>

namespace zentri::watchsvc {

constexpr int kBadUsage = 2;
extern const char kDefaultConfigPath[]; // /etc/zentri/watch.conf

// Quiet hours: a window of the day, which may cross midnight ("22:00-07:00").
struct QuietHours {
    QTime start, end; // start != end
    // Whether `t` lies inside: from start (included) to end (excluded).
    bool contains(const QTime &t) const;
    QString text() const;
};
// "HH:MM-HH:MM", two digits each; none with the reason in `error`.
std::optional<QuietHours> parseQuietHours(const QString &text, QString *error);

struct Config {
    QString rigPath = QStringLiteral("/etc/zentri/rig.json");
    int interval = 3; // seconds
    QHostAddress listenAddress = QHostAddress(QHostAddress::LocalHost);
    quint16 listenPort = 7880;
    QString stateDir = QStringLiteral("/var/lib/zentri-watch");
    QStringList onEvent;
    QVector<QUrl> webhooks;
    std::optional<QuietHours> quietHours;
    // Where the discovery request goes: the limited broadcast out of every interface by default; tests
    // aim it at one loopback address.
    QHostAddress discoveryTarget = QHostAddress(QHostAddress::Broadcast);
    QString configPath; // the file read, if any
};

// What parsing the arguments came to: a configuration, or the text to print and the exit status
// (0 for --help and --version, kBadUsage for a bad value).
struct Parsed {
    std::optional<Config> config;
    QString message;
    int status = 0;
};

// `arguments` as main() gets them (the program's name first). `readFile` reads the configuration file
// (the default path, or --config's); it returns none when the file does not exist. Tests give their own.
using FileReader = std::optional<QByteArray> (*)(const QString &path, QString *error);
std::optional<QByteArray> readConfigFile(const QString &path, QString *error);
Parsed parseArguments(const QStringList &arguments, FileReader readFile = readConfigFile);

// "ADDRESS:PORT" ("127.0.0.1:7880", "[::1]:7880", "0.0.0.0:7880").
bool parseListen(const QString &text, QHostAddress *address, quint16 *port, QString *error);

} // namespace zentri::watchsvc
