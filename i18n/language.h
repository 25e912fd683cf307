// The user's language: the program's own translations (embedded at build time) and Qt's translations of
// its standard buttons and dialogs, chosen from the locale as gettext programs choose theirs.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace zentri::i18n {

// The languages the environment asks for, most wanted first: nothing when the messages' locale
// (LC_ALL, else LC_MESSAGES, else LANG) is unset, "C" or "POSIX"; otherwise each entry of LANGUAGE
// (colon-separated) and then that locale itself, without its encoding and modifier ("de_DE.UTF-8@euro"
// gives "de_DE"). Read from the given variables, so that a test can hand them in.
QStringList requestedLanguages(const QString &lcAll, const QString &lcMessages, const QString &lang,
                               const QString &language);
QStringList requestedLanguages(); // from this process's environment

// The first of `languages` that the program is translated into ("de_AT" finds "de"), or an empty string
// when English comes first or none is translated.
QString chooseLanguage(const QStringList &languages);

// Installs the translators of `language` (as chooseLanguage returns it) into the application: the
// program's own, and Qt's "qtbase" of the same language when it is installed. Returns false and installs
// nothing when the program has no translation of it. The translators live until the application ends.
bool install(QCoreApplication *app, const QString &language);

// What a program calls at start, after its QCoreApplication exists: install(chooseLanguage(requested)).
void installFromEnvironment(QCoreApplication *app);

// While an English lives, the translators that install() put in translate nothing, so every text comes
// out as written in the sources: what a program prints for other programs to read (zentrictl's tables,
// states and JSON) stays English in every language. Scopes may nest; one thread.
class English {
public:
    English();
    ~English();
    English(const English &) = delete;
    English &operator=(const English &) = delete;
};

} // namespace zentri::i18n
