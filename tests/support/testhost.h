#pragma once

#include "hostdatabase.h"
#include "hostutilities.h"
#include "messages.h"
#include "session.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

/// A complete integrator installation in a temporary folder, built by the same code the
/// integrator stand-in uses: KV000.INI (KOVA_WINDIR points at it while the fixture lives), the
/// host database with its seed rows and, unless asked otherwise, the module's tables.
class TestHost {
public:
    enum Tables { HostOnly, WithModuleTables };
    explicit TestHost(Tables tables = WithModuleTables);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    bool isValid() const { return m_db != nullptr; }
    /// The integrator folder, ending with "/".
    const QString& folder() const { return m_session.rutaSistema; }
    const QString& iniFolder() const { return m_iniFolder; }
    Session& session() { return m_session; }
    HostDatabase& db() { return *m_db; }
    ScriptedMessages& messages() { return m_messages; }
    HostUtilities& host() { return m_host; }
    /// Closes the fixture's connection (for tests that hand the file to another program).
    void closeDatabase() { m_db.reset(); }
    void reopenDatabase();

private:
    QTemporaryDir m_dir;
    QString m_iniFolder;
    QByteArray m_previousWindir;
    QString m_previousCurrent;
    bool m_hadWindir = false;
    Session m_session;
    ScriptedMessages m_messages;
    HostUtilities m_host;
    std::unique_ptr<HostDatabase> m_db;
};
