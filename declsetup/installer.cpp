#include "installer.h"

#include "configuration.h"
#include "hostdatabase.h"
#include "inifile.h"
#include "messages.h"
#include "moduleparameters.h"
#include "modulestructure.h"
#include "sendingdirectory.h"
#include "statementrunner.h"
#include "versionupdate.h"

#include <memory>

namespace {

/// The installer's own opening of the host database: the integrator folder plus DBName.
std::unique_ptr<HostDatabase> openDatabase(const QString& folder, Messages& messages)
{
    IniFile ini(kovaIniPath());
    ini.load();
    try {
        return HostDatabase::open(folder + ini.value(kovaini::Section, kovaini::DBName));
    } catch (const DbError& e) {
        messages.show({openErrorText(e, installertext::LockedSuffix), OpenErrorTitle, MsgIcon::None,
                       MsgButtons::Ok, MsgAnswer::Ok});
        return nullptr;
    }
}

/// Reads the sending directory before anything is written, so a missing file leaves the
/// database as it was.
bool loadSendingDirectory(const QString& folder, Messages& messages, QList<SendingRecord>& records)
{
    const QString path = sendingFilePath(folder);
    const SendingFile file = readSendingDirectory(path);
    if (!file.found) {
        messages.show({installertext::sendingFileMissing(path), installertext::ErrorTitle, MsgIcon::Critical,
                       MsgButtons::Ok, MsgAnswer::Ok});
        return false;
    }
    for (const SendingLineProblem& problem : file.problems)
        messages.inform(installertext::sendingLineSkipped(path, problem), installertext::Title,
                        MsgIcon::Exclamation);
    records = file.records;
    return true;
}

class Installation {
public:
    Installation(QString folder, Messages& messages) : m_folder(std::move(folder)), m_messages(messages) {}

    InstallStatus run()
    {
        QList<SendingRecord> sending;
        if (!loadSendingDirectory(m_folder, m_messages, sending))
            return InstallStatus::SendingFileMissing;

        if (!open())
            return InstallStatus::OpenFailed;
        runStep([&](StatementRunner& runner) { writeModuleParameters(runner, sending); });

        if (!open())
            return InstallStatus::OpenFailed;
        runStep([](StatementRunner& runner) { installModuleTables(runner); });
        const QStringList problems = moduleTableProblems(*m_db);
        if (!problems.isEmpty()) {
            m_messages.show({installertext::wrongStructure(problems), installertext::ErrorTitle,
                             MsgIcon::Critical, MsgButtons::Ok, MsgAnswer::Ok});
            return InstallStatus::WrongTableStructure;
        }
        runStep([&](StatementRunner& runner) { writeModuleParameters(runner, sending); });

        if (!runVersionUpdate(*m_db, m_messages))
            return InstallStatus::UpdateRolledBack;
        m_db.reset();
        return m_failures > 0 ? InstallStatus::StatementFailed : InstallStatus::Installed;
    }

private:
    bool open()
    {
        m_db.reset();
        m_db = openDatabase(m_folder, m_messages);
        return m_db != nullptr;
    }

    template <typename Step> void runStep(Step step)
    {
        StatementRunner runner(*m_db, m_messages);
        step(runner);
        m_failures += runner.failures();
    }

    QString m_folder;
    Messages& m_messages;
    std::unique_ptr<HostDatabase> m_db;
    int m_failures = 0;
};

} // namespace

QString installerFolder(const QString& sysPath)
{
    QString folder = sysPath;
    if (folder.endsWith(QStringLiteral("//")))
        folder.chop(1);
    return folder;
}

InstallStatus runInstaller(Messages& messages)
{
    IniFile ini(kovaIniPath());
    ini.load();
    const QString sysPath = ini.value(kovaini::Section, kovaini::SysPath);
    if (sysPath.isEmpty()) {
        messages.inform(installertext::NotInstalled, installertext::Title);
        return InstallStatus::NotInstalled;
    }
    try {
        return Installation(installerFolder(sysPath), messages).run();
    } catch (const DbError& e) {
        // A failure outside the statements the installer checks (reading PARAM or the table
        // list) leaves nothing sensible to go on with.
        messages.show({installertext::statementError(e.number(), e.text()),
                       installertext::StatementErrorTitle, MsgIcon::Critical, MsgButtons::Ok, MsgAnswer::Ok});
        return InstallStatus::StatementFailed;
    }
}
