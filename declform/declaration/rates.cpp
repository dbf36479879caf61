#include "rates.h"

#include "hostdatabase.h"

namespace {
const QString RatePrefix = QStringLiteral("010909");
const QString EndMarker = QStringLiteral("99991231");
/// The month the rate is read with six decimals from.
const QString SixDecimalsFrom = QStringLiteral("200504");
} // namespace

QStringList inicioVigencia(HostDatabase& db, const QString& modalityCode)
{
    QStringList starts;
    QSqlQuery rows = db.run(QStringLiteral("SELECT Argumento FROM PARAM WHERE Numero = '968' AND "
                                           "substr(Argumento, 1, 7) = ? ORDER BY Argumento"),
                            {QString(RatePrefix + modalityCode)});
    while (rows.next())
        starts.append(rows.value(0).toString().trimmed().mid(7, 6));
    starts.append(EndMarker);
    return starts;
}

int vigenciaDelPeriodo(const QStringList& starts, const QString& periodKey)
{
    for (int j = 1; j < starts.size(); ++j)
        if (starts[j - 1].left(6) <= periodKey && periodKey < starts[j].left(6))
            return j - 1;
    return -1;
}

QString BuscaTasa(HostDatabase& db, const QString& modalityCode, const QString& periodKey)
{
    const QStringList starts = inicioVigencia(db, modalityCode);
    QString key = RatePrefix + modalityCode;
    if (const int start = vigenciaDelPeriodo(starts, periodKey); start >= 0)
        key += starts[start].trimmed();
    // Without an interval the key stays shorter than 13 characters and finds no row.
    const QVariant funcion = db.scalar(QStringLiteral("SELECT Funcion FROM PARAM WHERE Numero = '968' AND "
                                                      "substr(Argumento, 1, 13) = ? ORDER BY Argumento"),
                                       {key});
    if (!funcion.isValid())
        return QStringLiteral("0");
    const QString text = funcion.toString();
    return periodKey >= SixDecimalsFrom ? text.mid(20, 9).trimmed() : text.mid(1, 6).trimmed();
}
