// What zentrictl's commands share: the exit statuses, the parsed arguments, printing and failing,
// and the checks of options every command reads the same way.
#pragma once

#include "i18n/language.h"

#include <QHostAddress>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdio>
#include <map>
#include <optional>

namespace zentri::ctl {

// 0 success, 1 a device did not answer or a check failed, 2 bad usage or a bad file (nothing sent),
// 3 the reply port is held by another program.
constexpr int kOk = 0, kNoAnswer = 1, kUsage = 2, kPortBusy = 3;
constexpr int kDefaultWaitMs = 2000;

struct Arguments {
    QString command; // "backup", "rig check"
    QStringList positional;
    QSet<QString> flags;                  // "--json"
    std::map<QString, QString> values;    // "--wait" -> "500"
    std::map<QString, QStringList> lists; // options that may be given more than once

    QString value(const QString &option) const {
        const auto it = values.find(option);
        return it == values.end() ? QString() : it->second;
    }
    QStringList list(const QString &option) const {
        const auto it = lists.find(option);
        return it == lists.end() ? QStringList() : it->second;
    }
};

// `bytes` on standard output or error, at once.
void putBytes(FILE *to, const QByteArray &bytes);
// One line on standard output.
void out(const QString &text);
// "zentrictl: TEXT" on standard error; returns `status`.
int fail(int status, const QString &text);
// The whole number given as `option`, from `min` to `max`, or `byDefault` without it; none, with
// "OPTION: "TEXT" is not a number of WHAT" in `error`, on bad input.
std::optional<int> numberOption(const Arguments &a, const QString &option, int min, int max, int byDefault,
                                const QString &what, QString *error);
// --wait, in milliseconds (default kDefaultWaitMs); none with the reason on bad input.
std::optional<int> waitOption(const Arguments &a, QString *error);
// The addresses to ask one by one of --address options or a rig's ranges; none on a bad one.
std::optional<QVector<QHostAddress>> extraAddresses(const QStringList &texts, QString *error);
// --wait, when there are `words` plain arguments; none, with the bad --wait or "COMMAND needs WHAT;
// see zentrictl COMMAND --help" printed, otherwise.
std::optional<int> waitAndWords(const Arguments &a, int words, const QString &what);
// Asks "QUESTION [y/N]" on the terminal; false without a terminal or without a yes.
bool askOnTerminal(const QString &question);

// What `make` returns, made with the texts of the device and rig models in English. The lines that
// scripts read (tables of devices, states, events and uses; JSON; the devices a plan sends nothing)
// are the same in every language; zentrictl's messages and help are in the user's.
template <typename Make> auto inEnglish(Make make) {
    const i18n::English english;
    return make();
}

// The rig and watching commands.
int rigCapture(const Arguments &a);
int rigCheck(const Arguments &a);
int rigApply(const Arguments &a);
int rigReplace(const Arguments &a);
int watch(const Arguments &a);
int patch(const Arguments &a);
// A running watch service's states, read from its /api/status.
int status(const Arguments &a);

} // namespace zentri::ctl
