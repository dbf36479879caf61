#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class HostDatabase;
struct Session;
struct SubmissionArgs;

inline const QString InconsistentText =
    QStringLiteral("Existen datos inconsistentes en la información a enviar. Revisar el archivo ");
inline const QString InconsistentTitle = QStringLiteral("Error en la información a enviar");
/// The single line of the marker file.
inline const QString MarkerLine = QStringLiteral("0947") + QStringLiteral(" ERROR");

/// Where declcheck leaves its files: in the integrator's TMP folder, named from the document
/// type, document number, form, period and tag, with ".ERR" (the error report) and ".TXT"
/// (the marker that tells the integrator not to send).
struct CheckFiles {
    QString report;
    QString marker;
};
CheckFiles checkFiles(const Session& session, const SubmissionArgs& args);

/// The error report: the header with the date and time of the run, then the messages numbered
/// "001", "002", ... in the order the checks found them.
QStringList errorReportLines(const SubmissionArgs& args, const QDateTime& now, const QStringList& messages);

enum class CheckVerdict { Passed, Inconsistent, NoDeclaration };

/// Checks the saved declaration the command line names. When it balances, no file of the check
/// is left in TMP (a report or marker of an earlier run is removed); otherwise the error report
/// and the marker are written there. A declaration that was never saved is not checked and its
/// files are left as they are. Throws DbError, FileError.
CheckVerdict runConsistencyCheck(const Session& session, HostDatabase& db, const SubmissionArgs& args);
