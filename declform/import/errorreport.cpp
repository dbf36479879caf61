#include "errorreport.h"

#include "clock.h"
#include "cp1252.h"
#include "hostdatabase.h"
#include "linereader.h"
#include "reportwriter.h"
#include "session.h"
#include "spool.h"
#include "vbformat.h"

namespace {
constexpr int ReportWidth = 82;
constexpr int ErrorsPerPage = 69;
const QString Title = QStringLiteral("KOVA AGENTES DE PERCEPCION");
const QString ReportTitle = QStringLiteral("REPORTE DE ERRORES DE TRANSFERENCIA - PERIODO ");
const QString Rule91(91, QLatin1Char('_'));
const QString Rule89(89, QLatin1Char('_'));

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

/// Writes `text` over the characters from `position` (counted from 1) without growing `line`.
void overwrite(QString& line, int position, const QString& text)
{
    const int from = position - 1;
    if (from < 0 || from >= line.size())
        return;
    line.replace(from, std::min<qsizetype>(text.size(), line.size() - from), text.left(line.size() - from));
}

/// Centred on the report width, with five more blanks before the text.
QString centred(const QString& text)
{
    const int margin = (ReportWidth - int(text.size())) / 2;
    const QString line = blanks(margin) + blanks(5) + text + blanks(margin);
    return line.leftJustified(ReportWidth);
}

void pageHeader(ReportWriter& w, const ErrorReportHeading& heading)
{
    w.setWidth(ReportWidth);
    w.setCursorY(0);
    const QDateTime now = Clock::now();
    const QString date = Format(now.date(), QStringLiteral("dd/mm/yyyy"));
    const QString time = Format(now, QStringLiteral("hh:nn:ss"));
    const QString page = QStringLiteral("Pag:") + Format(w.page(), QStringLiteral("##"));

    w.EmiteLinea(ReportWriter::tag(QStringLiteral("font"), QStringLiteral("Courier New")));
    w.EmiteLinea(ReportWriter::tag(QStringLiteral("nHojas"), QStringLiteral("1")));
    w.EmiteLinea(ReportWriter::tag(QStringLiteral("Orientacion"), QStringLiteral("V")));
    w.EmiteLinea(ReportWriter::tag(QStringLiteral("Color"), QStringLiteral("&H80000005&")));
    // The heading counts as one line, whatever its tag lines were.
    w.setLineCount(1);
    for (int i = 0; i < 3; ++i)
        w.EmiteLinea(QString());

    QString title = centred(Title);
    overwrite(title, 1, QStringLiteral("VALDEX"));
    title = blanks(15) + title + blanks(5);
    overwrite(title, 101, reportcode::ImportErrors);
    w.EmiteLinea(title);

    QString reportTitle =
        centred(ReportTitle + heading.periodo.mid(4, 2) + QLatin1Char('/') + heading.periodo.left(4));
    overwrite(reportTitle, 1, date);
    reportTitle += blanks(4);
    overwrite(reportTitle, ReportWidth - int(page.size()) + 9, page);
    w.EmiteLinea(blanks(15) + reportTitle);

    QString timeLine = blanks(87);
    overwrite(timeLine, 1, time);
    w.EmiteLinea(blanks(15) + timeLine);
    w.EmiteLinea(QString());
    w.EmiteLinea(QString());
    const QString declarant =
        blanks(15) + QStringLiteral("CONTRIBUYENTE:  ") + heading.ruc + QStringLiteral("  ") + heading.nombre;
    w.EmiteLinea(declarant.leftJustified(110));
    w.EmiteLinea(blanks(15) + Rule91);
    w.EmiteLinea(blanks(20) + QStringLiteral("RUC SUJETO SERIE NUMERO  DESCRIPCION DEL ERROR  "));
    w.EmiteLinea(blanks(15) + Rule91);
}

void countBlock(ReportWriter& w, const QString& rule, const QString& caption, long long count)
{
    w.EmiteLinea(blanks(15) + rule);
    w.EmiteLinea(blanks(20) + caption + QString::number(count));
    w.EmiteLinea(blanks(15) + rule);
}
} // namespace

void writeImportErrorReport(const QString& reportPath, const QString& errorFile,
                            const ErrorReportHeading& heading)
{
    LineReader errors;
    if (!errors.open(errorFile))
        throw ReportError(QStringLiteral("No se puede leer el archivo de errores ") + errorFile);
    ReportWriter w(reportPath);
    w.setPageHeader([&heading](ReportWriter& writer) { pageHeader(writer, heading); });
    pageHeader(w, heading);
    long long count = 0;
    while (errors.next()) {
        w.EmiteLinea(blanks(20) + fromCp1252(errors.bytes()));
        if (++count % ErrorsPerPage == 0)
            countBlock(w, Rule91, QStringLiteral("Sub-Total de Errores:  "), count);
    }
    countBlock(w, Rule89, QStringLiteral("Total de Errores:      "), count);
    w.close();
}

QString declarantName(HostDatabase& db, const QString& ruc)
{
    return db
        .scalar(QStringLiteral("SELECT Nombre FROM CONT WHERE Tip_doc_d = 6 AND Doc_id_d = ?"),
                {ruc.trimmed()})
        .toString();
}

QString produceImportErrorReport(HostDatabase& db, const Session& session, const QString& errorFile)
{
    const QString ruc = session.rucDeclarante.trimmed();
    const QString path =
        reportFilePath(session, RegistraSpool(db, reportcode::ImportErrors, 6, ruc, session.usuarioSistema));
    writeImportErrorReport(path, errorFile, {ruc, declarantName(db, ruc), session.periodoDeclaracion});
    return path;
}
