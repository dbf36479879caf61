#include "shellfixture.h"

#include "hostdatabase.h"
#include "hostutilities.h"
#include "integrity.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace {

QVariantMap key(const QString& ruc, const QString& periodo, const QString& correl = QString())
{
    QVariantMap values{{QStringLiteral("tip_doc_d"), 6},
                       {QStringLiteral("doc_id_d"), ruc},
                       {QStringLiteral("periodo"), periodo},
                       {QStringLiteral("formulario"), QStringLiteral("0947")}};
    if (!correl.isEmpty())
        values.insert(QStringLiteral("correl"), correl);
    return values;
}

QVariantMap with(QVariantMap values, const QVariantMap& more)
{
    values.insert(more);
    return values;
}

/// One subject, one receipt with one voucher and one cash sale, under the given key.
void storeDetail(HostDatabase& db, const QString& prefix, const QVariantMap& declarant)
{
    const QString subject = QStringLiteral("20555666773");
    insertRow(db, prefix + QStringLiteral("F947PCAB"),
              with(declarant, QVariantMap{{QStringLiteral("tip_doc_per"), 6},
                                          {QStringLiteral("num_doc_per"), subject},
                                          {QStringLiteral("des_razon"),
                                           QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A.")},
                                          {QStringLiteral("des_apellido_p"), QString()},
                                          {QStringLiteral("des_apellido_m"), QString()},
                                          {QStringLiteral("des_nombres"), QString()},
                                          {QStringLiteral("ctd_docs"), 2},
                                          {QStringLiteral("mto_base_p"), QStringLiteral("1500.00")},
                                          {QStringLiteral("mto_imp_p"), QStringLiteral("30.00")},
                                          {QStringLiteral("ind_ruc"), 1}}));
    const QVariantMap receipt =
        with(declarant, QVariantMap{{QStringLiteral("tip_doc_per"), 6},
                                    {QStringLiteral("num_doc_per"), subject},
                                    {QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                                    {QStringLiteral("num_cp"), QStringLiteral("00000012")},
                                    {QStringLiteral("fec_emision_cp"), QDate(2014, 5, 20)},
                                    {QStringLiteral("mto_base_p"), QStringLiteral("1000.00")},
                                    {QStringLiteral("por_tasa_p"), QStringLiteral("0.02")},
                                    {QStringLiteral("mto_imp_p"), QStringLiteral("20.00")}});
    insertRow(db, prefix + QStringLiteral("F947PDET"), receipt);
    insertRow(db, prefix + QStringLiteral("F947PDETVC"),
              with(receipt, QVariantMap{{QStringLiteral("tip_cp"), QStringLiteral("01")}}));
    QVariantMap voucher =
        with(declarant, QVariantMap{{QStringLiteral("num_doc_per"), subject},
                                    {QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                                    {QStringLiteral("num_cp"), QStringLiteral("00000012")},
                                    {QStringLiteral("tip_doc_detcp"), QStringLiteral("01")},
                                    {QStringLiteral("num_serie_detcp"), QStringLiteral("F001")},
                                    {QStringLiteral("num_detcp"), QStringLiteral("345")},
                                    {QStringLiteral("fec_emis_detcp"), QDate(2014, 5, 18)},
                                    {QStringLiteral("mto_detcp"), QStringLiteral("1000.00")}});
    insertRow(db, prefix + QStringLiteral("F947PDETCP"), voucher);
}

void storeBoxes(HostDatabase& db, const QString& table, const QVariantMap& declarant)
{
    for (const auto& [box, kind] : {std::pair{"401", "01"}, std::pair{"410", "05"}})
        insertRow(db, table,
                  with(declarant, QVariantMap{{QStringLiteral("casilla"), QLatin1String(box)},
                                              {QStringLiteral("idcasilla"), QLatin1String(kind)},
                                              {QStringLiteral("i_valor"), QStringLiteral("20")}}));
}

} // namespace

void storeSaved(HostDatabase& db, const QString& ruc, const QString& periodo, int estado)
{
    const QVariantMap declarant = key(ruc, periodo);
    insertRow(
        db, QStringLiteral("CAB"),
        with(declarant, QVariantMap{{QStringLiteral("rectifica"), QStringLiteral("0")},
                                    {QStringLiteral("fec_pro"), QDateTime(QDate(2014, 6, 2), QTime(10, 30))},
                                    {QStringLiteral("efectivo"), QStringLiteral("20")},
                                    {QStringLiteral("estado"), QVariant(estado)}}));
    storeBoxes(db, QStringLiteral("DET"), declarant);
    storeDetail(db, QString(), declarant);
}

void storeSent(HostDatabase& db, const QString& ruc, const QString& periodo, const QString& correl,
               const QString& norden)
{
    const QVariantMap declarant = key(ruc, periodo, correl);
    insertRow(
        db, QStringLiteral("HCAB"),
        with(declarant, QVariantMap{{QStringLiteral("rectifica"), QStringLiteral("0")},
                                    {QStringLiteral("fec_pro"), QDateTime(QDate(2014, 6, 2), QTime(10, 30))},
                                    {QStringLiteral("efectivo"), QStringLiteral("20")},
                                    {QStringLiteral("estado"), 0},
                                    {QStringLiteral("norden"), norden},
                                    {QStringLiteral("fec_env"), QDateTime(QDate(2014, 6, 10), QTime(9, 0))},
                                    {QStringLiteral("control"), QString(QStringLiteral("C") + correl)}}));
    storeBoxes(db, QStringLiteral("HDET"), declarant);
    storeDetail(db, QStringLiteral("H"), declarant);
}

QStringList rowCounts(HostDatabase& db, const QStringList& tables, const QString& ruc, const QString& periodo,
                      const QString& correl)
{
    QStringList counts;
    for (const QString& table : tables) {
        QString sql = QStringLiteral("SELECT count(*) FROM ") + table +
                      QStringLiteral(" WHERE doc_id_d = ? AND periodo = ?");
        QVariantList values{ruc, periodo};
        if (!correl.isEmpty()) {
            sql += QStringLiteral(" AND correl = ?");
            values.append(correl);
        }
        counts.append(table + QLatin1Char('=') + db.scalar(sql, values).toString());
    }
    return counts;
}

ShellHost::ShellHost() : context{host.session(), host.db(), host.messages(), host.host(), opener}
{
    windows.declaration = [this](QWidget& parent, const std::optional<DeclarationRow>& chosen) {
        declarationRequests.append(chosen);
        openerWasDisabled = !parent.isEnabled();
        return standIn("Frm947", parent);
    };
    windows.print = [this](QWidget& parent) {
        ++printRequests;
        return standIn("frmImprimir", parent);
    };
}

void ShellHost::setStopped(bool stopped)
{
    const QString flag = HostUtilities::stopFlagPath(host.folder());
    QDir().mkpath(host.folder() + QStringLiteral("TMP"));
    if (stopped)
        QFile(flag).open(QIODevice::WriteOnly);
    else
        QFile::remove(flag);
}

std::unique_ptr<QDialog> standIn(const char* name, QWidget& parent)
{
    auto dialog = std::make_unique<QDialog>(&parent);
    dialog->setObjectName(QLatin1String(name));
    return dialog;
}
