#include "modulestructure.h"

#include "statementrunner.h"
#include "tabledefs.h"

#include <QSet>

void installModuleTables(StatementRunner& runner)
{
    // Its rows belong to the declaration being edited; the table is rebuilt with the
    // current definition on every installation.
    const QString workingDetail = QStringLiteral("TMPF947PDET");
    if (runner.ExisteTabla(workingDetail))
        runner.EjecutaSQL(QStringLiteral("DROP TABLE ") + workingDetail);

    // The surname and name columns of the subject tables must take empty texts (a company
    // has no surnames). Their definitions say so (allowZeroLength) and the engine stores
    // an empty text as it is: a text column carries only its maximum length as a check, so
    // no adjustment is needed after the creation.
    for (const TableDef& table : moduleTables())
        if (!runner.ExisteTabla(table.name))
            runner.ejecuta([&] { createTable(runner.db(), table); });
    runner.db().forgetSchema();
}

QStringList moduleTableProblems(HostDatabase& db)
{
    QStringList problems;
    db.forgetSchema();
    for (const TableDef& table : moduleTables()) {
        if (!db.hasTable(table.name)) {
            problems.append(QStringLiteral("Falta la tabla ") + table.name + QLatin1Char('.'));
            continue;
        }
        QSet<QString> present;
        for (const ColumnInfo& c : db.columns(table.name))
            present.insert(c.name.toUpper());
        for (const ColumnDef& c : table.columns)
            if (!present.contains(c.name.toUpper()))
                problems.append(QStringLiteral("La tabla ") + table.name +
                                QStringLiteral(" no tiene la columna ") + c.name + QLatin1Char('.'));
    }
    return problems;
}

QString installertext::wrongStructure(const QStringList& problems)
{
    return problems.join(QLatin1Char('\n')) + QLatin1Char('\n') +
           QStringLiteral("No se actualizaron las declaraciones grabadas del KOVA 0947.");
}
