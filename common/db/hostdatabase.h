#pragma once

#include "dberror.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

/// A column as the database declares it, in the table's real order.
struct ColumnInfo {
    QString name;
    QString declaredType; ///< upper case, without the size: "BYTE", "TEXT", "DATE", ...
};

/// The one open host database of a program. Every statement binds its values: placeholders
/// "?" in the text, the values in order. QDate values are stored as "yyyy-MM-dd" and
/// QDateTime values as "yyyy-MM-dd HH:mm:ss". Failures throw DbError.
class HostDatabase {
public:
    struct Options {
        int busyTimeoutMs = 5000; ///< how long to wait for another program's lock
        bool create = false;      ///< create the file when it does not exist
    };

    /// Opens (shared, read-write, rollback journal) and reads the schema once, so a locked
    /// file or one that is not a database is reported here and not at the first use.
    static std::unique_ptr<HostDatabase> open(const QString& path, const Options& options);
    static std::unique_ptr<HostDatabase> open(const QString& path) { return open(path, Options{}); }
    ~HostDatabase();
    HostDatabase(const HostDatabase&) = delete;
    HostDatabase& operator=(const HostDatabase&) = delete;

    const QString& path() const { return m_path; }
    QSqlDatabase connection() const;
    /// A name for a data-bound model to reach this same connection.
    const QString& connectionName() const { return m_connectionName; }

    /// Prepares, binds and executes; the query is positioned before its first row.
    QSqlQuery run(const QString& sql, const QVariantList& values = {});
    /// Runs a statement that returns no rows and answers the number of rows it touched.
    int execute(const QString& sql, const QVariantList& values = {});
    /// The same for a statement run many times: it is prepared once and kept.
    int executeCached(const QString& sql, const QVariantList& values = {});
    /// First column of the first row, or a null value when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    bool exists(const QString& sql, const QVariantList& values = {});

    QStringList tableNames();
    bool hasTable(const QString& name);
    /// The table's columns in their real order (cached until forgetSchema()).
    QList<ColumnInfo> columns(const QString& table);
    void forgetSchema()
    {
        m_columns.clear();
        m_statements.clear();
    }

    /// For tests: called with each statement before it runs; it may throw to simulate a failure.
    void setStatementHook(std::function<void(const QString& sql)> hook) { m_hook = std::move(hook); }

    // Used by Transaction.
    void beginTransaction(bool immediate);
    void commitTransaction();
    void rollbackTransaction();
    int transactionDepth() const { return m_depth; }

private:
    HostDatabase(QString path, QString connectionName);
    QSqlQuery prepared(const QString& sql);

    QString m_path;
    QString m_connectionName;
    QHash<QString, QList<ColumnInfo>> m_columns;
    QHash<QString, QSqlQuery> m_statements;
    std::function<void(const QString&)> m_hook;
    int m_depth = 0;
};

/// A transaction as a scope guard: commit() makes it stick, leaving the scope without it
/// rolls back. Nested guards become savepoints of the outer transaction.
class Transaction {
public:
    enum Mode { Deferred, Immediate };
    explicit Transaction(HostDatabase& db, Mode mode = Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    HostDatabase& m_db;
    bool m_active = true;
};
