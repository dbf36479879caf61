#include "configuration.h"

#include "inifile.h"

#include <QDir>

ConfigError::ConfigError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString kovaIniFolder()
{
    const QString windir = qEnvironmentVariable("KOVA_WINDIR");
    if (!windir.isEmpty())
        return windir;
    return QDir::homePath() + QStringLiteral("/.config/kova");
}

QString kovaIniPath()
{
    return QDir(kovaIniFolder()).filePath(QStringLiteral("KV000.INI"));
}

void LeeConfiguracion(Session& session)
{
    IniFile ini(kovaIniPath());
    if (!ini.exists())
        throw ConfigError(QStringLiteral("No se encontró el archivo de configuración del KOVA: ") +
                          ini.path());
    if (!ini.load())
        throw ConfigError(QStringLiteral("No se puede leer el archivo de configuración del KOVA: ") +
                          ini.path());

    session.rutaSistema = ini.value(kovaini::Section, kovaini::SysPath);
    if (session.rutaSistema.isEmpty())
        throw ConfigError(QStringLiteral("Falta la carpeta del KOVA (clave SysPath) en ") + ini.path());
    QDir::setCurrent(session.rutaSistema);
    session.rutaBaseDatos =
        ini.value(kovaini::Section, kovaini::DBPath) + ini.value(kovaini::Section, kovaini::DBName);
    session.rutaReportes = session.rutaSistema + QStringLiteral("RPT");
    session.usuarioSistema = ini.value(kovaini::Section, kovaini::SysUser);
}

void writeSystemDb(const Session& session)
{
    IniFile ini(kovaIniPath());
    if (ini.load())
        ini.setValue(kovaini::Section, kovaini::SystemDB, session.rutaSistema + QStringLiteral("KV000.MDW"));
}
