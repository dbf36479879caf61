#include "declsetupfixture.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "tabledefs.h"
#include "testhost.h"

#include <QDateTime>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace declsetuptest {

namespace {

const QString Formulario = QStringLiteral("0947");

QVariantMap declarant(const QString& period)
{
    return {{QStringLiteral("tip_doc_d"), 6},
            {QStringLiteral("doc_id_d"), Ruc},
            {QStringLiteral("periodo"), period},
            {QStringLiteral("formulario"), Formulario}};
}

QVariantMap with(QVariantMap row, const QVariantMap& more)
{
    for (auto it = more.constBegin(); it != more.constEnd(); ++it)
        row.insert(it.key(), it.value());
    return row;
}

void box(HostDatabase& db, const QString& period, const char* casilla, const QString& value)
{
    insertRow(db, QStringLiteral("DET"),
              with(declarant(period),
                   {{QStringLiteral("casilla"), QLatin1String(casilla)},
                    {QStringLiteral("idcasilla"), QLatin1String(qstrcmp(casilla, "410") ? "01" : "05")},
                    {QStringLiteral("i_valor"), value}}));
}

void subject(HostDatabase& db, const QString& period, int type, const char* number, const char* company,
             const char* stored)
{
    insertRow(db, QStringLiteral("F947PCAB"),
              with(declarant(period), {{QStringLiteral("tip_doc_per"), type},
                                       {QStringLiteral("num_doc_per"), QLatin1String(number)},
                                       {QStringLiteral("des_razon"), QLatin1String(company)},
                                       {QStringLiteral("des_apellido_p"), QStringLiteral("")},
                                       {QStringLiteral("des_apellido_m"), QStringLiteral("")},
                                       {QStringLiteral("des_nombres"), QStringLiteral("")},
                                       {QStringLiteral("ctd_docs"), 1},
                                       {QStringLiteral("mto_base_p"), QStringLiteral("0")},
                                       {QStringLiteral("mto_imp_p"), QLatin1String(stored)},
                                       {QStringLiteral("ind_ruc"), 1}}));
}

void detail(HostDatabase& db, const QString& table, const QString& period, int type, const char* number,
            const char* receipt, const char* base, const char* tipCp = nullptr)
{
    QVariantMap row = with(declarant(period), {{QStringLiteral("tip_doc_per"), type},
                                               {QStringLiteral("num_doc_per"), QLatin1String(number)},
                                               {QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                                               {QStringLiteral("num_cp"), QLatin1String(receipt)},
                                               {QStringLiteral("fec_emision_cp"), QDate(2005, 4, 12)},
                                               {QStringLiteral("mto_base_p"), QLatin1String(base)},
                                               {QStringLiteral("por_tasa_p"), QStringLiteral("0.02")},
                                               {QStringLiteral("mto_imp_p"), QStringLiteral("99.99")}});
    if (tipCp)
        row.insert(QStringLiteral("tip_cp"), QLatin1String(tipCp));
    insertRow(db, table, row);
}

QString cellText(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QString)
        return QLatin1Char('\'') + value.toString() + QLatin1Char('\'');
    return value.toString();
}

} // namespace

QStringList tableRows(HostDatabase& db, const QString& table)
{
    QStringList rows;
    QSqlQuery query = db.run(QStringLiteral("SELECT * FROM ") + table);
    while (query.next()) {
        QStringList cells;
        for (int i = 0; i < query.record().count(); ++i)
            cells.append(cellText(query.value(i)));
        rows.append(cells.join(QLatin1Char('|')));
    }
    rows.sort();
    return rows;
}

