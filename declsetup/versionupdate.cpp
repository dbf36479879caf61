#include "versionupdate.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "messages.h"
#include "rowupdate.h"
#include "tabledefs.h"
#include "vbformat.h"

namespace {

const QString Formulario = QStringLiteral("0947");
const QString FirstUpdatedPeriod = QStringLiteral("200504");
const QString VersionBox = QStringLiteral("721");
/// The perception rate of the current version, with its six decimals.
const QString PerceptionRate = QStringLiteral("0.009901");
const QString AmountPattern = QStringLiteral("###########0.00");
const QString WholePattern = QStringLiteral("###########0");
constexpr int RucDocumentType = 6;

/// The declarant-key condition of a saved declaration; values: declarationKey().
const QString DeclarationCondition =
    QStringLiteral(" WHERE tip_doc_d = ? AND doc_id_d = ? AND periodo = ? AND formulario = ?");

QVariantList declarationKey(const QString& ruc, const QString& period)
{
    return {RucDocumentType, ruc, period, Formulario};
}

struct SubjectSum {
    qlonglong type = 0;
    QString number;
    Money sum;

    bool isSubject(qlonglong otherType, const QString& otherNumber) const
    {
        return type == otherType && number.compare(otherNumber, Qt::CaseInsensitive) == 0;
    }
};

/// The perception of one receipt or cash sale at the current rate, as it is stored.
QString perceptionOf(const QVariantMap& row, const QString& table)
{
    const QString base = columnValue(row, QStringLiteral("mto_base_p")).toString();
    const std::optional<Money> amount = numericValue(base);
    const std::optional<Money> perception = amount ? amount->timesDecimal(PerceptionRate) : std::nullopt;
    if (!perception)
        throw VersionUpdateError(
            QStringLiteral("El monto \"") + base + QStringLiteral("\" de ") + table + QStringLiteral(" (") +
            columnValue(row, QStringLiteral("num_serie_cp")).toString() + QLatin1Char('-') +
            columnValue(row, QStringLiteral("num_cp")).toString() + QStringLiteral(") no es un número."));
    return Format(*perception, AmountPattern);
}

/// Recomputes the perception of every row of one detail table of a declaration and answers
/// each subject's new sum, in key order.
QList<SubjectSum> recomputeDetail(HostDatabase& db, const QString& table, const QString& ruc,
                                  const QString& period)
{
    const TableDef* def = findTableDef(table);
    const QList<QVariantMap> rows =
        readRows(db,
                 QStringLiteral("SELECT * FROM ") + table + DeclarationCondition +
                     QStringLiteral(" ORDER BY ") + def->primaryKey.join(QStringLiteral(", ")),
                 declarationKey(ruc, period));
    QList<SubjectSum> sums;
    for (const QVariantMap& row : rows) {
        const QString perception = perceptionOf(row, table);
        updateRow(db, table, row, {{QStringLiteral("mto_imp_p"), perception}});

        const qlonglong type = columnValue(row, QStringLiteral("tip_doc_per")).toLongLong();
        const QString number = columnValue(row, QStringLiteral("num_doc_per")).toString();
        if (sums.isEmpty() || !sums.last().isSubject(type, number))
            sums.append({type, number, Money()});
        sums.last().sum += *numericValue(perception);
    }
    return sums;
}

/// Writes a subject's new total perception into its F947PCAB row, when it has one.
void updateSubject(HostDatabase& db, const QString& ruc, const QString& period, const SubjectSum& subject,
                   const QString& total)
{
    const QList<QVariantMap> rows =
        readRows(db,
                 QStringLiteral("SELECT * FROM F947PCAB") + DeclarationCondition +
                     QStringLiteral(" AND tip_doc_per = ? AND num_doc_per = ?"),
                 declarationKey(ruc, period) + QVariantList{subject.type, subject.number});
    if (!rows.isEmpty())
        updateRow(db, QStringLiteral("F947PCAB"), rows.first(), {{QStringLiteral("mto_imp_p"), total}});
}

bool needsUpdate(const QVariant& version, const QString& period)
{
    if (version.isNull())
        return false;
    const QString text = version.toString();
    return text < CurrentFormVersion || (text == CurrentFormVersion && period == FirstUpdatedPeriod);
}

} // namespace

