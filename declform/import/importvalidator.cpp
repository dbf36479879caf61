#include "importvalidator.h"

#include "clock.h"
#include "hostdatabase.h"
#include "hostutilities.h"
#include "importrules.h"
#include "lookups.h"
#include "money.h"
#include "vbformat.h"

namespace {
QString code(const char* digits)
{
    return QString::fromLatin1(digits);
}

// The key filters of the host serve typing, where Backspace must pass; in a file it is just
// a control character, so only what the filter passes and is not Backspace counts.
bool passes(int filtered)
{
    return filtered != 0 && filtered != HostUtilities::KeyBackspace;
}

/// YYYYMM of a date.
int monthOf(const QDate& date)
{
    return date.year() * 100 + date.month();
}
} // namespace

ImportValidator::ImportValidator(HostDatabase& db, const HostUtilities& host, QString rucDeclarante,
                                 QString periodo)
    : m_db(db), m_host(host), m_ruc(trimBlanks(rucDeclarante)), m_periodo(int(Val(periodo))),
      m_today(Clock::today())
{
}

bool ImportValidator::Fechadesistema(const QString& date) const
{
    const QDate day = importDate(date);
    return day.isValid() && day <= m_today;
}

bool ImportValidator::Val_Transf_CVS(QString& value, quint8 position)
{
    value = trimBlanks(value);
    switch (position) {
    case 9: // voucher type
        m_errorCode = code("0883");
        if (!voucherTypeKnown(value))
            return false;
        m_voucherType = value;
        return true;
    case 10: // voucher series
        m_errorCode = code("0892");
        if (!seriesField(value))
            return false;
        m_voucherSeries = value;
        return true;
    case 11: // voucher number
        return numberField(value, m_voucherNumberWidth);
    case 12:
        return voucherDateField(value);
    case 13:
        return voucherAmountField(value);
    default:
        return commonField(value, position);
    }
}

bool ImportValidator::Val_Transf_CVS_VC(QString& value, quint8 position)
{
    value = trimBlanks(value);
    if (position != 9)
        return position < 9 ? commonField(value, position) : true;
    m_errorCode = code("0883");
    if (!voucherTypeKnown(value) || value == QLatin1String("07"))
        return false;
    if (value != QLatin1String("01") && value != QLatin1String("03") && value != QLatin1String("08")) {
        // Vouchers outside the four electronic kinds keep numeric series.
        m_errorCode = code("0857");
        if (!m_host.ValidaNumerico(m_receiptSeries))
            return false;
    }
    return true;
}

bool ImportValidator::commonField(QString& value, quint8 position)
{
    switch (position) {
    case 0:
        return rucField(value);
    case 1: // company name
        m_errorCode = code("0003");
        if (!m_company) {
            if (value.isEmpty())
                return true;
            m_errorCode = code("0992");
            return false;
        }
        return requiredNameField(value, 40);
    case 2: // paternal surname
    case 3: // maternal surname
    case 4: // given names
        m_errorCode = code(position == 2 ? "0853" : position == 3 ? "0854" : "0855");
        if (m_company) {
            if (value.isEmpty())
                return true;
            m_errorCode = code("0993");
            return false;
        }
        return requiredNameField(value, 20);
    case 5: // receipt series
        m_errorCode = code("0857");
        if (!seriesField(value))
            return false;
        m_receiptSeries = value;
        return true;
    case 6: // receipt number
        return numberField(value, 8);
    case 7:
        return receiptDateField(value);
    case 8: // amount charged
        return amountRule(value, ReceiptAmountCodes, m_errorCode);
    default:
        return true;
    }
}

bool ImportValidator::rucField(const QString& value)
{
    m_errorCode = code("0001");
    if (value == m_ruc) {
        m_errorCode = code("0221");
        return false;
    }
    return m_host.ValidaRuc(value) && rucDocumentValid(value);
}

bool ImportValidator::rucDocumentValid(const QString& ruc)
{
    auto it = m_validRucs.constFind(ruc);
    if (it == m_validRucs.constEnd())
        it = m_validRucs.insert(ruc, ValidaDocumento(m_db, m_host, QStringLiteral("6"), ruc));
    return *it;
}

bool ImportValidator::requiredNameField(QString& value, int maxLength)
{
    if (value.isEmpty())
        return false;
    if (value.size() > 20)
        value.truncate(maxLength);
    return nameRule(value);
}

