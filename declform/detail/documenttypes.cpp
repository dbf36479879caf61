#include "documenttypes.h"

#include "detailrows.h"
#include "hostdatabase.h"

QStringList voucherTypeItems(HostDatabase& db, bool withCreditNote)
{
    QSqlQuery query = db.run(QStringLiteral("SELECT Argumento, Funcion FROM PARAM WHERE Numero = '233' AND "
                                            "substr(Funcion, 64, 1) = '1' ORDER BY Argumento"));
    QStringList items;
    while (query.next()) {
        const QString code = query.value(0).toString();
        if (!withCreditNote && code == CreditNoteType)
            continue;
        items.append(code + QStringLiteral("   ") + query.value(1).toString().left(40));
    }
    return items;
}

QString typeCodeOf(const QString& item)
{
    return item.left(2);
}

QString typeDescriptionOf(const QString& item)
{
    return item.right(40);
}
