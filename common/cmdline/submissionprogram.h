#pragma once

#include "hostdatabase.h"
#include "session.h"
#include "submissionargs.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Messages;
class SingleInstance;

/// Exit statuses of declcheck and declsummary, for the integrator and for scripts.
namespace exitstatus {
inline constexpr int Done = 0;         ///< declcheck found no inconsistency; declsummary wrote the summary
inline constexpr int Inconsistent = 1; ///< declcheck found inconsistencies: its report and marker are in TMP
inline constexpr int NotDone = 2;      ///< the work could not be done (the message says why)
} // namespace exitstatus

/// Title of the programs' own messages.
inline const QString SubmissionTitle = QStringLiteral("Presentación Telemática");
inline const QString AlreadyRunningText = QStringLiteral("La aplicación ya se encuentra en Ejecución");

/// The start-up and error handling that declcheck and declsummary share. It lives as long as
/// the program runs, holding the single-copy lock, the configuration and the open database.
class SubmissionProgram {
public:
    SubmissionProgram(QString name, Messages& messages);
    ~SubmissionProgram();
    SubmissionProgram(const SubmissionProgram&) = delete;
    SubmissionProgram& operator=(const SubmissionProgram&) = delete;

    /// Refuses a second copy, reads the command line (one argument), the configuration and
    /// opens the database. Answers nullopt when the program may go on; otherwise the message
    /// has been shown and the answer is the exit status.
    std::optional<int> start(const QStringList& arguments, const QString& exitStatuses);
    /// Runs the program's work; a database or file error it throws is shown as its message
    /// and ends the program with exitstatus::NotDone.
    int run(const std::function<int()>& work);

    Session& session() { return m_session; }
    HostDatabase& db() { return *m_db; }
    const SubmissionArgs& args() const { return m_args; }
    Messages& messages() { return m_messages; }

private:
    QString m_name;
    Messages& m_messages;
    std::unique_ptr<SingleInstance> m_instance;
    Session m_session;
    std::unique_ptr<HostDatabase> m_db;
    SubmissionArgs m_args;
};

/// True when CAB holds the declaration the command line names.
bool declarationExists(HostDatabase& db, const SubmissionArgs& args);
/// The message for a command line naming a declaration that was never saved.
QString noDeclarationText(const SubmissionArgs& args);
/// The technical-error message of a failed file or printing step.
QString technicalErrorText(int number, const QString& description);
