#include "hostdatabase.h"

#include <QAtomicInteger>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlRecord>

namespace {
QAtomicInteger<int> connectionCounter;

QVariant storable(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        return value;
    }
}

QString baseType(const QString& declared)
{
    QString t = declared.trimmed().toUpper();
    const int paren = t.indexOf(QLatin1Char('('));
    if (paren >= 0)
        t = t.left(paren).trimmed();
    return t;
}
} // namespace

HostDatabase::HostDatabase(QString path, QString connectionName)
    : m_path(std::move(path)), m_connectionName(std::move(connectionName))
{
}

HostDatabase::~HostDatabase()
{
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen()) {
            if (m_depth > 0)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

std::unique_ptr<HostDatabase> HostDatabase::open(const QString& path, const Options& options)
{
    const QFileInfo info(path);
    if (path.trimmed().isEmpty() || (!options.create && !info.exists()))
        throw DbError(DbError::NotFound,
                      QStringLiteral("No se encuentra el archivo '") + path + QStringLiteral("'."));
    if (info.exists() && !info.isFile())
        throw DbError(DbError::NotADatabase,
                      QStringLiteral("'") + path + QStringLiteral("' no es un archivo."));

    const QString name = QStringLiteral("hostdb-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
    std::unique_ptr<HostDatabase> result(new HostDatabase(path, name));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(options.busyTimeoutMs));
        if (!db.open())
            throw DbError::fromSql(db.lastError());
    }
    // Reading the schema touches the file: a lock held by another program, a read-only file
    // or a file that is not a database shows up here.
    result->run(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (info.exists() && !info.isWritable())
        throw DbError(DbError::Locked,
                      QStringLiteral("El archivo '") + path + QStringLiteral("' es de sólo lectura."));
    result->run(QStringLiteral("PRAGMA journal_mode=DELETE"));
    return result;
}

QSqlDatabase HostDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery HostDatabase::prepared(const QString& sql)
{
    if (m_hook)
        m_hook(sql);
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError::fromSql(query.lastError(), sql);
    return query;
}

QSqlQuery HostDatabase::run(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = prepared(sql);
    for (const QVariant& v : values)
        query.addBindValue(storable(v));
    if (!query.exec())
        throw DbError::fromSql(query.lastError(), sql);
    return query;
}

int HostDatabase::execute(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = run(sql, values);
    const int affected = query.numRowsAffected();
    query.finish();
    return affected;
}

int HostDatabase::executeCached(const QString& sql, const QVariantList& values)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end())
        it = m_statements.insert(sql, prepared(sql));
    else if (m_hook)
        m_hook(sql);
    QSqlQuery& query = *it;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, storable(values[i]));
    if (!query.exec())
        throw DbError::fromSql(query.lastError(), sql);
    const int affected = query.numRowsAffected();
    query.finish();
    return affected;
}

QVariant HostDatabase::scalar(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = run(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

bool HostDatabase::exists(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = run(sql, values);
    return query.next();
}

QStringList HostDatabase::tableNames()
{
    QStringList names;
    QSqlQuery query = run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

bool HostDatabase::hasTable(const QString& name)
{
    return exists(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND upper(name) = upper(?)"),
        {name});
}

QList<ColumnInfo> HostDatabase::columns(const QString& table)
{
    const QString key = table.toUpper();
    auto it = m_columns.constFind(key);
    if (it != m_columns.constEnd())
        return *it;
    QList<ColumnInfo> result;
    QSqlQuery query =
        run(QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid"), {table});
    while (query.next())
        result.append({query.value(0).toString(), baseType(query.value(1).toString())});
    if (result.isEmpty())
        throw DbError(DbError::NoSuchTable,
                      QStringLiteral("No existe la tabla '") + table + QStringLiteral("'."));
    m_columns.insert(key, result);
    return result;
}

void HostDatabase::beginTransaction(bool immediate)
{
    if (m_depth == 0)
        execute(immediate ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    else
        execute(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    ++m_depth;
}

void HostDatabase::commitTransaction()
{
    if (m_depth == 1)
        execute(QStringLiteral("COMMIT"));
    else
        execute(QStringLiteral("RELEASE sp%1").arg(m_depth - 1));
    --m_depth;
}

void HostDatabase::rollbackTransaction()
{
    // The hook is for the work inside the transaction, never for undoing it.
    auto hook = std::exchange(m_hook, nullptr);
    --m_depth;
    try {
        if (m_depth == 0) {
            execute(QStringLiteral("ROLLBACK"));
        } else {
            execute(QStringLiteral("ROLLBACK TO sp%1").arg(m_depth));
            execute(QStringLiteral("RELEASE sp%1").arg(m_depth));
        }
    } catch (const DbError&) {
        // SQLite may already have rolled back after certain errors; nothing more to undo.
    }
    m_hook = std::move(hook);
    forgetSchema();
}

Transaction::Transaction(HostDatabase& db, Mode mode) : m_db(db)
{
    m_db.beginTransaction(mode == Immediate);
}

Transaction::~Transaction()
{
    if (m_active)
        m_db.rollbackTransaction();
}

void Transaction::commit()
{
    if (!m_active)
        return;
    m_db.commitTransaction();
    m_active = false;
}
