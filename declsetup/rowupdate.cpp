#include "rowupdate.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "tabledefs.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

template <typename Map> auto findColumn(Map& row, const QString& column)
{
    for (auto it = row.begin(); it != row.end(); ++it)
        if (it.key().compare(column, Qt::CaseInsensitive) == 0)
            return it;
    return row.end();
}

} // namespace

QVariantMap currentRow(const QSqlQuery& query)
{
    const QSqlRecord record = query.record();
    QVariantMap row;
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i), record.value(i));
    return row;
}

QVariant columnValue(const QVariantMap& row, const QString& column)
{
    for (auto it = row.constBegin(); it != row.constEnd(); ++it)
        if (it.key().compare(column, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}

QList<QVariantMap> readRows(HostDatabase& db, const QString& sql, const QVariantList& values)
{
    QList<QVariantMap> rows;
    QSqlQuery query = db.run(sql, values);
    while (query.next())
        rows.append(currentRow(query));
    return rows;
}

void updateRow(HostDatabase& db, const QString& table, const QVariantMap& row, const QVariantMap& changes)
{
    const TableDef* def = findTableDef(table);
    if (!def)
        throw DbError(DbError::NoSuchTable, QStringLiteral("Tabla desconocida: ") + table);

    QVariantMap changed = row;
    QStringList assignments;
    QVariantList values;
    const auto assign = [&](const QString& column, const QVariant& value) {
        const auto it = findColumn(changed, column);
        if (it == changed.end())
            throw DbError(DbError::General, QStringLiteral("La tabla ") + table +
                                                QStringLiteral(" no tiene la columna ") + column +
                                                QLatin1Char('.'));
        *it = value;
        assignments.append(it.key() + QStringLiteral(" = ?"));
        values.append(value);
    };
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        assign(it.key(), it.value());
    if (def->integrityKeyCount > 0)
        assign(def->columns.last().name, CodigoControl(db, table, changed, def->integrityKeyCount));

    QStringList conditions;
    for (const QString& key : def->primaryKey) {
        const auto it = findColumn(row, key);
        if (it == row.end())
            throw DbError(DbError::General, QStringLiteral("La tabla ") + table +
                                                QStringLiteral(" no tiene la columna ") + key +
                                                QLatin1Char('.'));
        conditions.append(key + QStringLiteral(" = ?"));
        values.append(it.value());
    }
    const int touched = db.execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") +
                                       assignments.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") +
                                       conditions.join(QStringLiteral(" AND ")),
                                   values);
    if (touched != 1)
        throw DbError(DbError::General, QStringLiteral("No se encontró la fila de ") + table +
                                            QStringLiteral(" a actualizar."));
}
