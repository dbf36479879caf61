#include "sampledeclaration.h"

#include "hostdatabase.h"
#include "integrity.h"

#include <QDate>

namespace sample {

namespace {

QVariantMap key()
{
    return {{QStringLiteral("tip_doc_d"), 6},
            {QStringLiteral("doc_id_d"), Ruc},
            {QStringLiteral("periodo"), Period},
            {QStringLiteral("formulario"), QStringLiteral("0947")}};
}

QVariantMap with(QVariantMap base, const QVariantMap& more)
{
    for (auto it = more.constBegin(); it != more.constEnd(); ++it)
        base.insert(it.key(), it.value());
    return base;
}

} // namespace

QMap<QString, QString> consistentBoxes()
{
    // One subject (1,100.00 charged, 10.89 perceived): a receipt of 1,000.00 / 9.90 with its
    // voucher, and a cash sale of 100.00 / 0.99.
    return {{QStringLiteral("401"), QStringLiteral("11")},   {QStringLiteral("405"), QStringLiteral("11")},
            {QStringLiteral("410"), QStringLiteral("11")},   {QStringLiteral("501"), QStringLiteral("1")},
            {QStringLiteral("502"), QStringLiteral("1100")}, {QStringLiteral("503"), QStringLiteral("11")},
            {QStringLiteral("510"), QStringLiteral("1")},    {QStringLiteral("511"), QStringLiteral("1000")},
            {QStringLiteral("512"), QStringLiteral("10")},   {QStringLiteral("513"), QStringLiteral("1")},
            {QStringLiteral("514"), QStringLiteral("100")},  {QStringLiteral("515"), QStringLiteral("1")},
            {QStringLiteral("516"), QStringLiteral("1")},    {QStringLiteral("517"), QStringLiteral("1000")},
            {QStringLiteral("005"), QStringLiteral("0")}};
}

void saveDeclaration(HostDatabase& db, const QMap<QString, QString>& boxes)
{
    insertRow(db, QStringLiteral("CAB"),
              with(key(), {{QStringLiteral("rectifica"), QStringLiteral("0")},
                           {QStringLiteral("fec_pro"), QDate(2005, 7, 1)},
                           {QStringLiteral("efectivo"), QStringLiteral("10")},
                           {QStringLiteral("estado"), 0}}));
    for (auto it = boxes.constBegin(); it != boxes.constEnd(); ++it)
        insertRow(
            db, QStringLiteral("DET"),
            with(key(), {{QStringLiteral("idcasilla"),
                          it.key() == QLatin1String("410") ? QStringLiteral("05") : QStringLiteral("01")},
                         {QStringLiteral("casilla"), it.key()},
                         {QStringLiteral("i_valor"), it.value()}}));
    const QVariantMap subject = {{QStringLiteral("tip_doc_per"), 6},
                                 {QStringLiteral("num_doc_per"), QStringLiteral("20555666773")}};
    insertRow(db, QStringLiteral("F947PCAB"),
              with(with(key(), subject), {{QStringLiteral("des_razon"), QStringLiteral("ACME")},
                                          {QStringLiteral("ctd_docs"), 2},
                                          {QStringLiteral("mto_base_p"), QStringLiteral("1100.00")},
                                          {QStringLiteral("mto_imp_p"), QStringLiteral("10.89")},
                                          {QStringLiteral("ind_ruc"), 1}}));
    const QVariantMap receipt = with(subject, {{QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                                               {QStringLiteral("num_cp"), QStringLiteral("00000001")}});
    insertRow(db, QStringLiteral("F947PDET"),
              with(with(key(), receipt), {{QStringLiteral("fec_emision_cp"), QDate(2005, 6, 10)},
                                          {QStringLiteral("mto_base_p"), QStringLiteral("1000.00")},
                                          {QStringLiteral("por_tasa_p"), QStringLiteral("0.0099")},
                                          {QStringLiteral("mto_imp_p"), QStringLiteral("9.90")}}));
    insertRow(db, QStringLiteral("F947PDETVC"),
              with(with(key(), receipt), {{QStringLiteral("tip_cp"), QStringLiteral("01")},
                                          {QStringLiteral("fec_emision_cp"), QDate(2005, 6, 11)},
                                          {QStringLiteral("mto_base_p"), QStringLiteral("100.00")},
                                          {QStringLiteral("por_tasa_p"), QStringLiteral("0.0099")},
                                          {QStringLiteral("mto_imp_p"), QStringLiteral("0.99")}}));
    insertRow(db, QStringLiteral("F947PDETCP"),
              with(key(), {{QStringLiteral("num_doc_per"), QStringLiteral("20555666773")},
                           {QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                           {QStringLiteral("num_cp"), QStringLiteral("00000001")},
                           {QStringLiteral("tip_doc_detcp"), QStringLiteral("01")},
                           {QStringLiteral("num_serie_detcp"), QStringLiteral("F001")},
                           {QStringLiteral("num_detcp"), QStringLiteral("123")},
                           {QStringLiteral("fec_emis_detcp"), QDate(2005, 6, 9)},
                           {QStringLiteral("mto_detcp"), QStringLiteral("1000.00")}}));
}

int count(HostDatabase& db, const QString& table, const QString& extra, const QVariantList& values)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM ") + table + extra, values).toInt();
}

} // namespace sample
