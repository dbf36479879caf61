#pragma once

#include <QString>

class Messages;

/// How an installation ended; the program's exit status.
enum class InstallStatus : int {
    Installed = 0,
    NotInstalled = 1,        ///< KV000.INI names no integrator folder
    SendingFileMissing = 2,  ///< tmp/env947.txt is not in the integrator folder
    OpenFailed = 3,          ///< the host database could not be opened
    StatementFailed = 4,     ///< a statement failed; the installation went on and the user was told
    WrongTableStructure = 5, ///< a module table lacks a column: saved declarations were not updated
    UpdateRolledBack = 6,    ///< the update of saved declarations failed and was undone
};

/// The integrator folder as KV000.INI gives it, with a doubled final separator made single.
QString installerFolder(const QString& sysPath);

/// Installs or updates the module in the host database that KV000.INI names: the parameter
/// rows, the module tables, the parameter rows once more on the fresh structure, then the
/// version update of saved declarations. Every message goes through `messages`.
InstallStatus runInstaller(Messages& messages);

namespace installertext {
inline const QString NotInstalled = QStringLiteral("Debe instalar primero el KOVA ");
inline const QString LockedSuffix = QStringLiteral("- Base de datos esta bloqueda");
} // namespace installertext
