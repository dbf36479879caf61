#pragma once

#include "hostdatabase.h"

#include <QDate>
#include <QString>
#include <functional>

/// The integrator's sending of a saved declaration: the consistency check, the move of the
/// declaration into the history tables under a new sending number, and the summary.
namespace integrator {

struct Declaration {
    QString ruc;
    QString periodo; ///< YYYYMM
};

/// The fixed-position command line of the check and summary programs: document type (2),
/// document number (15), form (4), period (6), tag (1), control number (8).
QString submissionCommandLine(const Declaration& declaration, const QString& control);
inline const QString SubmissionTag = QStringLiteral("E");

/// True when the declaration is saved (its CAB row exists).
bool isSaved(HostDatabase& db, const Declaration& declaration);
QString notSavedText(const Declaration& declaration);

/// A new 8-digit control number, one more than the largest one already sent.
QString nextControlNumber(HostDatabase& db);
/// The next 3-character sending number of a declaration.
QString nextCorrel(HostDatabase& db, const Declaration& declaration);

/// Moves a saved declaration into the history tables, in one transaction: HCAB and HDET from
/// CAB and DET, HF947P* from F947P*, each row with its integrity code, then removes the saved
/// rows so a rectifying declaration of the same period can be entered. Answers the correl.
/// Throws DbError; throws SendError when the declaration is not saved.
QString moveToHistory(HostDatabase& db, const Declaration& declaration, const QString& control,
                      const QDate& sent);

class SendError : public std::runtime_error {
public:
    explicit SendError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace integrator
