#pragma once

#include <QString>

class HostDatabase;
struct Session;

// Report codes of the module.
namespace reportcode {
inline const QString ImportErrors = QStringLiteral("PER001");
inline const QString Declaration = QStringLiteral("PER002");
inline const QString Annexes = QStringLiteral("PER003");
inline const QString Summary = QStringLiteral("PER004");
} // namespace reportcode

/// Registers a new report in SPOOL and answers its file name ("00000042.PRN"): the file number
/// is one more than the largest in SPOOL across all codes, the sequence one more than the
/// largest of its own code. Both maxima and the insert run in one write transaction, so two
/// programs registering at the same moment never get the same file. Throws DbError.
QString RegistraSpool(HostDatabase& db, const QString& codRep, int tipDoc, const QString& docId,
                      const QString& usuario);

/// Full path of a registered report file: RutaReportes + "/" + file name.
QString reportFilePath(const Session& session, const QString& fileName);
