#pragma once

#include "hostdatabase.h"
#include "messages.h"

#include <QString>
#include <QVariantList>
#include <functional>

/// Runs the installer's statements on the open database and reports their failures the way
/// the installer does (EjecutaSQL): a table that already exists asks the user and is skipped,
/// a primary key that already exists is skipped silently, any other error is shown. The
/// installation always goes on with its next step; failures() tells the program's exit status.
class StatementRunner {
public:
    StatementRunner(HostDatabase& db, Messages& messages) : m_db(db), m_messages(messages) {}

    HostDatabase& db() { return m_db; }

    /// Runs one statement with its bound values; false when it failed or was skipped.
    bool EjecutaSQL(const QString& sql, const QVariantList& values = {});
    /// The same handling for a statement that other code builds and runs (a table creation).
    bool ejecuta(const std::function<void()>& statement);
    /// True when a table of that name exists, on a fresh read of the table list.
    bool ExisteTabla(const QString& name);

    /// Statements that failed with an error the user was shown.
    int failures() const { return m_failures; }

private:
    HostDatabase& m_db;
    Messages& m_messages;
    int m_failures = 0;
};

namespace installertext {
inline const QString TablesExist = QStringLiteral("Se  detectado que ya existen las tablas del KOVA") +
                                   QLatin1Char('\n') + QStringLiteral(" Desea Sobreescribirlas?");
inline const QString Title = QStringLiteral("Mensaje");
inline const QString StatementErrorTitle = QStringLiteral("Error al Ejecutar Sentencia SQL");
/// "Error Número : " + number + line feed + the engine's message.
QString statementError(int number, const QString& text);
} // namespace installertext
