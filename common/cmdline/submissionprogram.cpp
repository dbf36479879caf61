#include "submissionprogram.h"

#include "configuration.h"
#include "messages.h"
#include "opendb.h"
#include "reportwriter.h"
#include "singleinstance.h"
#include "textfile.h"

SubmissionProgram::SubmissionProgram(QString name, Messages& messages)
    : m_name(std::move(name)), m_messages(messages)
{
}

SubmissionProgram::~SubmissionProgram() = default;

std::optional<int> SubmissionProgram::start(const QStringList& arguments, const QString& exitStatuses)
{
    m_instance = std::make_unique<SingleInstance>(m_name);
    if (!m_instance->isFirst()) {
        m_messages.inform(AlreadyRunningText, SubmissionTitle, MsgIcon::Information);
        return exitstatus::NotDone;
    }

    try {
        // A line that was not quoted arrives split at its blanks; joining the pieces again
        // could not restore the padding, so it is refused.
        if (arguments.size() != 1)
            throw CommandLineError(
                QStringLiteral("Se esperaba la línea como un solo argumento entre comillas; "
                               "se recibieron ") +
                QString::number(arguments.size()) + QLatin1Char('.'));
        m_args = SubmissionArgs::parse(arguments.first());
    } catch (const CommandLineError& e) {
        m_messages.inform(e.message() + QStringLiteral("\n\n") + submissionUsage(m_name, exitStatuses),
                          SubmissionTitle, MsgIcon::Critical);
        return exitstatus::NotDone;
    }

    try {
        LeeConfiguracion(m_session);
        m_db = AbreBaseDatos(m_session);
    } catch (const ConfigError& e) {
        m_messages.inform(e.message(), SubmissionTitle, MsgIcon::Critical);
        return exitstatus::NotDone;
    } catch (const DbError& e) {
        m_messages.inform(openErrorText(e), OpenErrorTitle, MsgIcon::None);
        return exitstatus::NotDone;
    }
    return std::nullopt;
}

int SubmissionProgram::run(const std::function<int()>& work)
{
    try {
        return work();
    } catch (const DbError& e) {
        m_messages.inform(openErrorText(e), OpenErrorTitle, MsgIcon::None);
    } catch (const FileError& e) {
        m_messages.inform(technicalErrorText(e.number(), e.text()), SubmissionTitle, MsgIcon::Critical);
    } catch (const ReportError& e) {
        m_messages.inform(technicalErrorText(FileError::AccessError, e.message()), SubmissionTitle,
                          MsgIcon::Critical);
    }
    return exitstatus::NotDone;
}

bool declarationExists(HostDatabase& db, const SubmissionArgs& args)
{
    return db.exists(QStringLiteral("SELECT 1 FROM CAB WHERE ") + SubmissionArgs::keyCondition(),
                     args.keyValues());
}

QString noDeclarationText(const SubmissionArgs& args)
{
    return QStringLiteral("No existe la declaración del formulario ") + args.form +
           QStringLiteral(" del documento ") + args.documentNumber + QStringLiteral(" para el período ") +
           args.period + QLatin1Char('.');
}

QString technicalErrorText(int number, const QString& description)
{
    return QStringLiteral("Error Técnico : (") + QString::number(number) + QStringLiteral(") ") + description;
}