bool ImportValidator::nameRule(QString& value)
{
    if (value.contains(QStringLiteral("Ñ")) || value.contains(QStringLiteral("ñ")))
        value = m_host.ConvierteEnie(value);
    if (!m_host.ValidaNombre(value)) {
        m_errorCode = code("0239");
        return false;
    }
    return !value.isEmpty();
}

bool ImportValidator::seriesField(QString& value)
{
    bool accepted = value.size() <= 4;
    if (value.isEmpty() || value.compare(QLatin1String("XXX"), Qt::CaseInsensitive) == 0)
        return false;
    value = padZeros(value, 4);
    for (QChar c : value) {
        if (!passes(m_host.FiltraSerie(c.unicode()))) {
            accepted = false;
            break;
        }
    }
    return accepted;
}

bool ImportValidator::numberField(QString& value, int width)
{
    m_errorCode = code("0858");
    bool accepted = value.size() <= width;
    if (value.isEmpty())
        return false;
    value = padZeros(value, width);
    for (QChar c : value) {
        if (!passes(m_host.FiltraNumero(c.unicode(), 0))) {
            accepted = false;
            break;
        }
    }
    return accepted && Val(value) > 0;
}

bool ImportValidator::issueDate(const QString& value, const char* afterTodayCode)
{
    m_errorCode = code("0859");
    if (!isImportDate(value))
        return false;
    if (!Fechadesistema(value)) {
        m_errorCode = code(afterTodayCode);
        return false;
    }
    return true;
}

bool ImportValidator::receiptDateField(const QString& value)
{
    if (!issueDate(value, "0989"))
        return false;
    if (monthOf(importDate(value)) != m_periodo) {
        m_errorCode = code("0991");
        return false;
    }
    // Perception started on 14/10/2002.
    if (value.left(2) < QLatin1String("14") && value.mid(3, 2) == QLatin1String("10") &&
        value.right(4) == QLatin1String("2002")) {
        m_errorCode = code("0876");
        return false;
    }
    m_errorCode = code("0857");
    return receiptSeriesAllowed(m_receiptSeries, dateKey(value));
}

bool ImportValidator::voucherDateField(const QString& value)
{
    if (!issueDate(value, "0990"))
        return false;
    // A voucher may be older than the period, never from a later month.
    if (m_periodo < monthOf(importDate(value))) {
        m_errorCode = code("0868");
        return false;
    }
    m_errorCode = code("0892");
    return voucherSeriesAllowed(m_voucherSeries, m_voucherType, dateKey(value));
}

bool ImportValidator::voucherAmountField(const QString& value)
{
    if (!amountRule(value, VoucherAmountCodes, m_errorCode))
        return false;
    // A credit note is stored negated; its sign must still fit the 15 characters of the column.
    if (m_voucherType == QLatin1String("07")) {
        const std::optional<Money> amount = Money::parse(value);
        if (!amount || (-*amount).toString().size() > 15) {
            m_errorCode = QLatin1String(VoucherAmountCodes.tooLong);
            return false;
        }
    }
    return true;
}

bool ImportValidator::voucherTypeKnown(QString& value)
{
    if (value.isEmpty())
        return false;
    value = padZeros(value, 2);
    auto it = m_knownTypes.constFind(value);
    if (it == m_knownTypes.constEnd()) {
        const bool known = m_db.exists(QStringLiteral("SELECT argumento FROM PARAM WHERE numero = '233' AND "
                                                      "substr(funcion, 64, 1) = '1' AND argumento = ?"),
                                       {value});
        it = m_knownTypes.insert(value, known);
    }
    return *it;
}

LineCheck ImportValidator::checkLine(const QString& line, ImportKind kind)
{
    LineCheck check;
    const int count = fieldCount(kind);
    check.values.reserve(count);
    qsizetype from = 0;
    for (int k = 1; k <= count; ++k) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'), from);
        if (bar < 0) {
            // The file changed since its separators were counted.
            m_errorCode = code("0201");
            check.refusedField = k;
            return check;
        }
        QString field = trimBlanks(line.mid(from, bar - from).toUpper());
        from = bar + 1;
        if (k == 10) {
            check.typeAsRead = field;
            m_voucherNumberWidth = field == QLatin1String("99") ? 15 : 8;
        }
        const auto position = quint8(k - 1);
        const bool accepted = kind == ImportKind::Receipts ? Val_Transf_CVS(field, position)
                                                           : Val_Transf_CVS_VC(field, position);
        if (!accepted) {
            check.refusedField = k;
            return check;
        }
        check.values.append(field);
        if (k == 1)
            m_company = field.startsWith(QLatin1String("20"));
    }
    check.accepted = true;
    return check;
}
