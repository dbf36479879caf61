#include "summarywriter.h"

#include "reportwriter.h"
#include "summarydata.h"
#include "vbformat.h"

namespace {
constexpr int Size = 10;
constexpr int Page = 0;
constexpr int Left = 300;
constexpr int DebtColumn = 2000;
constexpr int PaymentColumn = 3900;
} // namespace

void writeSummaryReport(ReportWriter& writer, const SummaryData& data, const QString& controlNumber,
                        const QDateTime& now)
{
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("font"), QStringLiteral("Courier New")));
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("nHojas"), QStringLiteral("1")));
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("Orientacion"), QStringLiteral("V")));
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("Color"), QStringLiteral("&H80000005&")));

    const QString today = Format(now, QStringLiteral("dd/mm/yyyy"));
    writer.EmitePos(Left, 350, today, true, Size, Page);
    writer.EmitePos(Left, 600, Format(now, QStringLiteral("hh:mm:ss")), true, Size, Page);
    writer.EmitePos(4000, 850, SummaryTitle, true, Size, Page);

    const auto line = [&](int x, int y, const QString& text) {
        writer.EmitePos(x, y, text, false, Size, Page);
    };
    line(Left, 1500,
         QStringLiteral("DOCUMENTO       : ") + data.documentShortName + QStringLiteral("  ") +
             data.documentNumber);
    line(Left, 1750, QStringLiteral("RAZON SOCIAL    : ") + data.declarantName);
    line(Left, 2000,
         QStringLiteral("FORMULARIO      : ") + data.form + QStringLiteral("-KOVA AGENTES DE PERCEPCION  "));
    line(Left, 2250, QStringLiteral("PERIODO         : ") + data.period);
    switch (data.payment) {
    case SummaryData::Payment::Cash:
        line(Left, 2500, QStringLiteral("FORMA DE PAGO   : EFECTIVO"));
        line(Left, 2750, QStringLiteral("IMPORTE A PAGAR : S/. ") + data.amount);
        break;
    case SummaryData::Payment::Cheque:
        line(Left, 2500, QStringLiteral("FORMA DE PAGO   : CHEQUE"));
        line(Left, 2750,
             QStringLiteral("BANCO           : ") + data.bankCode + QStringLiteral(" - ") + data.bankName);
        line(Left, 3000, QStringLiteral("NUMERO CHEQUE   : ") + data.chequeNumber);
        line(Left, 3250, QStringLiteral("IMPORTE A PAGAR : S/. ") + data.amount);
        break;
    case SummaryData::Payment::None:
        break;
    }
    line(Left, 3500,
         data.rectification ? QStringLiteral("RECTIFICATORIA  : SI")
                            : QStringLiteral("RECTIFICATORIA  : NO"));
    line(Left, 3750, QStringLiteral("TRIBUTO           TOTAL DEUDA      MONTO PAGO"));
    line(Left, 4000, QStringLiteral("Percepciones"));
    line(DebtColumn, 4000, data.box405);
    line(PaymentColumn, 4000, data.box410);
    line(Left, 4500, QStringLiteral("TOTAL"));
    line(DebtColumn, 4500, data.box405);
    line(PaymentColumn, 4500, data.box410);
    line(Left, 5000, QStringLiteral("NC ") + controlNumber + QStringLiteral("  Fec.Generación: ") + today);
}

QStringList plainSummaryLines(const SummaryData& data)
{
    QStringList lines = {
        QStringLiteral("DOCUMENTO      : ") + data.documentShortName + QStringLiteral("  ") +
            data.documentNumber,
        QStringLiteral("RAZON SOCIAL   : ") + data.declarantName,
        QStringLiteral("FORMULARIO     : ") + data.form + QStringLiteral("-KOVA AGENTES DE PERCEPCION"),
        QStringLiteral("PERIODO        : ") + data.period,
        data.rectification ? QStringLiteral("RECTIFICATORIA : SI") : QStringLiteral("RECTIFICATORIA : NO"),
    };
    switch (data.payment) {
    case SummaryData::Payment::Cash:
        lines << QStringLiteral("FORMA DE PAGO  : EFECTIVO")
              << QStringLiteral("IMPORTE A PAGAR: S/. ") + data.amount;
        break;
    case SummaryData::Payment::Cheque:
        lines << QStringLiteral("FORMA DE PAGO  : CHEQUE")
              << QStringLiteral("BANCO          : ") + data.bankCode + QStringLiteral(" - ") + data.bankName
              << QStringLiteral("NUMERO CHEQUE  : ") + data.chequeNumber
              << QStringLiteral("IMPORTE A PAGAR: S/. ") + data.amount;
        break;
    case SummaryData::Payment::None:
        break;
    }
    return lines;
}
