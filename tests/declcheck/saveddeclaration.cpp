#include "saveddeclaration.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "money.h"
#include "vbformat.h"

#include <QDate>
#include <QDateTime>

namespace {
const QString Subjects = QStringLiteral("F947PCAB");
const QString Receipts = QStringLiteral("F947PDET");
const QString CashSales = QStringLiteral("F947PDETVC");
const QString Vouchers = QStringLiteral("F947PDETCP");

Money amount(const QString& text)
{
    return numericValue(text).value_or(Money());
}

QString whole(const Money& value)
{
    return Format(value, QStringLiteral("##############0"));
}
} // namespace

SavedDeclaration::SavedDeclaration(QString period, QString ruc)
    : m_period(std::move(period)), m_ruc(std::move(ruc))
{
}

SavedDeclaration& SavedDeclaration::subject(QAnyStringView ruc, QAnyStringView base,
                                            QAnyStringView perception)
{
    m_detail.append({Subjects, ruc.toString(), {}, {}, base.toString(), perception.toString(), {}});
    return *this;
}

SavedDeclaration& SavedDeclaration::receipt(QAnyStringView subjectRuc, QAnyStringView series,
                                            QAnyStringView number, QAnyStringView base,
                                            QAnyStringView perception)
{
    m_detail.append({Receipts,
                     subjectRuc.toString(),
                     series.toString(),
                     number.toString(),
                     base.toString(),
                     perception.toString(),
                     {}});
    return *this;
}

SavedDeclaration& SavedDeclaration::cashSale(QAnyStringView subjectRuc, QAnyStringView series,
                                             QAnyStringView number, QAnyStringView base,
                                             QAnyStringView perception)
{
    receipt(subjectRuc, series, number, base, perception);
    m_detail.last().table = CashSales;
    return *this;
}

SavedDeclaration& SavedDeclaration::voucher(QAnyStringView subjectRuc, QAnyStringView series,
                                            QAnyStringView number, QAnyStringView amount)
{
    m_detail.append({Vouchers,
                     subjectRuc.toString(),
                     series.toString(),
                     number.toString(),
                     amount.toString(),
                     {},
                     QString::number(m_detail.size() + 1)});
    return *this;
}

SavedDeclaration& SavedDeclaration::box(QAnyStringView casilla, QAnyStringView value)
{
    m_boxes.insert(casilla.toString(), value.toString());
    return *this;
}

SavedDeclaration& SavedDeclaration::noBox(QAnyStringView casilla)
{
    m_removedBoxes.append(casilla.toString());
    return *this;
}

SavedDeclaration& SavedDeclaration::cash(QAnyStringView amount)
{
    m_efectivo = amount.toString();
    m_cheque.clear();
    m_bank = m_chequeNumber = QStringLiteral(" ");
    return *this;
}

SavedDeclaration& SavedDeclaration::cheque(QAnyStringView bank, QAnyStringView number, QAnyStringView amount)
{
    m_cheque = amount.toString();
    m_efectivo.clear();
    m_bank = bank.toString();
    m_chequeNumber = number.toString();
    return *this;
}

SavedDeclaration& SavedDeclaration::rectifica(QAnyStringView value)
{
    m_rectifica = value.toString();
    return *this;
}

QMap<QString, QString> SavedDeclaration::computedBoxes() const
{
    struct Sum {
        int count = 0;
        Money base;
        Money perception;
    };
    QMap<QString, Sum> sums;
    for (const Detail& row : m_detail) {
        Sum& sum = sums[row.table];
        ++sum.count;
        sum.base += amount(row.base);
        sum.perception += amount(row.perception);
    }
    QMap<QString, QString> boxes;
    const auto put = [&](const QString& table, int countBox, bool withPerception) {
        const Sum sum = sums.value(table);
        boxes.insert(QString::number(countBox), QString::number(sum.count));
        boxes.insert(QString::number(countBox + 1), whole(sum.base));
        if (withPerception)
            boxes.insert(QString::number(countBox + 2), whole(sum.perception));
    };
    put(Subjects, 501, true);
    put(Receipts, 510, true);
    put(CashSales, 513, true);
    put(Vouchers, 516, false);
    boxes.insert(QStringLiteral("401"), whole(sums.value(Subjects).perception));
    return boxes;
}

