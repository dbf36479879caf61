#include "lists.h"

#include "hostdatabase.h"
#include "lookups.h"

#include <QSqlRecord>

QStringList CargaContribuyentes(HostDatabase& db, const Session& session)
{
    const BoundQuery query = ConsultaDeclarantes(db, session);
    QSqlQuery rows = db.run(query.sql, query.values);
    const QSqlRecord record = rows.record();
    const int rucColumn = record.indexOf(QStringLiteral("Doc_id_d"));
    const int nameColumn = record.indexOf(QStringLiteral("Nombre"));
    QStringList items;
    while (rows.next())
        items.append(rows.value(rucColumn).toString().left(11).trimmed() + QString(7, QLatin1Char(' ')) +
                     rows.value(nameColumn).toString() + QString(10, QLatin1Char(' ')));
    return items;
}

QString rucDeItem(const QString& item)
{
    return item.left(11).trimmed();
}

QString razonDeItem(const QString& item)
{
    return item.mid(15, 50).trimmed();
}

QStringList CargaModalidad(HostDatabase& db)
{
    QSqlQuery rows = db.run(
        QStringLiteral("SELECT Argumento, Funcion FROM PARAM WHERE Numero = '967' ORDER BY Argumento"));
    QStringList items;
    const QString gap(50, QLatin1Char(' '));
    while (rows.next()) {
        const QString funcion = rows.value(1).toString();
        items.append(funcion.left(40) + gap + funcion.mid(40, 1) + gap + rows.value(0).toString());
    }
    return items;
}

QString codigoModalidad(const QString& item)
{
    return item.mid(90, 1);
}

QString numeroModalidad(const QString& item)
{
    return item.right(2);
}

QList<Bank> bancos(HostDatabase& db)
{
    QSqlQuery rows =
        db.run(QStringLiteral("SELECT substr(Argumento, 1, 2), substr(Funcion, 1, 36) FROM PARAM "
                              "WHERE Numero = '004' AND trim(Argumento) <> '00' ORDER BY 1"));
    QList<Bank> result;
    while (rows.next())
        result.append({rows.value(0).toString(), rows.value(1).toString().trimmed()});
    return result;
}
