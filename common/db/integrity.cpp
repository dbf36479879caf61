#include "integrity.h"

#include "cp1252.h"
#include "tabledefs.h"
#include "vbformat.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>

namespace {

bool isIntegerType(const QString& t)
{
    static const QStringList types = {QStringLiteral("BYTE"),   QStringLiteral("INTEGER"),
                                      QStringLiteral("INT"),    QStringLiteral("SMALLINT"),
                                      QStringLiteral("LONG"),   QStringLiteral("BIGINT"),
                                      QStringLiteral("COUNTER")};
    return types.contains(t);
}

bool isNumberType(const QString& t)
{
    static const QStringList types = {QStringLiteral("DOUBLE"),   QStringLiteral("SINGLE"),
                                      QStringLiteral("REAL"),     QStringLiteral("FLOAT"),
                                      QStringLiteral("CURRENCY"), QStringLiteral("NUMERIC"),
                                      QStringLiteral("DECIMAL")};
    return types.contains(t);
}

QDate dateOf(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString text = v.toString().trimmed();
    QDate d = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        d = QDate::fromString(text.left(10), QStringLiteral("dd/MM/yyyy"));
    return d;
}

QString plainNumber(const QVariant& v)
{
    const std::optional<Money> m = numericValue(v.toString());
    return m ? m->toString() : QString();
}

} // namespace

QString integrityText(const TypedValue& field)
{
    const QVariant& v = field.value;
    if (v.isNull() || !v.isValid())
        return {};
    const QString& t = field.declaredType;
    if (isIntegerType(t) || isNumberType(t))
        return plainNumber(v);
    if (t == QLatin1String("DATE") || t == QLatin1String("DATETIME")) {
        const QDate d = dateOf(v);
        return d.isValid() ? d.toString(QStringLiteral("yyyyMMdd")) : QString();
    }
    if (v.typeId() == QMetaType::Bool)
        return {};
    return v.toString().trimmed();
}

QString CodigoControl(const QList<TypedValue>& row, int keyCount)
{
    Money sumA;
    long long sumB = 0;
    for (int i = 0; i < row.size() - 1; ++i) {
        const QString text = integrityText(row[i]);
        if (i < keyCount) {
            if (const std::optional<Money> value = numericValue(text))
                sumA += *value;
        } else {
            for (int j = 0; j < text.size(); ++j)
                sumB += (j + 1) * cp1252Code(text.at(j));
        }
    }
    const QString pattern = QStringLiteral("00000000000000000000");
    const QString a = Format(sumA, pattern).right(15);
    const QString b = Format(sumB, pattern).right(15);
    return a.right(3) + b.right(3);
}

namespace {
QVariant valueFor(const QVariantMap& values, const QString& column)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        if (it.key().compare(column, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}
} // namespace

QString CodigoControl(HostDatabase& db, const QString& table, const QVariantMap& values, int keyCount)
{
    QList<TypedValue> row;
    for (const ColumnInfo& c : db.columns(table))
        row.append({c.declaredType, valueFor(values, c.name)});
    return CodigoControl(row, keyCount);
}

void insertRow(HostDatabase& db, const QString& table, QVariantMap values)
{
    const QList<ColumnInfo> columns = db.columns(table);
    if (const TableDef* def = findTableDef(table); def && def->integrityKeyCount > 0) {
        const QString code = CodigoControl(db, table, values, def->integrityKeyCount);
        for (auto it = values.begin(); it != values.end();)
            it = it.key().compare(QStringLiteral("cnumero"), Qt::CaseInsensitive) == 0 ? values.erase(it)
                                                                                       : std::next(it);
        values.insert(QStringLiteral("cnumero"), code);
    }
    QStringList names, marks;
    QVariantList binds;
    for (const ColumnInfo& c : columns) {
        names.append(c.name);
        marks.append(QStringLiteral("?"));
        binds.append(valueFor(values, c.name));
    }
    db.executeCached(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
                         names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                         marks.join(QStringLiteral(", ")) + QLatin1Char(')'),
                     binds);
}
