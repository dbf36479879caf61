#include "dberror.h"

#include "vbformat.h"

DbError::DbError(int number, const QString& text)
    : std::runtime_error(text.toStdString()), m_number(number), m_text(text)
{
}

DbError DbError::fromSql(const QSqlError& error, const QString& statement)
{
    // The driver may give an extended result code; its low byte is the primary one.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const QString message = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    int number = General;
    switch (code) {
    case 5:  // busy
    case 6:  // locked
    case 8:  // read-only
    case 14: // cannot open
        number = Locked;
        break;
    case 26: // not a database
    case 11: // corrupt
        number = NotADatabase;
        break;
    case 19: // constraint
        if (message.contains(QStringLiteral("UNIQUE")) || message.contains(QStringLiteral("PRIMARY KEY")))
            number = DuplicateKey;
        else
            number = FieldTooSmall;
        break;
    default:
        if (message.contains(QStringLiteral("constraint failed")))
            number = message.contains(QStringLiteral("UNIQUE")) ? DuplicateKey : FieldTooSmall;
        else if (message.contains(QStringLiteral("already exists")))
            number = TableExists;
        else if (message.contains(QStringLiteral("no such table")))
            number = NoSuchTable;
        break;
    }
    QString text = message;
    if (!statement.isEmpty() && number == General)
        text += QStringLiteral(" (") + statement.simplified().left(200) + QLatin1Char(')');
    return DbError(number, text);
}

QString openErrorText(const DbError& error, const QString& lockedSuffix)
{
    if (error.number() == DbError::Locked)
        return Str(static_cast<long long>(error.number())) + lockedSuffix;
    return errorBoxText(error);
}

QString errorBoxText(const DbError& error)
{
    return error.text() + QLatin1Char('\n') + Str(static_cast<long long>(error.number()));
}
