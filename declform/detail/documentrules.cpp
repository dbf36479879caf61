#include "documentrules.h"

#include "clock.h"
#include "hostutilities.h"
#include "messages.h"
#include "vbformat.h"

#include <QDate>

namespace {

const QString LettersInSeriesFrom = QStringLiteral("19/07/2010");
const QString ElectronicSeriesFrom = QStringLiteral("01/12/2012");

const QString SeriesIncomplete = QStringLiteral("Debe registrar correctamente el número de serie.");
const QString SeriesNotNumeric = QStringLiteral("El número de serie debe ser numérico");
const QString VoucherSeriesInvalid =
    QStringLiteral("El número de serie del comprobante de pago no es válido");
const QString MonthOutOfRange = QStringLiteral("La fecha no es válida.");
const QString DateMissing = QStringLiteral("Debe ingresar la fecha de emisión.");
const QString DateInvalid = QStringLiteral("Debe ingresar una fecha válida.");

RuleFailure box(const QString& message, DocField focus)
{
    return {message, focus, Notice::Box};
}

RuleFailure hostMessage(const QString& message, DocField focus = DocField::None)
{
    return {message, focus, Notice::Host};
}

bool isLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Date texts are "dd/mm/yyyy"; their keys compare as texts.
QString dayOf(const QString& date)
{
    return date.mid(0, 2);
}
QString monthOf(const QString& date)
{
    return date.mid(3, 2);
}
QString yearOf(const QString& date)
{
    return date.mid(6, 4);
}
QString monthKey(const QString& date)
{
    return yearOf(date) + monthOf(date);
}
QString dateKey(const QString& date)
{
    return monthKey(date) + dayOf(date);
}

bool isIncomplete(const QString& date)
{
    return date.contains(u'_');
}

bool monthInRange(const QString& date)
{
    const double month = Val(monthOf(date));
    return month >= 1 && month <= 12;
}

bool isOneOf(const QString& type, std::initializer_list<const char*> codes)
{
    for (const char* code : codes)
        if (type == QLatin1String(code))
            return true;
    return false;
}

// Types whose series follow the electronic rule in the voucher window.
bool isLetterSeriesVoucherType(const QString& type)
{
    return isOneOf(type, {"01", "03", "07", "08"});
}

} // namespace

QString periodText(const QString& period)
{
    return period.right(2) + u'/' + period.left(4);
}

bool isValidDate(const QString& date)
{
    return QDate::fromString(date, QStringLiteral("dd/MM/yyyy")).isValid();
}

bool Fechadesistema(const QString& date)
{
    const QDate today = Clock::today();
    const double year = Val(yearOf(date));
    const double month = Val(monthOf(date));
    const double day = Val(dayOf(date));
    if (year > today.year())
        return false;
    if (year == today.year() && month > today.month())
        return false;
    if (year == today.year() && month == today.month() && day > today.day())
        return false;
    return true;
}

RuleResult ValidaFecha(const QString& date, const QString& period)
{
    if (isIncomplete(date))
        return RuleFailure{{}, DocField::None, Notice::Silent};
    const QString month = monthKey(date);
    if (month > period)
        return box(
            QStringLiteral(
                "La fecha del comprobante de percepción no es válida cuando es posterior al período ") +
                periodText(period),
            DocField::Date);

    // The perception regime started on 14 October 2002.
    const bool regimeMonth = period == QLatin1String("200210");
    const QString firstDay =
        regimeMonth ? RegimeStart : QStringLiteral("01/") + period.right(2) + u'/' + period.left(4);
    const bool tooEarly =
        (regimeMonth && month == period) ? dayOf(date) < QLatin1String("14") : month < period;
    if (tooEarly)
        return box(QStringLiteral("La fecha del comprobante de percepción no puede ser menor al ") + firstDay,
                   DocField::Date);
    if (!monthInRange(date))
        return box(MonthOutOfRange, DocField::Date);
    if (!Fechadesistema(date))
        return box(QStringLiteral(
                       "La fecha del comprobante de percepción no puede ser mayor a la fecha del sistema."),
                   DocField::None);
    return std::nullopt;
}

RuleResult ValidaFechaOrigen(const QString& date, const QString& period, Messages& messages,
                             const QString& title, bool opening)
{
    if (isIncomplete(date))
        return RuleFailure{{}, DocField::None, Notice::Silent};
    const QString month = monthKey(date);
    if (month > period)
        return box(
            QStringLiteral("La fecha de emisión del comprobante de pago no es válido cuando es posterior al "
                           "período ") +
                periodText(period),
            DocField::Date);
    const bool beforeRegime = month < QLatin1String("200210") ||
                              (month == QLatin1String("200210") && dayOf(date) < QLatin1String("14"));
    if (!opening && beforeRegime) {
        const bool goOn = messages.ask(QStringLiteral("La fecha del comprobante de pago es anterior al ") +
                                           RegimeStart + QStringLiteral(". ¿Desea continuar?"),
                                       title);
        if (!goOn)
            return RuleFailure{{}, DocField::Date, Notice::Silent};
    }
    if (!monthInRange(date))
        return box(MonthOutOfRange, DocField::Date);
    if (!Fechadesistema(date))
        return box(
            QStringLiteral("La fecha de emisión del comprobante de pago no puede ser mayor a la fecha del "
                           "sistema."),
            DocField::Date);
    return std::nullopt;
}

