#include "orderdigits.h"

QString DigitoControl(QString& digits)
{
    digits = digits.left(17).trimmed();
    if (digits.isEmpty())
        return {};
    // Weights from the right: 2, 3, 4, 5, 6, 7, then again from 2.
    static const int weights[17] = {6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    const int offset = 17 - int(digits.size());
    int sum = 0;
    for (int i = 0; i < digits.size(); ++i) {
        const QChar c = digits.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            sum += weights[offset + i] * c.digitValue();
    }
    int digit = 11 - sum % 11;
    if (digit == 11)
        digit = 1;
    else if (digit == 10)
        digit = 0;
    return digits + QString::number(digit);
}

QString DigitosOrden(const QString& control, const QString& orden)
{
    QString trimmedControl = control;
    const QString first = DigitoControl(trimmedControl).mid(8, 1);
    QString whole = trimmedControl + orden + first;
    return first + DigitoControl(whole).right(1);
}

bool VerificaOrden(const QString& control, const QString& orden, const QString& digits)
{
    return DigitosOrden(control, orden) == digits;
}

OrderNumberCheck revisaNumeroOrden(const QString& control, const QString& orden, const QString& digits)
{
    if (orden.size() < 8)
        return OrderNumberCheck::TooShort;
    if (!VerificaOrden(control, orden, digits))
        return OrderNumberCheck::WrongDigits;
    return OrderNumberCheck::Valid;
}
