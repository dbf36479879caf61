#pragma once

#include "launcher.h"
#include "sending.h"

#include <QList>
#include <QString>
#include <functional>

class HostDatabase;
struct Session;

namespace integrator {

/// A saved declaration of form 0947 the user may send.
struct SavedDeclaration {
    QString ruc;
    QString nombre;
    QString periodo; ///< YYYYMM
    QString rectifica;
};
/// The saved declarations of form 0947 the session's user may see (a user of type "0" sees
/// them all, any other type only his declarants'), by RUC and period.
QList<SavedDeclaration> sendableDeclarations(HostDatabase& db, const Session& session);

/// How a sending ended.
struct SendOutcome {
    enum Result { Sent, Inconsistent, Failed };
    Result result = Failed;
    QString control;
    QString correl;
    QString message;    ///< what to tell the user
    QString reportText; ///< the check's error report (Inconsistent), or the summary (Sent)
};

/// Runs a program of the module to its end (the real one starts it beside kovaris).
using ProgramRunner = std::function<ProgramRun(const QString& name, const QStringList& arguments)>;

/// Sends a saved declaration as the integrator does: the consistency check with a new control
/// number (stopping when it fails), the submission summary, and the move into the history
/// tables under the next sending number. Throws nothing: every failure is in the outcome.
SendOutcome sendDeclaration(const Session& session, HostDatabase& db, const Declaration& declaration,
                            const ProgramRunner& run = runProgram);

} // namespace integrator