QMap<QString, QStringList> databaseDump(HostDatabase& db)
{
    QMap<QString, QStringList> dump;
    QSqlQuery query = db.run(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table'"));
    while (query.next()) {
        const QString name = query.value(0).toString();
        dump.insert(name, QStringList{query.value(1).toString()} + tableRows(db, name));
    }
    return dump;
}

QMap<QString, QStringList> declarationDump(HostDatabase& db)
{
    QMap<QString, QStringList> dump;
    for (const char* table : {"CAB", "DET", "F947PCAB", "F947PDET", "F947PDETVC"})
        dump.insert(QLatin1String(table), tableRows(db, QLatin1String(table)));
    return dump;
}

QStringList moduleParams(HostDatabase& db)
{
    QStringList rows;
    QSqlQuery query =
        db.run(QStringLiteral("SELECT Numero, Argumento, Funcion, Correl_Param, typeof(Correl_Param) "
                              "FROM PARAM WHERE Numero IN (?, ?, ?, ?, ?, ?, ?) ORDER BY rowid"),
               {QStringLiteral("968"), QStringLiteral("967"), QStringLiteral("996"), QStringLiteral("981"),
                QStringLiteral("233"), QStringLiteral("856"), QStringLiteral("992")});
    while (query.next()) {
        QStringList cells;
        for (int i = 0; i < 5; ++i)
            cells.append(query.value(i).toString());
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

void seedDeclaration(HostDatabase& db, const QString& period, const QVariant& version, bool withDetail)
{
    insertRow(
        db, QStringLiteral("CAB"),
        with(declarant(period), {{QStringLiteral("rectifica"), QStringLiteral("0")},
                                 {QStringLiteral("fec_pro"), QDateTime(QDate(2005, 5, 10), QTime(9, 30))},
                                 {QStringLiteral("bcolibrad"), QStringLiteral("")},
                                 {QStringLiteral("nrocheque"), QStringLiteral("")},
                                 {QStringLiteral("cheque"), QStringLiteral("")},
                                 {QStringLiteral("efectivo"), QStringLiteral("66")},
                                 {QStringLiteral("estado"), 0}}));
    box(db, period, "401", QStringLiteral("66"));
    box(db, period, "402", QStringLiteral("4"));
    box(db, period, "410", QStringLiteral("62"));
    box(db, period, "502", QStringLiteral("3302"));
    box(db, period, "503", QStringLiteral("66"));
    if (!version.isNull())
        box(db, period, "721", version.toString());
    if (!withDetail)
        return;
    subject(db, period, 6, "20555666773", "COMBUSTIBLES DEL PACIFICO S.A.", "40.01");
    subject(db, period, 1, "40506070", "", "5.01");
    subject(db, period, 6, "20444333228", "GRIFOS LA ESTRELLA E.I.R.L.", "20.00");
    const QString receipts = QStringLiteral("F947PDET");
    const QString cashSales = QStringLiteral("F947PDETVC");
    detail(db, receipts, period, 6, "20555666773", "00000001", "1000.00");
    detail(db, receipts, period, 6, "20555666773", "00000002", "1000.40");
    detail(db, cashSales, period, 6, "20555666773", "00000003", "50.00", "12");
    detail(db, cashSales, period, 1, "40506070", "00000004", "250.50", "03");
    detail(db, receipts, period, 6, "20444333228", "00000005", "1000.00");
}

QStringList staleIntegrityCodes(HostDatabase& db, const QString& table)
{
    const TableDef* def = findTableDef(table);
    QStringList stale;
    QSqlQuery query = db.run(QStringLiteral("SELECT * FROM ") + table);
    while (query.next()) {
        QVariantMap row;
        QStringList cells;
        for (int i = 0; i < query.record().count(); ++i) {
            row.insert(query.record().fieldName(i), query.value(i));
            cells.append(cellText(query.value(i)));
        }
        const QString stored = query.value(query.record().count() - 1).toString();
        if (CodigoControl(db, table, row, def->integrityKeyCount) != stored)
            stale.append(table + QStringLiteral(": ") + cells.join(QLatin1Char('|')));
    }
    return stale;
}

int runProgram(const TestHost& host, QString* errors)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KOVA_WINDIR"), host.iniFolder());
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("DECL_BIN_DIR") + QStringLiteral("/declsetup"), QStringList());
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace declsetuptest
