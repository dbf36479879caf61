#pragma once

#include <QString>

class HostDatabase;
struct Session;

/// Whose errors a report lists.
struct ErrorReportHeading {
    QString ruc;
    QString nombre;  ///< the declarant's name, as the integrator registers it
    QString periodo; ///< YYYYMM
};

/// Writes the import error report: the error file of a run, page by page under its heading,
/// with a sub-total after every 69 errors and the total at the end. Throws ReportError.
void writeImportErrorReport(const QString& reportPath, const QString& errorFile,
                            const ErrorReportHeading& heading);

/// The declarant's name in CONT, or an empty text.
QString declarantName(HostDatabase& db, const QString& ruc);

/// Registers a "PER001" report in the spool for the session's declarant and writes it from the
/// error file of the period's run; answers the report file's full path. Throws DbError or
/// ReportError.
QString produceImportErrorReport(HostDatabase& db, const Session& session, const QString& errorFile);
