#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace zentri::i18n {

namespace {

// How many English scopes are open.
int englishScopes = 0;

// A translator that gives no translation while an English scope is open.
class Translator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override {
        if (englishScopes > 0)
            return {};
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

// The program's translations, compiled from translations/zentri_LANG.ts into the resources.
QString programFile(const QString &language) {
    return QStringLiteral(":/i18n/zentri_%1.qm").arg(language);
}

// "de_DE.UTF-8@euro" -> "de_DE"; "pl" -> "pl".
QString withoutEncoding(QString name) {
    const int cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        name.truncate(cut);
    return name.trimmed();
}

} // namespace

QStringList requestedLanguages(const QString &lcAll, const QString &lcMessages, const QString &lang,
                               const QString &language) {
    const QString messages = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    const QString locale = withoutEncoding(messages);
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    QStringList wanted;
    for (const QString &entry : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString name = withoutEncoding(entry);
        if (!name.isEmpty() && !wanted.contains(name))
            wanted << name;
    }
    if (!wanted.contains(locale))
        wanted << locale;
    return wanted;
}

QStringList requestedLanguages() {
    return requestedLanguages(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                              qEnvironmentVariable("LANG"), qEnvironmentVariable("LANGUAGE"));
}

QString chooseLanguage(const QStringList &languages) {
    for (const QString &name : languages) {
        const QString base = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (base == QLatin1String("en"))
            return {}; // the program's own language
        for (const QString &candidate : {name, base})
            if (QFile::exists(programFile(candidate)))
                return candidate;
    }
    return {};
}

bool install(QCoreApplication *app, const QString &language) {
    if (language.isEmpty())
        return false;
    auto *program = new Translator(app);
    if (!program->load(programFile(language))) {
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    auto *qt = new Translator(app);
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(QStringLiteral("qtbase_%1").arg(language.section(QLatin1Char('_'), 0, 0)),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

void installFromEnvironment(QCoreApplication *app) {
    install(app, chooseLanguage(requestedLanguages()));
}

English::English() {
    ++englishScopes;
}

English::~English() {
    --englishScopes;
}

} // namespace zentri::i18n