SavedDeclaration SavedDeclaration::oneReceipt(const QString& period)
{
    SavedDeclaration d(period);
    d.subject(OneReceiptSubject, "1000.00", "10.00")
        .receipt(OneReceiptSubject, "0001", "00000001", "1000.00", "10.00")
        .voucher(OneReceiptSubject, "0001", "00000001", "1000.00");
    return d;
}

void SavedDeclaration::store(HostDatabase& db) const
{
    const QString stored = m_period.endsWith(QLatin1String("00")) ? m_period.left(4) : m_period;
    const QVariantMap key = {{QStringLiteral("tip_doc_d"), 6},
                             {QStringLiteral("doc_id_d"), m_ruc},
                             {QStringLiteral("periodo"), stored},
                             {QStringLiteral("formulario"), QStringLiteral("0947")}};
    const auto with = [&](QVariantMap values) {
        values.insert(key);
        return values;
    };
    const QDate issued(2005, 4, 15);

    Transaction transaction(db);
    insertRow(db, QStringLiteral("CAB"),
              with({{QStringLiteral("rectifica"), m_rectifica},
                    {QStringLiteral("fec_pro"), QDateTime(issued, QTime(9, 0))},
                    {QStringLiteral("bcolibrad"), m_bank},
                    {QStringLiteral("nrocheque"), m_chequeNumber},
                    {QStringLiteral("cheque"), m_cheque},
                    {QStringLiteral("efectivo"), m_efectivo},
                    {QStringLiteral("estado"), 0}}));

    QMap<QString, QString> boxes = computedBoxes();
    boxes.insert(m_boxes);
    for (const QString& casilla : m_removedBoxes)
        boxes.remove(casilla);
    for (auto it = boxes.cbegin(); it != boxes.cend(); ++it)
        insertRow(db, QStringLiteral("DET"),
                  with({{QStringLiteral("casilla"), it.key()},
                        {QStringLiteral("i_valor"), it.value()},
                        {QStringLiteral("idcasilla"),
                         it.key() == QLatin1String("410") ? QStringLiteral("05") : QStringLiteral("01")}}));

    for (const Detail& row : m_detail) {
        QVariantMap values = with({{QStringLiteral("num_doc_per"), row.subject}});
        if (row.table != Vouchers)
            values.insert(QStringLiteral("tip_doc_per"), 6);
        if (row.table == Subjects) {
            values.insert(
                QVariantMap{{QStringLiteral("des_razon"), QString(QStringLiteral("CLIENTE ") + row.subject)},
                            {QStringLiteral("des_apellido_p"), QString()},
                            {QStringLiteral("des_apellido_m"), QString()},
                            {QStringLiteral("des_nombres"), QString()},
                            {QStringLiteral("ind_ruc"), 1}});
        } else {
            values.insert(QVariantMap{{QStringLiteral("num_serie_cp"), row.series},
                                      {QStringLiteral("num_cp"), row.number}});
        }
        if (row.table == Vouchers) {
            values.insert(QVariantMap{{QStringLiteral("tip_doc_detcp"), QStringLiteral("01")},
                                      {QStringLiteral("num_serie_detcp"), QStringLiteral("F001")},
                                      {QStringLiteral("num_detcp"), row.voucherNumber},
                                      {QStringLiteral("fec_emis_detcp"), issued},
                                      {QStringLiteral("mto_detcp"), row.base}});
        } else {
            values.insert(QVariantMap{{QStringLiteral("mto_base_p"), row.base},
                                      {QStringLiteral("mto_imp_p"), row.perception}});
        }
        if (row.table == Receipts || row.table == CashSales)
            values.insert(QVariantMap{{QStringLiteral("fec_emision_cp"), issued},
                                      {QStringLiteral("por_tasa_p"), QStringLiteral("0.01")}});
        if (row.table == CashSales)
            values.insert(QStringLiteral("tip_cp"), QStringLiteral("12"));
        insertRow(db, row.table, values);
    }
    transaction.commit();
}

QString SavedDeclaration::commandLine(const QString& tag, const QString& control) const
{
    return QStringLiteral("06") + m_ruc.leftJustified(15) + QStringLiteral("0947") + m_period + tag + control;
}
