#include "detalleanexo.h"

#include "clock.h"
#include "declarationdetail.h"
#include "hostutilities.h"
#include "printeddeclaration.h"
#include "reportwriter.h"
#include "vbformat.h"

namespace {

constexpr int Width = 146;        // columns of a line
constexpr int HeaderLines = 10;   // what the page header counts for
constexpr int FullPage = 50;      // a line count above it starts a new page
constexpr int FullForLegend = 45; // the legend needs the room left below it
const QString Margin = QStringLiteral("  ");

const QString ReceiptFormat = QStringLiteral("###,###,###,###.00;(###,###,###,##0.00)");
const QString VoucherFormat = QStringLiteral("###,###,###,##0.00;(###,###,###,##0.00)");
const QString FooterFormat = QStringLiteral("###,###,###,##0.00");

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

/// Writes `text` over the characters from `position` (from 1) on, never past the end.
void overwrite(QString& line, int position, const QString& text)
{
    const int from = position - 1;
    const int count = std::min(int(text.size()), int(line.size()) - from);
    if (from >= 0 && count > 0)
        line.replace(from, count, text.left(count));
}

QString dateText(const QDate& date)
{
    return date.isValid() ? Format(date, QStringLiteral("dd/mm/yyyy")) : blanks(10);
}

class AnnexesReport {
public:
    AnnexesReport(ReportWriter& writer, HostDatabase& db, const HostUtilities& host,
                  const PrintedDeclaration& declaration)
        : m_w(writer), m_db(db), m_host(host), m_d(declaration),
          m_modalidad(DescripcionModalidad(db, declaration.casilla(500))),
          m_rule(host.RellenaTexto(QStringLiteral("_"), 154, QStringLiteral("_"))),
          m_shortRule(host.RellenaTexto(QStringLiteral("_"), 50, QStringLiteral("_")))
    {
    }

    void CabeceraAnexo();
    void write();

private:
    void line(const QString& text) { m_w.EmiteLinea(text); }
    void pageBreak();
    void breakWhenFull()
    {
        if (m_lines > FullPage)
            pageBreak();
    }
    void writeSubject(const ReportSubject& subject);
    QString receiptPart(const ReportReceipt& receipt, Money& base, Money& perception) const;
    QString voucherPart(const ReportVoucher& voucher) const;
    QString amount(const std::optional<QString>& value, Money& sum) const;
    void LeyendaTipos();

