#include "period.h"

#include "hostdatabase.h"
#include "vbformat.h"

PeriodCheck ValidaPeriodo(const QString& periodText, const QDate& today)
{
    if (periodText.contains(QLatin1Char('_')))
        return PeriodCheck::Incomplete;
    const QString key = periodKey(periodText);
    const QString current = Format(today, QStringLiteral("yyyymm"));
    if (key > current || key < PrimerPeriodo)
        return PeriodCheck::Invalid;
    const double month = Val(periodText.left(2));
    if (month < 1 || month > 12)
        return PeriodCheck::Invalid;
    return PeriodCheck::Valid;
}

bool declaracionRegistrada(HostDatabase& db, const DeclarationKey& key)
{
    return db.exists(QStringLiteral("SELECT 1 FROM CAB WHERE doc_id_d = ? AND tip_doc_d = 6 AND periodo = ? "
                                    "AND formulario = ?"),
                     {key.ruc, key.periodo, key.formulario});
}
