#pragma once

#include <QSqlError>
#include <QString>
#include <stdexcept>

/// A database failure, carrying the engine error number the system reacts to.
class DbError : public std::runtime_error {
public:
    // Engine error numbers the rules of the system name.
    static constexpr int Locked = 3051;       ///< busy, locked, read-only or cannot open
    static constexpr int NotFound = 3024;     ///< the database file does not exist
    static constexpr int DuplicateKey = 3022; ///< primary key or unique violation
    static constexpr int TableExists = 3010;
    static constexpr int ConstraintExists = 3283;
    static constexpr int FieldTooSmall = 3163; ///< a value longer or larger than its column
    static constexpr int NotADatabase = 3343;
    static constexpr int NoSuchTable = 3078;
    static constexpr int General = 3000;

    DbError(int number, const QString& text);
    /// Maps an engine error to the system's number.
    static DbError fromSql(const QSqlError& error, const QString& statement = {});

    int number() const { return m_number; }
    QString text() const { return m_text; }

private:
    int m_number;
    QString m_text;
};

/// The message of a failed open, as the programs show it: " 3051- Base esta bloqueda" for a
/// locked database (`lockedSuffix` lets the installer use its own wording), otherwise the
/// engine's text, a line feed and the number with its leading blank.
QString openErrorText(const DbError& error,
                      const QString& lockedSuffix = QStringLiteral("- Base esta bloqueda"));
/// Title of the open-error box.
inline const QString OpenErrorTitle = QStringLiteral("Error de Conección");
/// The platform's message for a run-time error: its text, a line feed, the number with its
/// leading blank.
QString errorBoxText(const DbError& error);
