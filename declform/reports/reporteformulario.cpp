#include "reporteformulario.h"

#include "declarationdetail.h"
#include "detalleanexo.h"
#include "hostutilities.h"
#include "reportdriver.h"
#include "reportwriter.h"
#include "vbformat.h"

namespace {

const QString AmountFormat = QStringLiteral("###,###,###,##0.00"); // amounts of the subjects table
const QString TotalFormat = QStringLiteral("##,###,###,###,##0");  // totals of the subjects table
const QString BoxFormat = QStringLiteral("###,###,###,##0;(###,###,###,##0)"); // boxes of the debt
const QString Mark = QStringLiteral(" X ");

constexpr int PageTop = 1700;   // where the body of a declaration page begins
constexpr int RowsPerPage = 19; // subject rows before a page break
constexpr int Row = 270;        // height of a table row
constexpr int PageBottom = 11000;

/// The declaration report: the form's header on every page, the subjects table and the
/// determination of the debt. Elements go on the writer's current page.
class DeclarationReport {
public:
    DeclarationReport(ReportWriter& writer, HostDatabase& db, const HostUtilities& host,
                      const PrintedDeclaration& declaration, int pageCount)
        : m_w(writer), m_db(db), m_host(host), m_d(declaration), m_pageCount(pageCount)
    {
    }

    void CabeceraFormulario();
    /// Draws the table from `top`; answers the top of its total row.
    int DetallePercepciones(const QString& title, int top, const QList<ReportSubject>& subjects);
    void DeudaTributaria(int top);
    void pageBreak()
    {
        m_w.newPage();
        CabeceraFormulario();
    }

private:
    int page() const { return m_w.page() - 1; }
    void text(int x, int y, const QString& value, bool bold = false, int size = 8)
    {
        m_w.EmitePos(x, y, value, bold, size, page());
    }
    void box(int x1, int y1, int x2, int y2) { m_w.EmiteCuadro(x1, y1, x2, y2, page()); }
    void boxValue(int row, int top, const QString& label, int casilla);

