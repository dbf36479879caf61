#pragma once

#include "session.h"

#include <QString>
#include <stdexcept>

/// The configuration could not be read: the message says what is wrong, in the user's words.
class ConfigError : public std::runtime_error {
public:
    explicit ConfigError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

/// Folder of KV000.INI: $KOVA_WINDIR, else ~/.config/kova.
QString kovaIniFolder();
/// Full path of KV000.INI.
QString kovaIniPath();

/// Reads KV000.INI into the session (RutaSistema, RutaReportes, RutaBaseDatos, UsuarioSistema)
/// and makes RutaSistema the current folder. Throws ConfigError when the file is missing or
/// unreadable, or when SysPath is empty, since nothing can work then.
void LeeConfiguracion(Session& session);

/// Writes the "SystemDB" key: RutaSistema + "KV000.MDW".
void writeSystemDb(const Session& session);

namespace kovaini {
inline const QString Section = QStringLiteral("Options");
inline const QString SysPath = QStringLiteral("SysPath");
inline const QString DBPath = QStringLiteral("DBPath");
inline const QString DBName = QStringLiteral("DBName");
inline const QString SysUser = QStringLiteral("SysUser");
inline const QString SystemDB = QStringLiteral("SystemDB");
} // namespace kovaini
