#include "strictjson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QObject>
#include <QSet>
#include <vector>

namespace zentri::strictjson {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::strictjson)
};
} // namespace

namespace {

// The text of a JSON string token (quotes included), decoded.
QString decodeString(const QByteArray &token) {
    if (!token.contains('\\'))
        return QString::fromUtf8(token.mid(1, token.size() - 2));
    const QJsonDocument wrapped = QJsonDocument::fromJson('[' + token + ']');
    return wrapped.array().at(0).toString();
}

QString kindOf(const QJsonValue &v) {
    switch (v.type()) {
    case QJsonValue::Double:
        return Words::tr("a number");
    case QJsonValue::String:
        return Words::tr("a text");
    case QJsonValue::Bool:
        return Words::tr("true or false");
    case QJsonValue::Null:
        return Words::tr("null");
    case QJsonValue::Array:
        return Words::tr("a list");
    default:
        return Words::tr("something else");
    }
}

} // namespace

QString duplicateKey(const QByteArray &text) {
    struct Frame {
        bool object = false;
        QString path;
        QSet<QString> keys;
        QString key;   // object: the last key read
        int index = 0; // array: the element being read
        bool keyNext = false;
    };
    std::vector<Frame> stack;
    auto childPath = [&stack]() -> QString {
        if (stack.empty())
            return {};
        const Frame &f = stack.back();
        if (f.object)
            return f.path.isEmpty() ? f.key : f.path + QLatin1Char('.') + f.key;
        return QStringLiteral("%1[%2]").arg(f.path).arg(f.index);
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        switch (c) {
        case '{':
        case '[': {
            Frame f;
            f.object = c == '{';
            f.path = childPath();
            f.keyNext = f.object;
            stack.push_back(std::move(f));
            break;
        }
        case '}':
        case ']':
            if (!stack.empty())
                stack.pop_back();
            break;
        case ',':
            if (!stack.empty()) {
                if (stack.back().object)
                    stack.back().keyNext = true;
                else
                    ++stack.back().index;
            }
            break;
        case ':':
            if (!stack.empty())
                stack.back().keyNext = false;
            break;
        case '"': {
            qsizetype end = i + 1;
            while (end < n && text[end] != '"')
                end += text[end] == '\\' ? 2 : 1;
            if (!stack.empty() && stack.back().object && stack.back().keyNext) {
                Frame &f = stack.back();
                const QString key = decodeString(text.mid(i, end - i + 1));
                if (f.keys.contains(key))
                    return f.path.isEmpty()
                               ? Words::tr("the key \"%1\" is given twice at the top level").arg(key)
                               : Words::tr("the key \"%1\" is given twice in %2").arg(key, f.path);
                f.keys.insert(key);
                f.key = key;
            }
            i = end;
            break;
        }
        default:
            break;
        }
    }
    return {};
}

std::optional<QJsonObject> parseObject(const QByteArray &text, QString *error) {
    QJsonParseError jsonError{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &jsonError);
    if (jsonError.error != QJsonParseError::NoError) {
        // A lone number, text or null is JSON too, but no object.
        const QJsonDocument wrapped = QJsonDocument::fromJson('[' + text + ']');
        if (wrapped.isArray() && wrapped.array().size() == 1)
            *error = Words::tr("it holds %1, not a JSON object").arg(kindOf(wrapped.array().at(0)));
        else
            *error = Words::tr("it is not JSON (%1 at byte %2)")
                         .arg(jsonError.errorString())
                         .arg(jsonError.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        *error = Words::tr("it holds a list, not a JSON object");
        return std::nullopt;
    }
    return doc.object();
}

} // namespace zentri::strictjson