    ReportWriter& m_w;
    HostDatabase& m_db;
    const HostUtilities& m_host;
    const PrintedDeclaration& m_d;
    int m_pageCount;
};

void DeclarationReport::CabeceraFormulario()
{
    text(380, 350, QStringLiteral("VALDEX"), true, 16);
    text(360, 750, QStringLiteral("DECLARACION"));
    text(610, 1100, QStringLiteral("PAGO"));
    text(600, 1330, QStringLiteral("947"), true, 12);
    box(150, 300, 1700, 1640);
    text(4000, 420, QStringLiteral("AGENTES DE PERCEPCION"), true, 9);
    box(1700, 300, 8500, 1100);
    text(1750, 1170, QStringLiteral("RUC"));
    text(3500, 1170, m_d.declaration.key.ruc, true);
    box(1700, 1100, 3400, 1370);
    box(3400, 1100, 8500, 1370);
    text(1750, 1450, QStringLiteral("RAZON SOCIAL"));
    text(3500, 1450, m_d.nombre.left(32), true);
    box(1700, 1370, 3400, 1640);
    box(3400, 1370, 8500, 1640);
    box(6860, 1370, 7700, 1640);
    const QString& periodo = m_d.declaration.key.periodo;
    text(6910, 1450, QStringLiteral("PERIODO"));
    text(7740, 1450, periodo.mid(4, 2) + QLatin1Char('/') + periodo.left(4), true);
    text(9080, 400, QStringLiteral("Copia para el"));
    text(8750, 700,
         QStringLiteral("Contribuyente (") + QString::number(page() + 1) + QLatin1Char('/') +
             QString::number(m_pageCount) + QLatin1Char(')'),
         false, 9);
    box(8500, 300, 11000, 1100);
    box(8500, 1100, 11000, 1640);
    // Only a sent declaration whose order number is registered has control and order numbers.
    if (!m_d.numeroOrden.trimmed().isEmpty()) {
        box(150, 1640, 2650, 1910);
        text(300, 1720, QStringLiteral("NRO. CONTROL: "));
        text(1800, 1720, AlineaDerecha(m_d.numeroControl, 8), true);
        box(8500, 1640, 11000, 1910);
        text(8620, 1720, QStringLiteral("NRO. ORDEN: "));
        text(9800, 1720, AlineaDerecha(m_d.numeroOrden, 10), true);
    }
}

int DeclarationReport::DetallePercepciones(const QString& title, int top,
                                           const QList<ReportSubject>& subjects)
{
    box(180, top + 540, 11000, top + 810);
    text(370, top + 540, QStringLiteral("PERCEPCIONES - ") + DescripcionModalidad(m_db, m_d.casilla(500)),
         true, 9);
    box(180, top + 810, 11000, top + 1350);
    box(180, top + 810, 1800, top + 1350);
    box(6800, top + 810, 9000, top + 1350);
    text(700, top + 840, QStringLiteral("RUC "), true, 9);
    text(2500, top + 840, QStringLiteral("NOMBRE O RAZON SOCIAL"), true, 9);
    text(7000, top + 840, QStringLiteral("MONTO COBRADO "), true, 9);
    text(9440, top + 840, title, true, 9);

    Money totalBase;
    Money totalPercepcion;
    int y = top + 1080;
    int rowsOnPage = 1;
    for (const ReportSubject& subject : subjects) {
        y += Row;
        box(180, y, 11000, y + Row);
        box(1800, y, 6800, y + Row);
        box(6800, y, 9000, y + Row);
        text(300, y + 50, m_host.RellenaTexto(subject.numDocPer.trimmed(), 15, QStringLiteral(" ")));
        text(1900, y + 50, subject.nombre);
        text(7000, y + 50, AlineaDerecha(Format(subject.mtoBaseP, AmountFormat), 18));
        text(9070, y + 50, AlineaDerecha(Format(subject.mtoImpP, AmountFormat), 18));
        totalBase += numericValue(subject.mtoBaseP).value_or(Money());
        totalPercepcion += numericValue(subject.mtoImpP).value_or(Money());
        if (rowsOnPage == RowsPerPage) {
            // The next page carries the form's header and goes on without the column heading.
            pageBreak();
            y = PageTop;
            rowsOnPage = 1;
        } else {
            ++rowsOnPage;
        }
    }

    y += Row;
    box(180, y, 11000, y + Row);
    box(6800, y, 9000, y + Row);
    text(6200, y + 50, QStringLiteral("TOTAL"));
    text(7000, y + 50, AlineaDerecha(Format(totalBase, TotalFormat), 18));
    text(9070, y + 50, AlineaDerecha(Format(totalPercepcion, TotalFormat), 18));
    return y;
}

void DeclarationReport::boxValue(int row, int top, const QString& label, int casilla)
{
    const int t = top + 540 + Row * row + 50;
    const bool bold = casilla == 410;
    const QString value = m_d.casilla(casilla);
    // A negative value's closing parenthesis stands one column right of the digits.
    const int width = Val(value) < 0 ? 17 : 16;
    text(270, t, label, bold);
    text(8825, t, Format(casilla, QStringLiteral("000")));
    text(9220, t, AlineaDerecha(Format(value, BoxFormat), width), bold);
}

void DeclarationReport::DeudaTributaria(int top)
{
    box(180, top, 11000, top + 540);
    for (int r = 0; r <= 9; ++r) {
        const int t = top + 540 + Row * r;
        box(180, t, 11000, t + Row);
        box(8775, t, 9175, t + Row);
        if (r == 6 || r == 7)
            box(6550, t, 6950, t + Row);
    }
    text(300, top + 300, QStringLiteral("DETERMINACION DE LA DEUDA TRIBUTARIA"), true, 9);
    text(9300, top + 30, QStringLiteral("PERCEPCIÓN"));
    box(8780, top, 11000, top + 540);

    boxValue(0, top, QStringLiteral("PERCEPCIONES EFECTUADAS"), 401);
    boxValue(1, top, QStringLiteral("Pagos previos(Efectivo,cheque. o doc.val)"), 402);
    boxValue(2, top, QStringLiteral("PERCEPCION A PAGAR"), 403);
    boxValue(3, top, QStringLiteral("Interés moratorio"), 404);
    boxValue(4, top, QStringLiteral("TOTAL DEUDA TRIBUTARIA"), 405);
    boxValue(5, top, QStringLiteral("IMPORTE A PAGAR"), 410);

    const auto rowText = [top](int r) { return top + 540 + Row * r + 50; };
    text(270, rowText(6), QStringLiteral("RECTIFICA"));
    text(7000, rowText(6), QStringLiteral("SI"));
    text(9250, rowText(6), QStringLiteral("NO"));
    text(Val(m_d.casilla(871)) > 0 ? 6600 : 8825, rowText(6), Mark);

    text(270, rowText(7), QStringLiteral("FORMA DE PAGO"));
    text(7000, rowText(7), QStringLiteral("EFECTIVO"));
    text(9250, rowText(7), QStringLiteral("CHEQUE"));
    if (!m_d.efectivo.trimmed().isEmpty()) {
        text(6600, rowText(7), Mark);
        return;
    }
    const QString cheque = m_host.RellenaIzquierda(m_d.numeroCheque, 14, QStringLiteral(" "));
    const bool conCheque = !cheque.trimmed().isEmpty();
    if (conCheque)
        text(8825, rowText(7), Mark);
    text(270, rowText(8), QStringLiteral("NRO. DE CHEQUE"));
    text(9380, rowText(8), cheque);
    text(270, rowText(9), QStringLiteral("CODIGO DE BANCO"));
    if (conCheque)
        text(8825, rowText(9), QStringLiteral("015"));
    text(9200, rowText(9),
         m_host.RellenaIzquierda(DescripcionBanco(m_db, m_d.banco.trimmed()), 17, QStringLiteral(" "))
             .left(17));
}

/// Box 501, the number of subjects, when it holds a number above 0; else 0.
int subjectCount(const PrintedDeclaration& declaration)
{
    const QString box = declaration.casilla(501);
    return box.trimmed().isEmpty() ? 0 : std::max(0, int(Val(box)));
}

void writeTags(ReportWriter& w, int pageCount, bool landscape)
{
    w.EmiteLinea(ReportWriter::tag(QStringLiteral("nHojas"), QString::number(pageCount)));
    w.EmiteLinea(ReportWriter::tag(QStringLiteral("Orientacion"),
                                   landscape ? QStringLiteral("H") : QStringLiteral("V")));
    w.EmiteLinea(ReportWriter::tag(QStringLiteral("Color"), QStringLiteral("&H00FFFFC0&")));
}

int declarationReport(ReportWriter& w, HostDatabase& db, const HostUtilities& host,
                      const PrintedDeclaration& d)
{
    const QList<ReportSubject> subjects =
        subjectCount(d) > 0 ? sujetosDeclaracion(db, d.declaration) : QList<ReportSubject>();
    // The page count is printed on every page, so it counts the pages the subjects will fill.
    const int pageCount = int(subjects.size()) / RowsPerPage + 1;
    writeTags(w, pageCount, false);

    DeclarationReport report(w, db, host, d, pageCount);
    report.CabeceraFormulario();
    int y = PageTop;
    if (!subjects.isEmpty())
        y = report.DetallePercepciones(QStringLiteral("PERCEPCIÓN"), y, subjects);
    if (y > PageBottom) {
        report.pageBreak();
        y = PageTop;
    }
    report.DeudaTributaria(y <= PageTop ? 2300 : y + 600);
    return w.page();
}

int annexesReport(ReportWriter& w, HostDatabase& db, const HostUtilities& host, const PrintedDeclaration& d)
{
    // An estimate from the counts of the detail; the pages themselves follow the line count.
    const int subjects = subjectCount(d);
    const int lines = int(tiposComprobanteEnUso(db).size()) + 7 + 2 * CuentaRecibos(db, d.declaration) +
                      int(Val(d.casilla(501)));
    const int estimate = lines / 42 + (subjects > 0 ? 1 : 0);
    writeTags(w, std::max(estimate, 1), true);
    if (subjects == 0)
        return 1;
    DetalleAnexo(w, db, host, d);
    w.newPage();
    // The closing page break leaves the writer on a page that holds nothing.
    return w.page() - 1;
}

} // namespace

int ReporteFormulario(ReportWriter& writer, HostDatabase& db, const HostUtilities& host,
                      const PrintedDeclaration& declaration, ReporteElegido report)
{
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("font"), QStringLiteral("Courier New")));
    if (report == ReporteElegido::Anexos)
        return annexesReport(writer, db, host, declaration);
    return declarationReport(writer, db, host, declaration);
}

void addDeclarationReports(ReportKinds& kinds, std::function<HostDatabase&()> db, const HostUtilities& host)
{
    const auto add = [&](int kind, ReporteElegido report) {
        kinds.add(kind, [db, &host, report](ReportWriter& writer, const QVariant& parameter) {
            if (!parameter.canConvert<PrintedDeclaration>())
                throw ReportRunError(reporterror::NoData);
            return ReporteFormulario(writer, db(), host, parameter.value<PrintedDeclaration>(), report);
        });
    };
    add(reportkind::Declaration, ReporteElegido::Declaracion);
    add(reportkind::Annexes, ReporteElegido::Anexos);
}
