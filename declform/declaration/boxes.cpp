#include "boxes.h"

#include "vbformat.h"

#include <cmath>

namespace {
const QString Grouped = QStringLiteral("#,###,###,##0");

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

/// A computed amount as the form shows it; below zero shows as "0".
QString nonNegative(double value)
{
    return value >= 0 ? Format(value, Grouped) : QStringLiteral("0");
}

bool storedAsTyped(int box)
{
    static const QList<int> boxes = {12,  5,   721, 983, 984, 985, 986, 987, 720, 722, 723, 724,
                                     725, 726, 727, 728, 729, 871, 500, 501, 503, 506, 790};
    return boxes.contains(box);
}

bool onlyStored(int box)
{
    static const QList<int> boxes = {2,   5,   7,   12,  15,  593, 599, 720, 721, 722, 723, 724, 725, 726,
                                     727, 728, 729, 790, 793, 799, 983, 984, 985, 986, 987, 988, 998};
    return boxes.contains(box) || (box >= 450 && box <= 456) || (box >= 501 && box <= 503) ||
           (box >= 510 && box <= 517);
}
} // namespace

QString descripcionCasilla(int box)
{
    switch (box) {
    case 401:
        return QStringLiteral("PERCEPCIONES EFECTUADAS");
    case 402:
        return QStringLiteral("Pagos Previos (efectivo, cheque, Doc. Val.)");
    case 403:
        return QStringLiteral("PERCEPCION A PAGAR");
    case 404:
        return QStringLiteral("Interés Moratorio");
    case 405:
        return QStringLiteral("TOTAL DEUDA TRIBUTARIA");
    case 410:
        return QStringLiteral("IMPORTE A PAGAR");
    default:
        return {};
    }
}

double valorCasilla(const QString& text)
{
    return Val(Format(text, QStringLiteral("#########0")));
}

QString Calcular403(const QString& box401, const QString& box402)
{
    if (isBlank(box401) && isBlank(box402))
        return {};
    return nonNegative(valorCasilla(box401) - std::abs(valorCasilla(box402)));
}

QString Calcular405(const QString& box403, const QString& box404)
{
    if (isBlank(box403) && isBlank(box404))
        return {};
    return nonNegative(valorCasilla(box403) + valorCasilla(box404));
}

QString CalcularTotal(const QString& box410)
{
    if (isBlank(box410))
        return {};
    return nonNegative(valorCasilla(box410));
}

QString textoAlEntrar(int box, const QString& text)
{
    if (box == 402)
        return isBlank(text) ? text : Format(std::abs(valorCasilla(text)), QStringLiteral("0"));
    return Format(text, QStringLiteral("###########0"));
}

QString textoAlSalir(int box, const QString& text)
{
    if (box == 402)
        return isBlank(text) ? text
                             : Format(std::abs(valorCasilla(text)), QStringLiteral("(###,###,###,##0)"));
    return Format(text, QStringLiteral("###,###,###,##0"));
}

int largoAlEntrar()
{
    return 12;
}

int largoAlSalir(int box)
{
    return box == 402 ? 18 : 15;
}

BoxDisplay MuestraCasilla(int box, const QString& value)
{
    const QString text = value.trimmed();
    switch (box) {
    case 402:
        return {BoxDisplay::Amount, Format(std::abs(valorCasilla(text)), QStringLiteral("(#,###,###,##0)"))};
    case 500:
        return {BoxDisplay::Modalidad, text};
    case 871:
        return {BoxDisplay::Rectifica, text};
    case 999:
        if (text == QLatin1String("E") || text == QLatin1String("C"))
            return {BoxDisplay::FormaPago, text};
        return {};
    default:
        break;
    }
    // Boxes of another form version have no field here: they are kept in DET but not shown.
    if (onlyStored(box) || !Casillas.contains(box))
        return {};
    return {BoxDisplay::Amount, Format(text, Grouped)};
}

QString valorAlmacenado(int box, const QString& value)
{
    return storedAsTyped(box) ? value : Format(value, QStringLiteral("###########0"));
}

std::optional<QString> avisoImporte(const QString& box405, const QString& box410)
{
    const double importe = valorCasilla(box410);
    const double deuda = valorCasilla(box405);
    if (importe > deuda && !isBlank(box405) && !(importe == 0 && deuda < 0))
        return QStringLiteral("El importe a pagar es mayor que el saldo definitivo a pagar.") +
               QStringLiteral(" Se le generará un pago en exceso de Percepciones");
    if (importe < deuda && !isBlank(box405) && !isBlank(box410))
        return QStringLiteral("El importe a pagar es menor que el saldo definitivo a pagar en Percepciones") +
               QStringLiteral(". La VALDEX emitirá una Orden de Pago");
    return std::nullopt;
}
