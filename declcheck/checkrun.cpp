#include "checkrun.h"

#include "clock.h"
#include "consistencycheck.h"
#include "session.h"
#include "submissionargs.h"
#include "submissionprogram.h"
#include "textfile.h"
#include "vbformat.h"

#include <QFile>

namespace {

void removeIfPresent(const QString& path)
{
    if (QFile::exists(path) && !QFile::remove(path))
        throw FileError(FileError::AccessError, QStringLiteral("No se puede borrar el archivo ") + path);
}

} // namespace

CheckFiles checkFiles(const Session& session, const SubmissionArgs& args)
{
    const QString base = session.rutaSistema + QStringLiteral("TMP/") +
                         Format(args.documentType, QStringLiteral("00")) + args.documentNumber + args.form +
                         args.period + args.tag;
    return {base + QStringLiteral(".ERR"), base + QStringLiteral(".TXT")};
}

QStringList errorReportLines(const SubmissionArgs& args, const QDateTime& now, const QStringList& messages)
{
    QStringList lines = {
        Format(now, QStringLiteral("dd/mm/yyyy")) + QString(70, QLatin1Char(' ')) +
            Format(now, QStringLiteral("hh:mm:ss")),
        QString(),
        QString(),
        QString(20, QLatin1Char(' ')) +
            QStringLiteral("Resumen de Inconsistencias en Información a Enviar - Formulario ") + args.form,
        QString(),
    };
    int number = 0;
    for (const QString& message : messages)
        lines.append(Format(++number, QStringLiteral("000")) + message);
    return lines;
}

CheckVerdict runConsistencyCheck(const Session& session, HostDatabase& db, const SubmissionArgs& args)
{
    if (!declarationExists(db, args))
        return CheckVerdict::NoDeclaration;
    const QDateTime started = Clock::now();
    const QStringList messages = checkDeclaration(db, args);
    const CheckFiles files = checkFiles(session, args);
    if (messages.isEmpty()) {
        // A marker left by an earlier run would stop a declaration that now balances.
        removeIfPresent(files.report);
        removeIfPresent(files.marker);
        return CheckVerdict::Passed;
    }
    writeTextFile(files.report, errorReportLines(args, started, messages));
    removeIfPresent(files.marker);
    writeTextFile(files.marker, {MarkerLine});
    return CheckVerdict::Inconsistent;
}
