#include "banks.h"

#include "hostdatabase.h"

#include <QSqlQuery>

QList<Bank> listBanks(HostDatabase& db)
{
    QSqlQuery query =
        db.run(QStringLiteral("SELECT substr(Argumento, 1, 2) AS codigo, substr(Funcion, 1, 36) AS descrip"
                              " FROM PARAM WHERE Numero = ? AND trim(Argumento) <> ? ORDER BY 1"),
               {QStringLiteral("004"), QStringLiteral("00")});
    QList<Bank> banks;
    while (query.next())
        banks.append({query.value(0).toString(), query.value(1).toString()});
    return banks;
}
