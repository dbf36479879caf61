#include "consistencycheck.h"

#include "hostdatabase.h"
#include "money.h"
#include "submissionargs.h"
#include "vbformat.h"

#include <QHash>
#include <array>
#include <functional>
#include <optional>

namespace {

/// A module table whose count and sums the declaration also carries in its boxes.
struct CheckTable {
    QString name;
    QString countBox;
    QString baseBox;
    QString perceptionBox; ///< empty: the table has no perception column
    QString baseColumn;
    QString perceptionColumn;
    QString description; ///< how the messages name the table
};

const std::array<CheckTable, 4> Tables = {{
    {QStringLiteral("F947PCAB"), QStringLiteral("501"), QStringLiteral("502"), QStringLiteral("503"),
     QStringLiteral("mto_base_p"), QStringLiteral("mto_imp_p"),
     QStringLiteral("del detalle de percepciones por sujeto de percepción")},
    {QStringLiteral("F947PDET"), QStringLiteral("510"), QStringLiteral("511"), QStringLiteral("512"),
     QStringLiteral("mto_base_p"), QStringLiteral("mto_imp_p"),
     QStringLiteral("de los comprobantes de percepción emitidos - con CDP")},
    {QStringLiteral("F947PDETVC"), QStringLiteral("513"), QStringLiteral("514"), QStringLiteral("515"),
     QStringLiteral("mto_base_p"), QStringLiteral("mto_imp_p"),
     QStringLiteral("de los comprobantes de percepción emitidos - al contado")},
    {QStringLiteral("F947PDETCP"), QStringLiteral("516"), QStringLiteral("517"), QString(),
     QStringLiteral("mto_detcp"), QString(),
     QStringLiteral("del detalle de comprobantes de pago involucrado")},
}};
enum TableIndex { Subjects, Receipts, CashSales, Vouchers };

/// Every row of `source` needs a row of `target` with the same values in `columns`.
struct RowMatch {
    QString source;
    QString target;
    QStringList columns;
    QString missingMessage;
    QString label; ///< what the check verifies, for the message of a check that fails to run
};

const std::array<RowMatch, 4> RowMatches = {{
    {QStringLiteral("F947PDET"),
     QStringLiteral("F947PCAB"),
     {QStringLiteral("tip_doc_per"), QStringLiteral("num_doc_per")},
     QStringLiteral(
         ") Existen comprobantes de percepción emitidos con CDP- pero no existe el sujeto de percepción."),
     QStringLiteral("de los sujetos de los comprobantes de percepción emitidos con CDP")},
    {QStringLiteral("F947PDETVC"),
     QStringLiteral("F947PCAB"),
     {QStringLiteral("tip_doc_per"), QStringLiteral("num_doc_per")},
     QStringLiteral(
         ") Existen comprobantes de percepción emitidos al contado- pero no existe el sujeto de percepción."),
     QStringLiteral("de los sujetos de los comprobantes de percepción emitidos al contado")},
    {QStringLiteral("F947PDET"),
     QStringLiteral("F947PDETCP"),
     {QStringLiteral("num_doc_per"), QStringLiteral("num_serie_cp"), QStringLiteral("num_cp")},
     QStringLiteral(
         ") Existen comprobantes de percepción emitidos con CDP- pero no existe el CDP involucrado."),
     QStringLiteral("de los CDP involucrados de los comprobantes de percepción emitidos con CDP")},
    {QStringLiteral("F947PDETCP"),
     QStringLiteral("F947PDET"),
     {QStringLiteral("num_doc_per"), QStringLiteral("num_serie_cp"), QStringLiteral("num_cp")},
     QStringLiteral(
         ") Existe el CDP involucrado-pero no existe el comprobante de percepción emitido con CDP."),
     QStringLiteral("de los comprobantes de percepción emitidos de los CDP involucrados")},
}};

struct Totals {
    Money count;
    Money base;
    Money perception;
};

/// An amount column as the detail stores it: a decimal text; null or blank counts as zero.
Money amountOf(const QVariant& value, const QString& table)
{
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return {};
    const std::optional<Money> amount = numericValue(text);
    if (!amount)
        throw CheckError(QStringLiteral("el monto \"") + text + QStringLiteral("\" de ") + table +
                         QStringLiteral(" no es un número"));
    return *amount;
}

/// A declared value and a computed total agree when, both rounded to whole units, they are at
/// most one unit apart.
bool agree(const Money& declared, const Money& computed)
{
    const Money difference = declared.roundedHalfAway(0) - computed.roundedHalfAway(0);
    return difference.abs() <= Money::fromInt(1);
}

QString subjectKey(const QVariant& type, const QVariant& number)
{
    // Document numbers compare without regard to case, as the key columns do.
    return type.toString() + QLatin1Char('|') + number.toString().trimmed().toUpper();
}

/// A table's sum disagrees with its box. The subjects' table names the box (`amount`, "el
/// monto total cobrado"); the others speak of the declaration (`total`, "El monto total cobrado").
QString sumMessage(int index, const QString& box, const QString& amount, const QString& total)
{
    const QString& description = Tables[index].description;
    if (index == Subjects)
        return QStringLiteral(") El valor de la casilla ") + box + QStringLiteral(" no coincide con ") +
               amount + QLatin1Char(' ') + description + QLatin1Char('.');
    return QStringLiteral(") ") + total + QLatin1Char(' ') + description +
           QStringLiteral(" no coincide con lo registrado en la declaración.");
}

class Checker {
public:
    Checker(HostDatabase& db, const SubmissionArgs& args) : m_db(db), m_args(args) {}

