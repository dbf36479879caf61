#include "subjecttotals.h"

#include "hostdatabase.h"
#include "money.h"
#include "vbformat.h"

#include <QHash>
#include <limits>

namespace {
constexpr int RucDocument = 6;

struct Totals {
    Money base;
    Money imp;
};

// Sums stop at the ends of the range instead of wrapping round.
Money saturatingAdd(const Money& a, const Money& b)
{
    std::int64_t units = 0;
    if (__builtin_add_overflow(a.units(), b.units(), &units))
        units = b.isNegative() ? std::numeric_limits<std::int64_t>::min()
                               : std::numeric_limits<std::int64_t>::max();
    return Money::fromUnits(units);
}

Money amountOf(const QVariant& stored)
{
    return stored.isNull() ? Money() : numericValue(stored.toString()).value_or(Money());
}

// The column holds 15 characters; a total that needs more is kept in whole units.
QString storedText(const Money& total)
{
    if (total.isNegative())
        return QStringLiteral("0");
    const QString text = total.toString();
    return text.size() <= 15 ? text : total.roundedHalfAway(0).toString();
}
} // namespace

void CalcularTot(HostDatabase& db)
{
    QHash<QString, Totals> sums;
    QSqlQuery receipts = db.run(
        QStringLiteral("SELECT num_doc_per, mto_base_p, mto_imp_p FROM TMPF947PDET WHERE tip_doc_per = ?"),
        {RucDocument});
    while (receipts.next()) {
        Totals& t = sums[receipts.value(0).toString().toUpper()];
        t.base = saturatingAdd(t.base, amountOf(receipts.value(1)));
        t.imp = saturatingAdd(t.imp, amountOf(receipts.value(2)));
    }
    receipts.finish();

    QList<std::pair<QVariant, QString>> subjects;
    QSqlQuery rows = db.run(QStringLiteral("SELECT tip_doc_per, num_doc_per FROM TMPF947PCAB"));
    while (rows.next())
        subjects.append({rows.value(0), rows.value(1).toString()});
    rows.finish();

    Transaction transaction(db);
    for (const auto& [type, ruc] : subjects) {
        const Totals t = sums.value(ruc.toUpper());
        db.executeCached(QStringLiteral("UPDATE TMPF947PCAB SET mto_base_p = ?, mto_imp_p = ? "
                                        "WHERE tip_doc_per = ? AND num_doc_per = ?"),
                         {storedText(t.base), storedText(t.imp), type, ruc});
    }
    transaction.commit();
}
