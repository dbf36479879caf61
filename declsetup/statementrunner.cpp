#include "statementrunner.h"

QString installertext::statementError(int number, const QString& text)
{
    return QStringLiteral("Error Número : ") + QString::number(number) + QLatin1Char('\n') + text;
}

bool StatementRunner::EjecutaSQL(const QString& sql, const QVariantList& values)
{
    return ejecuta([&] { m_db.execute(sql, values); });
}

bool StatementRunner::ejecuta(const std::function<void()>& statement)
{
    try {
        statement();
        return true;
    } catch (const DbError& e) {
        m_db.forgetSchema();
        switch (e.number()) {
        case DbError::TableExists:
            // Our own check runs first, so only a table created by someone else between the
            // check and the creation gets here; whatever the answer, it is left as it is.
            m_messages.ask(installertext::TablesExist, installertext::Title, MsgAnswer::No);
            break;
        case DbError::ConstraintExists:
            break;
        default:
            m_messages.show({installertext::statementError(e.number(), e.text()),
                             installertext::StatementErrorTitle, MsgIcon::Critical, MsgButtons::Ok,
                             MsgAnswer::Ok});
            ++m_failures;
            break;
        }
        return false;
    }
}

bool StatementRunner::ExisteTabla(const QString& name)
{
    m_db.forgetSchema();
    return m_db.hasTable(name);
}