    QStringList run()
    {
        // Box 005 (rectification) selects between two ways of balancing the tables that make the
        // same comparisons, so the balance does not depend on it.
        for (int i = 0; i < int(Tables.size()); ++i)
            check(Tables[i].description, [&] { balanceTable(i); });
        check(QStringLiteral("de la casilla 401"), [&] { checkBox401(); });
        check(QStringLiteral("de los comprobantes emitidos contra el detalle del sujeto de percepción"),
              [&] { checkReceiptsAgainstSubjects(); });
        check(QStringLiteral("de cada sujeto de percepción contra sus comprobantes de percepción emitidos"),
              [&] { checkEachSubject(); });
        for (const RowMatch& match : RowMatches)
            check(match.label, [&] { checkRowsHaveTheirMatch(match); });
        return m_lines;
    }

private:
    /// Runs one check; a failure ends that check, which then counts as not passed.
    void check(const QString& label, const std::function<void()>& body)
    {
        try {
            body();
        } catch (const std::runtime_error& e) {
            m_lines.append(QStringLiteral(") No se pudo completar la verificación ") + label +
                           QStringLiteral(": ") + QString::fromUtf8(e.what()));
        }
    }

    QString box(const QString& casilla)
    {
        return m_db
            .scalar(QStringLiteral("SELECT i_valor FROM DET WHERE ") + SubmissionArgs::keyCondition() +
                        QStringLiteral(" AND casilla = ?"),
                    m_args.keyValues() << casilla)
            .toString()
            .trimmed();
    }

    /// A box that is not stored holds zero (saving leaves empty boxes out); a value that is not
    /// a number agrees with nothing.
    bool boxAgrees(const QString& casilla, const Money& computed)
    {
        const QString value = box(casilla);
        if (value.isEmpty())
            return agree(Money(), computed);
        const std::optional<Money> declared = numericValue(value);
        return declared && agree(*declared, computed);
    }

    const Totals& totals(int index)
    {
        std::optional<Totals>& cached = m_totals[index];
        if (!cached) {
            const CheckTable& table = Tables[index];
            const QString perception =
                table.perceptionColumn.isEmpty() ? QStringLiteral("NULL") : table.perceptionColumn;
            QSqlQuery rows = m_db.run(QStringLiteral("SELECT ") + table.baseColumn + QStringLiteral(", ") +
                                          perception + QStringLiteral(" FROM ") + table.name +
                                          QStringLiteral(" WHERE ") + SubmissionArgs::keyCondition(),
                                      m_args.keyValues());
            Totals sum;
            while (rows.next()) {
                sum.count += Money::fromInt(1);
                sum.base += amountOf(rows.value(0), table.name);
                sum.perception += amountOf(rows.value(1), table.name);
            }
            cached = sum;
        }
        return *cached;
    }

    void balanceTable(int index)
    {
        const CheckTable& table = Tables[index];
        const Totals& sum = totals(index);
        if (!boxAgrees(table.countBox, sum.count))
            m_lines.append(QStringLiteral(") La cantidad de registros de la casilla ") + table.countBox +
                           QStringLiteral(" no coincide ") + table.description);
        if (!boxAgrees(table.baseBox, sum.base))
            m_lines.append(sumMessage(index, table.baseBox, QStringLiteral("el monto total cobrado"),
                                      QStringLiteral("El monto total cobrado")));
        if (!table.perceptionBox.isEmpty() && !boxAgrees(table.perceptionBox, sum.perception))
            m_lines.append(sumMessage(index, table.perceptionBox, QStringLiteral("el importe de percepción"),
                                      QStringLiteral("El monto total percibido")));
    }

