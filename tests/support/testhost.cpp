#include "testhost.h"

#include "configuration.h"
#include "integrator.h"
#include "opendb.h"
#include "tabledefs.h"

#include <QDir>

TestHost::TestHost(Tables tables) : m_host(m_messages)
{
    m_previousCurrent = QDir::currentPath();
    m_hadWindir = qEnvironmentVariableIsSet("KOVA_WINDIR");
    m_previousWindir = qgetenv("KOVA_WINDIR");
    m_iniFolder = m_dir.filePath(QStringLiteral("windir"));
    qputenv("KOVA_WINDIR", m_iniFolder.toLocal8Bit());

    integrator::initIntegrator(m_dir.filePath(QStringLiteral("kova")), m_iniFolder);
    LeeConfiguracion(m_session);
    m_db = AbreBaseDatos(m_session);
    if (tables == WithModuleTables)
        for (const TableDef& table : moduleTables())
            createTable(*m_db, table);
}

TestHost::~TestHost()
{
    m_db.reset();
    QDir::setCurrent(m_previousCurrent);
    if (m_hadWindir)
        qputenv("KOVA_WINDIR", m_previousWindir);
    else
        qunsetenv("KOVA_WINDIR");
}

void TestHost::reopenDatabase()
{
    m_db = AbreBaseDatos(m_session);
}
