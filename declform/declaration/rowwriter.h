#pragma once

#include <QString>
#include <QVariantMap>

class HostDatabase;

/// A text to store: an empty text stays an empty text (a null QString would be stored as null).
inline QString texto(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

/// Writes one row of a table whose rows carry an integrity code: the row with the values of
/// `key` is added when it is missing (with `key` and `values`), otherwise the columns in
/// `values` are changed and the rest kept. Either way "cnumero" is computed over the whole row
/// as it is stored. Answers false when `insert` is false and there is no row to change.
bool escribeFila(HostDatabase& db, const QString& table, const QVariantMap& key, const QVariantMap& values,
                 bool insert = true);