    void checkBox401()
    {
        if (!boxAgrees(QStringLiteral("401"), totals(Subjects).perception))
            m_lines.append(QStringLiteral(
                ") El total percibido del detalle del sujeto de percepción no coincide con la casilla 401."));
    }

    void checkReceiptsAgainstSubjects()
    {
        const Totals& subjects = totals(Subjects);
        const Totals& receipts = totals(Receipts);
        const Totals& cashSales = totals(CashSales);
        if (!agree(receipts.base + cashSales.base, subjects.base))
            m_lines.append(
                QStringLiteral(") El total cobrado de comprobantes emitidos no coincide con el total cobrado "
                               "en el detalle del sujeto de percepción."));
        if (!agree(receipts.perception + cashSales.perception, subjects.perception))
            m_lines.append(
                QStringLiteral(") El total percibido de comprobantes emitidos no coincide con lo percibido "
                               "en el detalle del sujeto de percepción."));
    }

    /// Each subject's amounts against the sum of its receipts with vouchers and cash sales; the
    /// first subject that disagrees gives the one message of this check.
    void checkEachSubject()
    {
        QHash<QString, Totals> receiptsBySubject;
        for (const int index : {Receipts, CashSales}) {
            const QString& table = Tables[index].name;
            QSqlQuery rows =
                m_db.run(QStringLiteral("SELECT tip_doc_per, num_doc_per, mto_base_p, mto_imp_p FROM ") +
                             table + QStringLiteral(" WHERE ") + SubmissionArgs::keyCondition(),
                         m_args.keyValues());
            while (rows.next()) {
                Totals& sum = receiptsBySubject[subjectKey(rows.value(0), rows.value(1))];
                sum.base += amountOf(rows.value(2), table);
                sum.perception += amountOf(rows.value(3), table);
            }
        }

        QSqlQuery subjects = m_db.run(
            QStringLiteral("SELECT tip_doc_per, num_doc_per, mto_base_p, mto_imp_p FROM "
                           "F947PCAB WHERE ") +
                SubmissionArgs::keyCondition() + QStringLiteral(" ORDER BY tip_doc_per, num_doc_per"),
            m_args.keyValues());
        bool any = false;
        while (subjects.next()) {
            any = true;
            const Totals receipts = receiptsBySubject.value(subjectKey(subjects.value(0), subjects.value(1)));
            if (!agree(amountOf(subjects.value(2), Tables[Subjects].name), receipts.base)) {
                m_lines.append(
                    QStringLiteral(") La base imponible del sujeto de percepción no coincide con la base "
                                   "imponible del comprobante de percepción emitido."));
                return;
            }
            if (!agree(amountOf(subjects.value(3), Tables[Subjects].name), receipts.perception)) {
                m_lines.append(QStringLiteral(") La percepción del sujeto no coincide con la percepción del "
                                              "comprobante de percepción emitido."));
                return;
            }
        }
        if (!any)
            m_lines.append(QStringLiteral(
                ") No existe información de detalle de percepciones por sujetos de percepción."));
    }

    void checkRowsHaveTheirMatch(const RowMatch& match)
    {
        QStringList same;
        for (const QString& column : match.columns)
            same.append(QStringLiteral("t.") + column + QStringLiteral(" = s.") + column);
        const QString sql =
            QStringLiteral("SELECT 1 FROM ") + match.source + QStringLiteral(" s WHERE ") +
            SubmissionArgs::keyCondition() + QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM ") +
            match.target +
            QStringLiteral(" t WHERE t.tip_doc_d = s.tip_doc_d AND t.doc_id_d = s.doc_id_d"
                           " AND t.periodo = s.periodo AND t.formulario = s.formulario AND ") +
            same.join(QStringLiteral(" AND ")) + QLatin1Char(')');
        if (m_db.exists(sql, m_args.keyValues()))
            m_lines.append(match.missingMessage);
    }

    HostDatabase& m_db;
    const SubmissionArgs& m_args;
    QStringList m_lines;
    std::array<std::optional<Totals>, Tables.size()> m_totals;
};

} // namespace

QStringList checkDeclaration(HostDatabase& db, const SubmissionArgs& args)
{
    return Checker(db, args).run();
}
