#include "sendflow.h"

#include "checkrun.h"
#include "clock.h"
#include "cp1252.h"
#include "dberror.h"
#include "hostdatabase.h"
#include "lookups.h"
#include "session.h"
#include "submissionargs.h"
#include "summaryrun.h"

#include <QFile>
#include <QSqlQuery>

namespace integrator {

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeTextFile(file.readAll());
}

QString programFailure(const QString& program, const ProgramRun& run)
{
    if (!run.started)
        return run.output;
    return QStringLiteral("%1 terminó con el estado %2.\n%3").arg(program).arg(run.exitCode).arg(run.output);
}

} // namespace

QList<SavedDeclaration> sendableDeclarations(HostDatabase& db, const Session& session)
{
    QString sql =
        QStringLiteral("SELECT A.doc_id_d, B.Nombre, A.periodo, A.rectifica FROM CAB AS A, CONT AS B"
                       " WHERE A.doc_id_d = B.Doc_id_d AND A.tip_doc_d = 6 AND B.Tip_doc_d = 6"
                       " AND A.formulario = '0947'");
    QVariantList values;
    if (TipoUsuario(db, session.usuarioSistema) != QLatin1String("0")) {
        sql += QStringLiteral(" AND B.Usuario = ?");
        values.append(session.usuarioSistema);
    }
    sql += QStringLiteral(" ORDER BY A.doc_id_d, A.periodo");
    QSqlQuery rows = db.run(sql, values);
    QList<SavedDeclaration> result;
    while (rows.next())
        result.append({rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(),
                       rows.value(3).toString()});
    return result;
}

SendOutcome sendDeclaration(const Session& session, HostDatabase& db, const Declaration& declaration,
                            const ProgramRunner& run)
{
    SendOutcome outcome;
    try {
        if (!isSaved(db, declaration))
            throw SendError(notSavedText(declaration));
        outcome.control = nextControlNumber(db);
        const QString line = submissionCommandLine(declaration, outcome.control);
        const SubmissionArgs args = SubmissionArgs::parse(line);

        const ProgramRun check = run(QStringLiteral("declcheck"), {line});
        if (check.started && check.exitCode == 1) {
            outcome.result = SendOutcome::Inconsistent;
            outcome.message = QStringLiteral("La declaración tiene datos inconsistentes y no se envió.");
            outcome.reportText = readText(checkFiles(session, args).report);
            return outcome;
        }
        if (!check.started || check.exitCode != 0) {
            outcome.message = programFailure(QStringLiteral("declcheck"), check);
            return outcome;
        }

        // The summary reads the saved declaration, so it is written before the move.
        const ProgramRun summary = run(QStringLiteral("declsummary"), {line});
        if (!summary.started || summary.exitCode != 0) {
            outcome.message =
                QStringLiteral("No se pudo generar el resumen de envío; la declaración no se envió.\n") +
                programFailure(QStringLiteral("declsummary"), summary);
            return outcome;
        }
        outcome.correl = moveToHistory(db, declaration, outcome.control, Clock::today());
        outcome.result = SendOutcome::Sent;
        outcome.message = QStringLiteral("Declaración enviada: número de control %1, envío %2.")
                              .arg(outcome.control, outcome.correl);
        outcome.reportText = readText(session.rutaSistema + QStringLiteral("TMP/") + summaryBaseName(args) +
                                      QStringLiteral(".TXT"));
    } catch (const SendError& e) {
        outcome.result = SendOutcome::Failed;
        outcome.message = e.message();
    } catch (const CommandLineError& e) {
        outcome.result = SendOutcome::Failed;
        outcome.message = e.message();
    } catch (const DbError& e) {
        outcome.result = SendOutcome::Failed;
        outcome.message = errorBoxText(e);
    }
    return outcome;
}

} // namespace integrator
