#include "summarydata.h"

#include "hostdatabase.h"
#include "submissionargs.h"
#include "vbformat.h"

namespace {

/// The Funcion of a PARAM row; nullopt when there is no such row.
std::optional<QString> paramFuncion(HostDatabase& db, const QString& numero, const QString& argumento)
{
    QSqlQuery row = db.run(QStringLiteral("SELECT Funcion FROM PARAM WHERE Numero = ? AND Argumento = ?"),
                           {numero, argumento});
    if (!row.next())
        return std::nullopt;
    return row.value(0).toString();
}

/// A box as the summary prints it: with separators, right-aligned in 15 characters; a box the
/// declaration does not hold prints as blanks.
QString boxText(HostDatabase& db, const SubmissionArgs& args, const QString& casilla)
{
    QSqlQuery row = db.run(QStringLiteral("SELECT i_valor FROM DET WHERE ") + SubmissionArgs::keyCondition() +
                               QStringLiteral(" AND casilla = ?"),
                           args.keyValues() << casilla);
    if (!row.next())
        return QString(10, QLatin1Char(' '));
    return Format(row.value(0).toString(), QStringLiteral("###,###,###,##0")).rightJustified(15);
}

} // namespace

BoundQuery declarationHeaderQuery(const SubmissionArgs& args)
{
    return {QStringLiteral("SELECT bcolibrad, nrocheque, cheque, efectivo, rectifica FROM CAB WHERE ") +
                SubmissionArgs::keyCondition(),
            args.keyValues()};
}

std::optional<SummaryData> readSummaryData(HostDatabase& db, const SubmissionArgs& args,
                                           const BoundQuery& header)
{
    QSqlQuery cab = db.run(header.sql, header.values);
    if (!cab.next())
        return std::nullopt;

    SummaryData data;
    const QString documentType = QString::number(args.documentType);
    const std::optional<QString> documentRow = paramFuncion(db, QStringLiteral("044"), documentType);
    data.documentShortName = documentRow ? documentRow->mid(31, 12).trimmed() : QStringLiteral("RUC");
    data.documentNumber = args.documentNumber;
    data.declarantName =
        db.scalar(QStringLiteral("SELECT Nombre FROM CONT WHERE Tip_doc_d = ? AND Doc_id_d = ?"),
                  {args.documentType, args.documentNumber})
            .toString();
    data.form = args.form;
    data.period = args.isAnnual() ? args.period.left(4)
                                  : args.period.mid(4, 2) + QLatin1Char('/') + args.period.left(4);

    const QString cash = cab.value(3).toString().trimmed();
    const QString cheque = cab.value(2).toString().trimmed();
    const QString amountPattern = QStringLiteral("###,###,###,###");
    if (!cash.isEmpty()) {
        data.payment = SummaryData::Payment::Cash;
        data.amount = Format(cash, amountPattern);
    } else if (!cheque.isEmpty()) {
        data.payment = SummaryData::Payment::Cheque;
        data.amount = Format(cheque, amountPattern);
        data.bankCode = cab.value(0).toString().trimmed();
        data.bankName =
            paramFuncion(db, QStringLiteral("004"), data.bankCode).value_or(QString()).left(36).trimmed();
        data.chequeNumber = cab.value(1).toString().trimmed();
    }
    data.rectification = Val(cab.value(4).toString()) != 0;
    data.box405 = boxText(db, args, QStringLiteral("405"));
    data.box410 = boxText(db, args, QStringLiteral("410"));
    return data;
}
