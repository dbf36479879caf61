#pragma once

#include "hostdatabase.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

/// The integrator stand-in's set-up work: its folder, KV000.INI and the host database with the
/// tables and rows a fresh installation of the platform has.
namespace integrator {

class SetupError : public std::runtime_error {
public:
    explicit SetupError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

inline const QString DatabaseName = QStringLiteral("KOVA.db");
inline const QString DefaultUser = QStringLiteral("ADMIN");

struct InitResult {
    QString folder; ///< the integrator folder, ending with "/"
    QString databasePath;
    bool alreadyExisted = false; ///< the database was there: its data were kept
};

/// Creates (or completes) the integrator folder with RPT/, TMP/, tmp/ and 0947/, the files
/// the module is shipped with, KV000.INI in `iniFolder`, and the host database with its
/// tables and seed rows. An existing database keeps its data. Throws SetupError.
InitResult initIntegrator(const QString& folder, const QString& iniFolder);

/// Creates every host table that is missing.
void createHostTables(HostDatabase& db);
/// The rows of a fresh platform: declarants, users, banks, document types, error texts.
void seedHostData(HostDatabase& db);

/// Declarants of the seed data: a valid RUC each; the last one belongs to another user.
QStringList seedDeclarants();
inline const QString OtherUser = QStringLiteral("CONTADOR");

} // namespace integrator
