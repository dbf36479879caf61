#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class HostDatabase;

enum class ColumnType { Byte, Integer, Long, Double, Text, Date, DateTime };

struct ColumnDef {
    QString name;
    ColumnType type = ColumnType::Text;
    int size = 0;                 ///< characters, for Text
    bool allowZeroLength = false; ///< an empty text is a legitimate value
};

/// A table as the system defines it: columns in order, primary key, and the number of leading
/// key columns its integrity code sums (0 when the table carries no integrity code).
struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    QStringList primaryKey;
    int integrityKeyCount = 0;

    QString primaryKeyName() const { return QStringLiteral("PK_") + name; }
    const ColumnDef* column(const QString& columnName) const;
};

/// The eleven tables of the module in the order the installer creates them: F947PCAB,
/// HF947PCAB, TMPF947PCAB, F947PDET, HF947PDET, TMPF947PDET, F947PDETCP, HF947PDETCP,
/// TMPF947PDETCP, F947PDETVC, HF947PDETVC.
const QList<TableDef>& moduleTables();
/// The integrator's tables the module uses: CAB, DET, HCAB, HDET, CONT, PARAM, CLAVES,
/// ERROR, SPOOL, envio_t, reportes.
const QList<TableDef>& hostTables();
/// A module or host table by name (case ignored); nullptr when unknown.
const TableDef* findTableDef(const QString& name);

/// CREATE TABLE statement: text columns compare without regard to case and are checked
/// against their size, byte and integer columns against their range, and the primary key is
/// the named constraint PK_<table>.
QString createTableSql(const TableDef& table);
/// Creates the table; throws DbError (TableExists when it is already there).
void createTable(HostDatabase& db, const TableDef& table);