    ReportWriter& m_w;
    HostDatabase& m_db;
    const HostUtilities& m_host;
    const PrintedDeclaration& m_d;
    const QString m_modalidad;
    const QString m_rule;      // 154 underscores
    const QString m_shortRule; // 50 underscores
    int m_lines = 0;           // lines counted on the current page
};

void AnnexesReport::CabeceraAnexo()
{
    const QDateTime now = Clock::now();
    const QString pagina = QStringLiteral("Pag:") + Format(m_w.page(), QStringLiteral("##"));
    m_w.setCursorY(0);
    m_w.setWidth(Width);

    for (int i = 0; i < 3; ++i)
        line(QString());

    const QString system = QStringLiteral("KOVA 0947 - AGENTES DE PERCEPCION");
    int centre = (Width - int(system.size())) / 2;
    QString title = blanks(centre) + blanks(5) + system + blanks(centre);
    if (title.size() < Width)
        title = title.leftJustified(Width);
    overwrite(title, 1, QStringLiteral("VALDEX"));
    title += QLatin1Char(' ');
    overwrite(title, Width, QStringLiteral("F94701"));
    line(Margin + title);

    const QString& periodo = m_d.declaration.key.periodo;
    const QString report = QStringLiteral("REPORTE DE AGENTES DE PERCEPCION - PERIODO ") + periodo.mid(4, 2) +
                           QLatin1Char('/') + periodo.left(4);
    centre = (Width - int(report.size())) / 2;
    QString subtitle = blanks(centre) + blanks(5) + report + blanks(centre);
    subtitle = subtitle.size() < Width ? subtitle.leftJustified(Width) : subtitle + blanks(16);
    overwrite(subtitle, 1, Format(now.date(), QStringLiteral("dd/mm/yyyy")));
    overwrite(subtitle, Width - int(pagina.size()) + 6, pagina);
    line(Margin + subtitle);
    line(Margin + Format(now, QStringLiteral("hh:mm:ss")));
    line(QString());
    line(QString());

    QString declarante =
        QStringLiteral("DECLARANTE   : ") + m_d.declaration.key.ruc + QStringLiteral("  ") + m_d.nombre;
    line(Margin + declarante.leftJustified(105));
    line(QLatin1Char(' ') + m_rule);
    line(QStringLiteral("  PERCEPCIONES - ") + m_modalidad);
    line(QLatin1Char(' ') + m_rule);
    line(blanks(15) + QStringLiteral("COMPROBANTE DE PERCEPCION EMITIDO") + blanks(40) +
         QStringLiteral("COMPROBANTE DE PAGO"));
    line(QLatin1Char(' ') + m_rule);
    line(
        QStringLiteral(" SERIE      NÚMERO      FECHA DE     MONTO COBRADO     IMPORTE DE LA     TIPO SERIE  "
                       "NUMERO         FECHA DE       IMPORTE     "));
    line(QStringLiteral(
        "                        EMISIÓN                         PERCEPCIÓN                    "
        "              EMISIÓN    COMPROBANTE PAGO"));
    line(QLatin1Char(' ') + m_rule);
}

void AnnexesReport::pageBreak()
{
    m_w.newPage();
    CabeceraAnexo();
    m_lines = HeaderLines;
}

QString AnnexesReport::amount(const std::optional<QString>& value, Money& sum) const
{
    if (!value)
        return blanks(19);
    sum += numericValue(*value).value_or(Money());
    return m_host.AjustaAnchoNumero(Format(*value, ReceiptFormat), 19);
}

QString AnnexesReport::receiptPart(const ReportReceipt& receipt, Money& base, Money& perception) const
{
    const QString blank = QStringLiteral(" ");
    QString part = Margin + m_host.RellenaTexto(receipt.serie.trimmed(), 4, blank) + blanks(5) +
                   m_host.RellenaTexto(receipt.numero.trimmed(), 11, blank) + blank + dateText(receipt.fecha);
    part += amount(receipt.mtoBaseP, base);
    part += amount(receipt.mtoImpP, perception);
    return part;
}

QString AnnexesReport::voucherPart(const ReportVoucher& voucher) const
{
    const QString amountText = Format(numericValue(voucher.monto).value_or(Money()), VoucherFormat);
    return Format(voucher.tipo, QStringLiteral("00")) + QStringLiteral("  ") + voucher.serie +
           QStringLiteral("  ") + m_host.AjustaAncho(voucher.numero, 15) + QLatin1Char(' ') +
           dateText(voucher.fecha) + QStringLiteral("  ") + m_host.AjustaAnchoNumero(amountText, 18);
}

void AnnexesReport::writeSubject(const ReportSubject& subject)
{
    int records = 0;
    Money base;
    Money perception;
    line(Margin + subject.numDocPer + QStringLiteral("  ") + subject.nombre);
    ++m_lines;

    const QString gap = blanks(3);
    for (const ReportReceipt& receipt : recibosSujeto(m_db, m_d.declaration, subject)) {
        QString receiptText = receiptPart(receipt, base, perception);
        const QList<ReportVoucher> vouchers = comprobantesRecibo(m_db, m_d.declaration, subject, receipt);
        // A receipt is printed on the line of its first voucher; one without vouchers alone.
        if (vouchers.isEmpty()) {
            breakWhenFull();
            line(receiptText);
            ++m_lines;
        }
        for (const ReportVoucher& voucher : vouchers) {
            breakWhenFull();
            line(receiptText + gap + voucherPart(voucher));
            receiptText = blanks(71);
            ++m_lines;
        }
        ++records;
    }

    breakWhenFull();
    ++m_lines;
    for (const ReportReceipt& sale : ventasContadoSujeto(m_db, m_d.declaration, subject)) {
        const QString text = receiptPart(sale, base, perception) + gap + sale.tipo + QStringLiteral("  ") +
                             QStringLiteral("Venta al Contado");
        breakWhenFull();
        line(text);
        ++m_lines;
        ++records;
    }

    breakWhenFull();
    // Credit notes can make a sum negative; the footer shows nothing below zero.
    const auto footerAmount = [](const Money& sum) {
        return AlineaDerecha(Format(std::max(sum, Money()), FooterFormat), 18);
    };
    line(QLatin1Char(' ') + m_rule);
    line(m_host.RellenaIzquierda(QString::number(records), 5, QStringLiteral(" ")) +
         QStringLiteral(" Registros ") + blanks(6) + QLatin1Char(' ') + blanks(11) + footerAmount(base) +
         QLatin1Char(' ') + footerAmount(perception));
    line(QLatin1Char(' ') + m_rule);
    m_lines += 3;
}

void AnnexesReport::LeyendaTipos()
{
    const QList<VoucherType> types = tiposComprobanteEnUso(m_db);
    for (qsizetype i = 0; i < types.size(); ++i) {
        const VoucherType& type = types.at(i);
        const QString description =
            i < 3 ? m_host.RellenaTexto(type.descrip, 35, QStringLiteral(" ")) : type.descrip.trimmed();
        line(QStringLiteral("  ") + type.codigo + QStringLiteral("  ") + description);
    }
}

void AnnexesReport::write()
{
    CabeceraAnexo();
    m_lines = HeaderLines;
    const QList<ReportSubject> subjects = sujetosDeclaracion(m_db, m_d.declaration);
    if (subjects.isEmpty())
        return;
    for (const ReportSubject& subject : subjects)
        writeSubject(subject);

    if (m_lines > FullForLegend)
        pageBreak();
    line(QString());
    line(QLatin1Char(' ') + m_shortRule);
    line(QStringLiteral(" DOC. QUE DIO ORIGEN A PERCEPCION"));
    line(QLatin1Char(' ') + m_shortRule);
    line(QStringLiteral(" TIPO    DESCRIPCION"));
    line(QLatin1Char(' ') + m_shortRule);
    LeyendaTipos();
    line(QLatin1Char(' ') + m_shortRule);
}

} // namespace

void DetalleAnexo(ReportWriter& writer, HostDatabase& db, const HostUtilities& host,
                  const PrintedDeclaration& declaration)
{
    AnnexesReport report(writer, db, host, declaration);
    // A page the writer breaks by itself gets the same header.
    writer.setPageHeader([&report](ReportWriter&) { report.CabeceraAnexo(); });
    report.write();
    writer.setPageHeader({});
}