RuleResult checkSeriesPositions(DocumentKind kind, const QString& series, const QString& date,
                                const QString& type, const HostUtilities& host)
{
    const bool receipt = kind == DocumentKind::Receipt;
    if (series.size() < 4)
        return hostMessage(SeriesIncomplete);
    const QString trimmed = series.trimmed();
    const QChar first = trimmed.isEmpty() ? QChar() : trimmed.at(0);
    const bool lettersAfterFirst = isLetter(series.at(1)) || isLetter(series.at(2)) || isLetter(series.at(3));
    const QString key = dateKey(date);

    if (key < QLatin1String("20100719")) {
        if (receipt && !isDigit(first))
            return hostMessage(SeriesNotNumeric, DocField::Series);
        if (!receipt && !host.ValidaNumerico(series))
            return box(VoucherSeriesInvalid, DocField::Series);
        return std::nullopt;
    }
    if (key < QLatin1String("20121201")) {
        if (!isLetter(first) && !isDigit(first))
            return hostMessage(
                QStringLiteral("Para los comprobantes de pago con fecha de emisión mayor o igual a ") +
                    LettersInSeriesFrom +
                    QStringLiteral(" sólo se permite el ingreso de caracter alfanumérico en la "
                                   "primera posición del número de serie."),
                receipt ? DocField::None : DocField::Series);
        if (lettersAfterFirst)
            return hostMessage(
                QStringLiteral("Para comprobantes de pago con la fecha de emisión que ha ingresado, no "
                               "se permiten caracteres alfabéticos desde la segunda a la cuarta "
                               "posición en el número de serie."));
        return std::nullopt;
    }
    // Electronic documents: a receipt's series starts with F or B, a voucher's also with e.
    const bool ruleApplies = receipt || isLetterSeriesVoucherType(type);
    const bool electronic = first == u'F' || first == u'B' || (!receipt && first == u'e');
    if (ruleApplies && lettersAfterFirst && !electronic)
        return hostMessage(
            QStringLiteral("Para los comprobantes de pago electrónicos con fecha de emisión mayor o "
                           "igual a ") +
            ElectronicSeriesFrom +
            QStringLiteral(", sólo se permite el ingreso de caracteres alfanuméricos desde la "
                           "segunda a la cuarta posición, si es que la primera posición del número "
                           "de serie es la letra F."));
    return std::nullopt;
}

RuleResult checkReceipt(const DocumentEntry& receipt, const QString& period, const HostUtilities& host)
{
    if (receipt.cashSale && receipt.type.isEmpty())
        return box(QStringLiteral("Ingrese el tipo de comprobante de pago"), DocField::Type);
    if (receipt.series.trimmed().isEmpty())
        return box(QStringLiteral("Ingrese la serie"), DocField::Series);
    if (receipt.number.trimmed().isEmpty())
        return box(QStringLiteral("Ingrese el número del documento"), DocField::Number);
    if (Val(receipt.number) == 0)
        return box(QStringLiteral("El número de comprobante de percepción no puede ser cero"),
                   DocField::Number);
    if (receipt.date == EmptyDate)
        return box(DateMissing, DocField::Date);
    if (!isValidDate(receipt.date))
        return box(DateInvalid, DocField::Date);
    if (RuleResult failed = ValidaFecha(receipt.date, period))
        return failed;
    if (RuleResult failed =
            checkSeriesPositions(DocumentKind::Receipt, receipt.series, receipt.date, receipt.type, host))
        return failed;
    if (receipt.amount.isEmpty() || receipt.amount == QLatin1String("."))
        return box(QStringLiteral("Ingrese el Monto del comprobante de pago"), DocField::Amount);
    return std::nullopt;
}

RuleResult checkVoucher(const DocumentEntry& voucher, const QString& period, const HostUtilities& host,
                        Messages& messages, const QString& title)
{
    if (voucher.type.isEmpty())
        return box(QStringLiteral("Ingrese el tipo de documento"), DocField::Type);
    if (voucher.series.trimmed().isEmpty())
        return box(QStringLiteral("Ingrese la serie"), DocField::Series);
    if (voucher.number.trimmed().isEmpty())
        return box(QStringLiteral("Ingrese el número del documento"), DocField::Number);
    if (Val(voucher.number.trimmed()) == 0)
        return box(QStringLiteral("El número de comprobante de pago no puede ser cero"), DocField::Number);
    if (voucher.date == EmptyDate)
        return box(DateMissing, DocField::Date);
    if (!isValidDate(voucher.date) ||
        !host.ValidaRangoFecha(voucher.date, QStringLiteral("01/01/1900"), QStringLiteral("01/01/2500")))
        return box(DateInvalid, DocField::Date);
    if (RuleResult failed = ValidaFechaOrigen(voucher.date, period, messages, title))
        return failed;
    if (voucher.series.trimmed().size() != 4)
        return box(VoucherSeriesInvalid, DocField::Series);
    if (!isLetterSeriesVoucherType(voucher.type) && !host.ValidaNumerico(voucher.series))
        return box(VoucherSeriesInvalid, DocField::Series);
    if (RuleResult failed =
            checkSeriesPositions(DocumentKind::Voucher, voucher.series, voucher.date, voucher.type, host))
        return failed;
    if (voucher.amount.isEmpty() || voucher.amount == QLatin1String("."))
        return box(QStringLiteral("Ingrese el valor total del comprobante de pago"), DocField::Amount);
    return std::nullopt;
}
