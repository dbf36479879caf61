#include "declarationkey.h"

QString periodKey(const QString& periodText)
{
    return periodText.right(4) + periodText.left(2);
}

QString periodText(const QString& chooserPeriod)
{
    const QString period = chooserPeriod.trimmed();
    return period.left(2) + QLatin1Char('/') + period.mid(2, 4);
}
