#include "summaryrun.h"

#include "clock.h"
#include "hostdatabase.h"
#include "reportwriter.h"
#include "session.h"
#include "spool.h"
#include "submissionargs.h"
#include "summarydata.h"
#include "summarywriter.h"
#include "textconversion.h"
#include "textfile.h"

#include <QDir>

namespace {

/// One line for Trace.txt: the statement and the values bound to it.
QString traceLine(const BoundQuery& query)
{
    QStringList values;
    for (const QVariant& value : query.values)
        values.append(value.toString());
    return query.sql + QStringLiteral(" [") + values.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace

QString summaryBaseName(const SubmissionArgs& args)
{
    return args.form + args.period + args.tag + args.controlNumber;
}

SummaryOutcome runSubmissionSummary(const Session& session, HostDatabase& db, const SubmissionArgs& args)
{
    SummaryOutcome outcome;
    SummaryFiles& files = outcome.files;
    const QString base = summaryBaseName(args);
    files.plain = session.rutaReportes + QStringLiteral("/") + base + QStringLiteral(".PRN");
    files.text = session.rutaReportes + QStringLiteral("/") + base + QStringLiteral(".txt");
    files.delivered = session.rutaSistema + QStringLiteral("TMP/") + base + QStringLiteral(".TXT");
    // The configuration made the integrator folder the current one.
    files.trace = QDir::current().absoluteFilePath(QStringLiteral("Trace.txt"));

    std::optional<SummaryData> data;
    {
        // The spool row stands only when its file was written.
        Transaction transaction(db, Transaction::Immediate);
        const QString fileName = RegistraSpool(db, reportcode::Summary, args.documentType,
                                               args.documentNumber, session.usuarioSistema);
        files.report = reportFilePath(session, fileName);
        ReportWriter writer(files.report);
        const BoundQuery header = declarationHeaderQuery(args);
        appendTextLine(files.trace, traceLine(header));
        data = readSummaryData(db, args, header);
        if (data)
            writeSummaryReport(writer, *data, args.controlNumber, Clock::now());
        writer.close();
        transaction.commit();
    }
    outcome.declarationFound = data.has_value();

    writeTextFile(files.plain, data ? plainSummaryLines(*data) : QStringList());
    convertReportToText(files.plain, files.text);
    replaceFile(files.text, files.delivered);
    return outcome;
}
