#include "payment.h"

#include "cp1252.h"
#include "vbformat.h"

#include <QFile>

namespace {
bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

bool noBank(const QString& banco)
{
    const QString code = banco.trimmed();
    return code.isEmpty() || code == QLatin1String("XX");
}
} // namespace

QStringList inconsistencias(const QMap<int, QString>& boxes, const PaymentData& payment)
{
    const QString box401 = boxes.value(401);
    const QString box405 = boxes.value(405);
    const QString box410 = boxes.value(410);
    const bool cheque = payment.formapago == QLatin1String("C");

    QStringList lines;
    if (!isBlank(box405) && isBlank(box410) && !isBlank(box401))
        lines.append(QStringLiteral("Debe consignar el importe a pagar en Percepciones."));
    if (isBlank(box405) && isBlank(box410))
        lines.append(QStringLiteral("Debe consignar importe a pagar en Percepciones."));
    if (payment.formapago != QLatin1String("E") && !cheque)
        lines.append(QStringLiteral("Indique la forma de pago."));
    if (cheque && noBank(payment.banco))
        lines.append(QStringLiteral("Seleccione el banco."));
    // A cheque number of blanks is no number: the save marks it incomplete, so the list says so.
    if (cheque && !noBank(payment.banco) && isBlank(payment.numeroCheque))
        lines.append(QStringLiteral("Ingrese el número de cheque."));
    if (cheque && IsNumeric(payment.numeroCheque) && numericValue(payment.numeroCheque)->isZero())
        lines.append(QStringLiteral("Ingrese un número de cheque diferente de '0'."));
    return lines;
}

bool escribeMensajes(const QString& path, const QStringList& lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = file.errorString();
        return false;
    }
    QByteArray content;
    for (const QString& line : lines)
        content += toCp1252(line) + "\r\n";
    if (file.write(content) != content.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
