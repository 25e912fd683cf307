// Reading a JSON file so that it means one thing only: the text must be one JSON object and nothing
// after it, and no object may give a key twice (a JSON reader would silently keep one of the two).
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace zentri::strictjson {

// The object the text holds; none, with the reason in `error` ("it is not JSON (...)", "it holds a
// number, not a JSON object"). Keys given twice are looked for by `duplicateKey`.
std::optional<QJsonObject> parseObject(const QByteArray &text, QString *error);

// Where the first key given twice stands, as "the key \"x\" is given twice in a.b[2]" (or "at the top
// level"); empty when there is none. `text` must be valid JSON.
QString duplicateKey(const QByteArray &text);

} // namespace zentri::strictjson
