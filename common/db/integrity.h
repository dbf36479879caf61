#pragma once

#include "hostdatabase.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

/// One field of a row as the integrity code reads it: the column's declared type decides the
/// text form of the value.
struct TypedValue {
    QString declaredType; ///< "BYTE", "INTEGER", "TEXT", "DATE", ... as HostDatabase::columns gives it
    QVariant value;
};

/// Text form of a field for the integrity code: integers and numbers in plain decimal form,
/// dates as "yyyymmdd", texts trimmed, anything else (null included) empty.
QString integrityText(const TypedValue& field);

/// The 6-character integrity code of a row whose fields are given in the table's column
/// order, the last being the code's own column. The first `keyCount` fields are summed as
/// numbers (A); every other field but the last adds position x Windows-1252 code of each of
/// its characters (B). The answer is the last three digits of A and of B.
QString CodigoControl(const QList<TypedValue>& row, int keyCount);

/// The same for a row about to be stored in `table`, its values given by column name (any
/// case); the column order and types are read from the database itself.
QString CodigoControl(HostDatabase& db, const QString& table, const QVariantMap& values, int keyCount);

/// Inserts a row, binding every value; columns not given are stored as null. When the table's
/// definition carries an integrity code, the row's "cnumero" is computed first.
void insertRow(HostDatabase& db, const QString& table, QVariantMap values);
