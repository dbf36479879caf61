#include "declarationfixture.h"

#include "hostdatabase.h"
#include "integrity.h"

#include <QSqlRecord>

namespace fixture {

void insertParam(HostDatabase& db, const QString& numero, const QString& argumento, const QString& funcion,
                 const QString& correl)
{
    insertRow(db, QStringLiteral("PARAM"),
              {{QStringLiteral("Numero"), numero},
               {QStringLiteral("Argumento"), argumento},
               {QStringLiteral("Funcion"), funcion},
               {QStringLiteral("Correl_Param"), correl}});
}

void insertModuleParams(HostDatabase& db)
{
    insertParam(db, QStringLiteral("968"), QStringLiteral("010909120021014"),
                QStringLiteral("00.0099PERCEPCIONES 0.009901"), QStringLiteral("001"));
    insertParam(db, QStringLiteral("967"), QStringLiteral("01"),
                QStringLiteral("HIDROCARBUROS").leftJustified(40) + QStringLiteral("1"));
    insertParam(db, QStringLiteral("981"), QStringLiteral("0947"), QStringLiteral("968"),
                QStringLiteral("001"));
    const char* types[][2] = {
        {"01", "FACTURA                                       10100 0 1 FACT 0111110"},
        {"03", "BOLETA DE VENTA                               00100 0 1 BOLE 0010010"},
        {"07", "NOTA DE CREDITO                               00001 1 1 CRED 1111011"},
        {"08", "NOTA DE DEBITO                                10100 0 1 DEBI 0111110"},
        {"12", "TICKET DE MAQUINA REGISTRADORA                10100 0 0 TICK 0111110"},
        {"99", "OTROS                                         10100 0 0 OTRO 0111110"},
    };
    for (const auto& type : types)
        insertParam(db, QStringLiteral("233"), QLatin1String(type[0]), QLatin1String(type[1]));
    insertParam(db, QStringLiteral("856"), QStringLiteral("0947"), QStringLiteral("1.2 29/08/2014     790"),
                QStringLiteral("000"));
}

void addSubject(HostDatabase& db, const QString& table, const QVariantList& keyAndCorrel, const QString& ruc,
                const QStringList& names, const QString& base, const QString& perception)
{
    QVariantMap row{{QStringLiteral("tip_doc_per"), 6},
                    {QStringLiteral("num_doc_per"), ruc},
                    {QStringLiteral("des_razon"), names.value(0)},
                    {QStringLiteral("des_apellido_p"), names.value(1)},
                    {QStringLiteral("des_apellido_m"), names.value(2)},
                    {QStringLiteral("des_nombres"), names.value(3)},
                    {QStringLiteral("ctd_docs"), 1},
                    {QStringLiteral("mto_base_p"), base},
                    {QStringLiteral("mto_imp_p"), perception},
                    {QStringLiteral("ind_ruc"), 1}};
    const QStringList keyColumns = {QStringLiteral("tip_doc_d"), QStringLiteral("doc_id_d"),
                                    QStringLiteral("periodo"), QStringLiteral("formulario"),
                                    QStringLiteral("correl")};
    for (int i = 0; i < keyAndCorrel.size(); ++i)
        row.insert(keyColumns[i], keyAndCorrel[i]);
    insertRow(db, table, row);
}

void fillWorkingTables(HostDatabase& db)
{
    addSubject(db, QStringLiteral("TMPF947PCAB"), {}, Empresa, {QStringLiteral("ESTACION ACME S.A.C.")},
               QStringLiteral("1000.00"), QStringLiteral("20.00"));
    addSubject(db, QStringLiteral("TMPF947PCAB"), {}, Persona,
               {QStringLiteral("QUISPE ROJAS ANA MARIA"), QStringLiteral("QUISPE"), QStringLiteral("ROJAS"),
                QStringLiteral("ANA MARIA")},
               QStringLiteral("600.00"), QStringLiteral("12.00"));
    const auto receipt = [&db](const QString& ruc, const char* serie, const char* numero, const char* tipo,
                               const QDate& fecha, const char* base, const char* tasa,
                               const char* percepcion) {
        insertRow(db, QStringLiteral("TMPF947PDET"),
                  {{QStringLiteral("tip_doc_per"), 6},
                   {QStringLiteral("num_doc_per"), ruc},
                   {QStringLiteral("num_serie_cp"), QLatin1String(serie)},
                   {QStringLiteral("num_cp"), QLatin1String(numero)},
                   {QStringLiteral("tip_cp"), QLatin1String(tipo)},
                   {QStringLiteral("fec_emision_cp"), fecha},
                   {QStringLiteral("mto_base_p"), QLatin1String(base)},
                   {QStringLiteral("por_tasa_p"), QLatin1String(tasa)},
                   {QStringLiteral("mto_imp_p"), QLatin1String(percepcion)}});
    };
    receipt(Empresa, "0001", "00000123", "", QDate(2014, 8, 5), "1000.00", "0.02", "20.00");
    receipt(Persona, "F001", "4567", "01", QDate(2014, 8, 10), "600.00", "0.02", "12.00");
    const auto voucher = [&db](const char* tipo, const char* numero, const QDate& fecha, const char* monto) {
        insertRow(db, QStringLiteral("TMPF947PDETCP"),
                  {{QStringLiteral("num_doc_per"), Empresa},
                   {QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                   {QStringLiteral("num_cp"), QStringLiteral("00000123")},
                   {QStringLiteral("tip_doc_detcp"), QLatin1String(tipo)},
                   {QStringLiteral("num_serie_detcp"), QStringLiteral("F001")},
                   {QStringLiteral("num_detcp"), QLatin1String(numero)},
                   {QStringLiteral("fec_emis_detcp"), fecha},
                   {QStringLiteral("mto_detcp"), QLatin1String(monto)}});
    };
    voucher("01", "100", QDate(2014, 8, 1), "1200.00");
    voucher("07", "5", QDate(2014, 8, 3), "-200.00");
}

DeclarationForm sampleForm()
{
    DeclarationForm form;
    form.key = {Declarante, QStringLiteral("201408"), QStringLiteral("0947")};
    form.amounts = {{401, QStringLiteral("32")}, {402, QStringLiteral("(5)")}, {403, QStringLiteral("27")},
                    {404, QStringLiteral("1")},  {405, QStringLiteral("28")},  {410, QStringLiteral("28")}};
    form.payment = {QStringLiteral("E"), QString(), QString(), QStringLiteral("28")};
    form.rectifica = QStringLiteral("0");
    form.modalidad = QStringLiteral("01");
    form.numeroSujetos = QStringLiteral("2");
    form.totalBase = QStringLiteral("1,600");
    form.totalPercepcion = QStringLiteral("32");
    form.tasaPercepcion = QStringLiteral("0.009901");
    return form;
}

QStringList rows(HostDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query = db.run(sql, values);
    QStringList result;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields.append(query.value(i).isNull() ? QStringLiteral("<null>") : query.value(i).toString());
        result.append(fields.join(QLatin1Char('|')));
    }
    return result;
}

} // namespace fixture