bool recomputeDeclaration(HostDatabase& db, const QString& ruc, const QString& period)
{
    Money total;
    const QList<SubjectSum> receipts = recomputeDetail(db, QStringLiteral("F947PDET"), ruc, period);
    for (const SubjectSum& subject : receipts) {
        total += subject.sum;
        updateSubject(db, ruc, period, subject, subject.sum.toString());
    }
    for (const SubjectSum& subject : recomputeDetail(db, QStringLiteral("F947PDETVC"), ruc, period)) {
        total += subject.sum;
        // The subject's receipts were just summed; one with cash sales only starts from
        // nothing, never from the total stored before the update.
        Money subjectTotal = subject.sum;
        for (const SubjectSum& r : receipts)
            if (r.isSubject(subject.type, subject.number))
                subjectTotal += r.sum;
        updateSubject(db, ruc, period, subject, Format(subjectTotal, AmountPattern));
    }
    if (total <= Money())
        return false;

    db.execute(QStringLiteral("DELETE FROM DET") + DeclarationCondition +
                   QStringLiteral(" AND casilla IN (?, ?, ?, ?, ?, ?, ?)"),
               declarationKey(ruc, period) + QVariantList{QStringLiteral("402"), QStringLiteral("404"),
                                                          QStringLiteral("410"), QStringLiteral("503"),
                                                          QStringLiteral("401"), QStringLiteral("403"),
                                                          QStringLiteral("405")});
    for (const char* box : {"503", "401", "403", "405"})
        GrabaCasillaInstalador(db, QLatin1String(box), total.toString(), ruc, period);
    GrabaCasillaInstalador(db, VersionBox, CurrentFormVersion, ruc, period);
    return true;
}

void GrabaCasillaInstalador(HostDatabase& db, const QString& box, const QString& value, const QString& ruc,
                            const QString& period)
{
    if (value.trimmed().isEmpty())
        return;
    const QString stored = box == VersionBox ? value : Format(value, WholePattern);
    const QString idcasilla = box == QLatin1String("410") ? QStringLiteral("05") : QStringLiteral("01");
    const QList<QVariantMap> rows = readRows(
        db,
        QStringLiteral(
            "SELECT * FROM DET WHERE doc_id_d = ? AND periodo = ? AND formulario = ? AND casilla = ?"),
        {ruc, period, Formulario, box});
    if (rows.isEmpty())
        insertRow(db, QStringLiteral("DET"),
                  {{QStringLiteral("tip_doc_d"), RucDocumentType},
                   {QStringLiteral("doc_id_d"), ruc},
                   {QStringLiteral("periodo"), period},
                   {QStringLiteral("formulario"), Formulario},
                   {QStringLiteral("casilla"), box},
                   {QStringLiteral("i_valor"), stored},
                   {QStringLiteral("idcasilla"), idcasilla}});
    else
        updateRow(db, QStringLiteral("DET"), rows.first(),
                  {{QStringLiteral("i_valor"), stored}, {QStringLiteral("idcasilla"), idcasilla}});
}

int updateSavedDeclarations(HostDatabase& db)
{
    Transaction transaction(db, Transaction::Immediate);
    const QList<QVariantMap> headers = readRows(
        db, QStringLiteral("SELECT * FROM CAB WHERE tip_doc_d = ? AND periodo >= ? AND formulario = ?"),
        {RucDocumentType, FirstUpdatedPeriod, Formulario});
    int changed = 0;
    for (const QVariantMap& header : headers) {
        const QString ruc = columnValue(header, QStringLiteral("doc_id_d")).toString();
        const QString period = columnValue(header, QStringLiteral("periodo")).toString();
        const QVariant version = db.scalar(QStringLiteral("SELECT i_valor FROM DET") + DeclarationCondition +
                                               QStringLiteral(" AND casilla = ?"),
                                           declarationKey(ruc, period) + QVariantList{VersionBox});
        if (!needsUpdate(version, period) || !recomputeDeclaration(db, ruc, period))
            continue;
        updateRow(db, QStringLiteral("CAB"), header, {{QStringLiteral("estado"), 9}});
        ++changed;
    }
    transaction.commit();
    return changed;
}

bool runVersionUpdate(HostDatabase& db, Messages& messages)
{
    try {
        updateSavedDeclarations(db);
        return true;
    } catch (const DbError&) {
    } catch (const VersionUpdateError&) {
    }
    // The transaction has been rolled back by now: nothing of the update stays.
    messages.show({installertext::UpdateFailed, installertext::ErrorTitle, MsgIcon::Critical, MsgButtons::Ok,
                   MsgAnswer::Ok});
    return false;
}
