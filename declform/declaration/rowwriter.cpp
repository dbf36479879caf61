#include "rowwriter.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "tabledefs.h"

#include <QSqlRecord>
#include <QStringList>

namespace {
void assign(QVariantMap& row, const QVariantMap& values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        bool found = false;
        for (auto target = row.begin(); target != row.end(); ++target)
            if (target.key().compare(it.key(), Qt::CaseInsensitive) == 0) {
                target.value() = it.value();
                found = true;
            }
        if (!found)
            row.insert(it.key(), it.value());
    }
}
} // namespace

bool escribeFila(HostDatabase& db, const QString& table, const QVariantMap& key, const QVariantMap& values,
                 bool insert)
{
    QStringList conditions;
    QVariantList keyValues;
    for (auto it = key.constBegin(); it != key.constEnd(); ++it) {
        conditions.append(it.key() + QStringLiteral(" = ?"));
        keyValues.append(it.value());
    }
    const QString where = QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    QSqlQuery existing = db.run(QStringLiteral("SELECT * FROM ") + table + where, keyValues);
    if (!existing.next()) {
        if (!insert)
            return false;
        QVariantMap row = key;
        assign(row, values);
        insertRow(db, table, row);
        return true;
    }

    QVariantMap row;
    const QSqlRecord record = existing.record();
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i), existing.value(i));
    existing.finish();
    assign(row, values);

    const TableDef* def = findTableDef(table);
    const int keyCount = def ? def->integrityKeyCount : 0;
    QStringList assignments;
    QVariantList binds;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        assignments.append(it.key() + QStringLiteral(" = ?"));
        binds.append(it.value());
    }
    if (keyCount > 0) {
        assignments.append(QStringLiteral("cnumero = ?"));
        binds.append(CodigoControl(db, table, row, keyCount));
    }
    db.execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") +
                   assignments.join(QStringLiteral(", ")) + where,
               binds + keyValues);
    return true;
}
