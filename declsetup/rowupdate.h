#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

class HostDatabase;
class QSqlQuery;

/// The current row of a query, by column name as the database spells it.
QVariantMap currentRow(const QSqlQuery& query);
/// A column's value in a row read by currentRow(), the name in any case; null when absent.
QVariant columnValue(const QVariantMap& row, const QString& column);
/// Every row a statement answers.
QList<QVariantMap> readRows(HostDatabase& db, const QString& sql, const QVariantList& values);

/// Rewrites one stored row of a module or host table: `row` is the row as read, `changes` the
/// new values by column name (any case). The integrity code is computed again over the whole
/// changed row when the table carries one; the row is found by its primary key.
void updateRow(HostDatabase& db, const QString& table, const QVariantMap& row, const QVariantMap& changes);
