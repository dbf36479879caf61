#include "clock.h"
#include "declarationfixture.h"
#include "integrity.h"
#include "save.h"
#include "storedboxes.h"
#include "testhost.h"
#include "testregistry.h"
#include "workingtables.h"

#include <QTest>

using fixture::Declarante;
using fixture::Empresa;
using fixture::Persona;
using fixture::sampleForm;

namespace {

const DeclarationKey Key{Declarante, QStringLiteral("201408"), QStringLiteral("0947")};
const QVariantList KeyValues{Declarante, QStringLiteral("201408"), QStringLiteral("0947")};
const QString Where = QStringLiteral(" WHERE doc_id_d = ? AND periodo = ? AND formulario = ?");

/// Everything stored for the declaration: header, boxes and the four module tables.
QStringList stored(HostDatabase& db)
{
    QStringList all;
    all += fixture::rows(db, QStringLiteral("SELECT * FROM CAB") + Where, KeyValues);
    all += fixture::rows(db,
                         QStringLiteral("SELECT casilla, i_valor, idcasilla, cNumero FROM DET") + Where +
                             QStringLiteral(" ORDER BY casilla"),
                         KeyValues);
    for (const char* table : {"F947PCAB", "F947PDET", "F947PDETVC", "F947PDETCP"})
        all += fixture::rows(db,
                             QStringLiteral("SELECT * FROM ") + QLatin1String(table) + Where +
                                 QStringLiteral(" ORDER BY 5, 6, 7, 8, 9, 10"),
                             KeyValues);
    return all;
}

QStringList expectedRows()
{
    return {
        // CAB: key, rectifica, fec_pro, bank, cheque number, cheque, cash, estado, code.
        QStringLiteral("6|20100123453|201408|0947|0|2014-09-15| | ||28|0|814060"),
        // DET: box, value, kind, code.
        QStringLiteral("002|20100123453|01|817336"),
        QStringLiteral("005|0|01|820048"),
        QStringLiteral("007|201408|01|822077"),
        QStringLiteral("401|32|01|216151"),
        QStringLiteral("402|-5|01|217151"),
        QStringLiteral("403|27|01|218160"),
        QStringLiteral("404|1|01|219049"),
        QStringLiteral("405|28|01|220162"),
        QStringLiteral("410|28|05|229162"),
        QStringLiteral("500|01|01|315146"),
        QStringLiteral("501|2|01|316050"),
        QStringLiteral("502|1600|01|317493"),
        QStringLiteral("503|32|01|318151"),
        QStringLiteral("510|1|01|325049"),
        QStringLiteral("511|1000|01|326481"),
        QStringLiteral("512|20|01|327146"),
        QStringLiteral("513|1|01|328049"),
        QStringLiteral("514|600|01|329294"),
        QStringLiteral("515|12|01|330149"),
        QStringLiteral("516|2|01|331050"),
        QStringLiteral("517|1000|01|332481"),
        QStringLiteral("599|E|01|414069"),
        QStringLiteral("721|1.2|01|536291"),
        QStringLiteral("722|968|01|537333"),
        QStringLiteral("790|29/08/2014|01|605754"),
        QStringLiteral("871|0|01|686048"),
        QStringLiteral("999|E|01|814069"),
        // F947PCAB: the person keeps the three parts of the name, the company its business name.
        QStringLiteral(
            "6|20100123453|201408|0947|6|10456789012||QUISPE|ROJAS|ANA MARIA|1|600.00|12.00|1|832638"),
        QStringLiteral(
            "6|20100123453|201408|0947|6|20512345678|ESTACION ACME S.A.C.||||1|1000.00|20.00|1|498897"),
        // F947PDET: the ordinary receipt takes the declaration's rate.
        QStringLiteral(
            "6|20100123453|201408|0947|6|20512345678|0001|00000123|2014-08-05|1000.00|0.0099|20.00|622991"),
        // F947PDETVC: the cash sale keeps its own rate.
        QStringLiteral(
            "6|20100123453|201408|0947|6|10456789012|F001|4567|01|2014-08-10|600.00|0.02|12.00|400013"),
        // F947PDETCP: the invoice and the credit note behind the receipt.
        QStringLiteral(
            "6|20100123453|201408|0947|20512345678|0001|00000123|01|F001|100|2014-08-01|1200.00|717144"),
        QStringLiteral(
            "6|20100123453|201408|0947|20512345678|0001|00000123|07|F001|5|2014-08-03|-200.00|628156"),
    };
}

/// A host with the module's parameters and the fixture's detail in the working tables.
struct SaveFixture {
    SaveFixture()
    {
        Clock::setNow(QDateTime(QDate(2014, 9, 15), QTime(10, 0)));
        fixture::insertModuleParams(host.db());
        fixture::fillWorkingTables(host.db());
    }
    ~SaveFixture() { Clock::setNow(QDateTime()); }
    TestHost host;
};

} // namespace

class TestDeclarationSave : public QObject {
    Q_OBJECT

private slots:
    void savesTheExactRowsAndTheSameRowsAgain()
    {
        SaveFixture f;
        const SaveResult result = GrabaDeclaracion(f.host.db(), sampleForm(), Clock::today());
        QVERIFY(!result.pagoIncompleto);
        QCOMPARE(stored(f.host.db()), expectedRows());

        QVERIFY(!GrabaDeclaracion(f.host.db(), sampleForm(), Clock::today()).pagoIncompleto);
        QCOMPARE(stored(f.host.db()), expectedRows());
    }

    void noFormOfPaymentKeepsThePaymentColumns()
    {
        SaveFixture f;
        DeclarationForm form = sampleForm();
        form.payment = {QStringLiteral("C"), QStringLiteral("02"), QStringLiteral("778899"),
                        QStringLiteral("28")};
        QVERIFY(!GrabaDeclaracion(f.host.db(), form, Clock::today()).pagoIncompleto);
        const QString payment =
            QStringLiteral("SELECT bcolibrad, nrocheque, cheque, efectivo, estado FROM CAB") + Where;
        QCOMPARE(fixture::rows(f.host.db(), payment, KeyValues),
                 QStringList{QStringLiteral("02|778899|28||0")});
        QCOMPARE(fixture::rows(f.host.db(),
                               QStringLiteral("SELECT casilla, i_valor FROM DET") + Where +
                                   QStringLiteral(" AND casilla IN ('012', '015') ORDER BY casilla"),
                               KeyValues),
                 (QStringList{QStringLiteral("012|778899"), QStringLiteral("015|2")}));

        form.payment = {QStringLiteral("X"), QStringLiteral("02"), QStringLiteral("778899"),
                        QStringLiteral("28")};
        QVERIFY(GrabaDeclaracion(f.host.db(), form, Clock::today()).pagoIncompleto);
        QCOMPARE(fixture::rows(f.host.db(), payment, KeyValues),
                 QStringList{QStringLiteral("02|778899|28||9")});
        QCOMPARE(fixture::rows(f.host.db(),
                               QStringLiteral("SELECT casilla, i_valor FROM DET") + Where +
                                   QStringLiteral(" AND casilla IN ('599', '999') ORDER BY casilla"),
                               KeyValues),
                 (QStringList{QStringLiteral("599|X"), QStringLiteral("999|X")}));
        // The header's code covers the row as it is now stored.
        const QVariantMap row = [&] {
            QSqlQuery q = f.host.db().run(QStringLiteral("SELECT * FROM CAB") + Where, KeyValues);
            q.next();
            QVariantMap values;
            for (const char* c : {"tip_doc_d", "doc_id_d", "periodo", "formulario", "rectifica", "fec_pro",
                                  "bcolibrad", "nrocheque", "cheque", "efectivo", "estado", "cNumero"})
                values.insert(QLatin1String(c), q.value(QLatin1String(c)));
            return values;
        }();
        QCOMPARE(row.value(QStringLiteral("cNumero")).toString(),
                 CodigoControl(f.host.db(), QStringLiteral("CAB"), row, 5));
    }

    void aFailedSaveLeavesTheStoredDeclarationAsItWas_data()
    {
        QTest::addColumn<QString>("failingStatement");
        QTest::newRow("header") << QStringLiteral("UPDATE CAB");
        QTest::newRow("boxes") << QStringLiteral("INSERT INTO DET");
        QTest::newRow("vouchers") << QStringLiteral("INSERT INTO F947PDETCP");
        QTest::newRow("counts") << QStringLiteral("SELECT mto_detcp");
    }
    void aFailedSaveLeavesTheStoredDeclarationAsItWas()
    {
        QFETCH(QString, failingStatement);
        SaveFixture f;
        HostDatabase& db = f.host.db();
        GrabaDeclaracion(db, sampleForm(), Clock::today());
        const QStringList before = stored(db);

        db.execute(QStringLiteral("DELETE FROM TMPF947PCAB WHERE num_doc_per = ?"), {Persona});
        DeclarationForm changed = sampleForm();
        changed.amounts[404] = QStringLiteral("7");
        changed.payment.formapago = QStringLiteral("X");
        db.setStatementHook([&](const QString& sql) {
            if (sql.startsWith(failingStatement))
                throw DbError(DbError::Locked, QStringLiteral("database is locked"));
        });
        QVERIFY_THROWS_EXCEPTION(DbError, GrabaDeclaracion(db, changed, Clock::today()));
        db.setStatementHook(nullptr);
        QCOMPARE(stored(db), before);
    }

    void loadsAPendingDeclarationIntoTheWorkingTables()
    {
        SaveFixture f;
        HostDatabase& db = f.host.db();
        // A third subject, a person whose whole name is longer than 40 characters, with an
        // ordinary receipt.
        fixture::addSubject(db, QStringLiteral("TMPF947PCAB"), {}, QStringLiteral("10777888991"),
                            {QString(), QStringLiteral("VILLANUEVA"), QStringLiteral("SANTISTEBAN"),
                             QStringLiteral("MARIA DEL CARMEN")},
                            QStringLiteral("50.00"), QStringLiteral("1.00"));
        insertRow(db, QStringLiteral("TMPF947PDET"),
                  {{QStringLiteral("tip_doc_per"), 6},
                   {QStringLiteral("num_doc_per"), QStringLiteral("10777888991")},
                   {QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                   {QStringLiteral("num_cp"), QStringLiteral("00000124")},
                   {QStringLiteral("tip_cp"), QStringLiteral("")},
                   {QStringLiteral("fec_emision_cp"), QDate(2014, 8, 6)},
                   {QStringLiteral("mto_base_p"), QStringLiteral("50.00")},
                   {QStringLiteral("mto_imp_p"), QStringLiteral("1.00")}});
        GrabaDeclaracion(db, sampleForm(), Clock::today());
        for (const char* table : {"TMPF947PCAB", "TMPF947PDET", "TMPF947PDETCP"})
            db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));

        cargaTablasTrabajo(db, {Key, false, {}});
        QCOMPARE(
            fixture::rows(db, QStringLiteral("SELECT num_doc_per, des_razon, des_apellido_p, ctd_docs, "
                                             "mto_base_p, mto_imp_p FROM TMPF947PCAB ORDER BY num_doc_per")),
            (QStringList{
                QStringLiteral("10456789012|QUISPE ROJAS ANA MARIA|QUISPE|1|600.00|12.00"),
                QStringLiteral("10777888991|VILLANUEVA SANTISTEBAN MARIA DEL CARMEN|VILLANUEVA|1|50.00|1.00"),
                QStringLiteral("20512345678|ESTACION ACME S.A.C.|<null>|1|1000.00|20.00")}));
        QCOMPARE(
            fixture::rows(db, QStringLiteral("SELECT num_doc_per, num_cp, tip_cp, fec_emision_cp, por_tasa_p "
                                             "FROM TMPF947PDET ORDER BY num_doc_per, num_cp")),
            (QStringList{QStringLiteral("10456789012|4567|01|2014-08-10|0.02"),
                         QStringLiteral("10777888991|00000124||2014-08-06|<null>"),
                         QStringLiteral("20512345678|00000123||2014-08-05|<null>")}));
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM TMPF947PDETCP")).toInt(), 2);
        const DetailTotals totals = totalesAlAbrir(db);
        QCOMPARE(totals.base, QStringLiteral("1,650"));
        QCOMPARE(totals.percepcion, QStringLiteral("33"));
    }

    void loadsOnlyTheChosenSendingOfASentDeclaration()
    {
        SaveFixture f;
        HostDatabase& db = f.host.db();
        for (const char* correl : {"001", "002"}) {
            const QVariantList key{6, Declarante, QStringLiteral("201408"), QStringLiteral("0947"),
                                   QLatin1String(correl)};
            fixture::addSubject(db, QStringLiteral("HF947PCAB"), key, Empresa, {QStringLiteral("ACME")},
                                QStringLiteral("100.00"), QLatin1String(correl));
            insertRow(db, QStringLiteral("HF947PDETCP"),
                      {{QStringLiteral("tip_doc_d"), 6},
                       {QStringLiteral("doc_id_d"), Declarante},
                       {QStringLiteral("periodo"), QStringLiteral("201408")},
                       {QStringLiteral("formulario"), QStringLiteral("0947")},
                       {QStringLiteral("correl"), QLatin1String(correl)},
                       {QStringLiteral("num_doc_per"), Empresa},
                       {QStringLiteral("num_serie_cp"), QStringLiteral("0001")},
                       {QStringLiteral("num_cp"), QStringLiteral("1")},
                       {QStringLiteral("tip_doc_detcp"), QStringLiteral("01")},
                       {QStringLiteral("num_serie_detcp"), QStringLiteral("F001")},
                       {QStringLiteral("num_detcp"), QLatin1String(correl)},
                       {QStringLiteral("mto_detcp"), QStringLiteral("100.00")}});
        }
        cargaTablasTrabajo(db, {Key, true, QStringLiteral("002")});
        QCOMPARE(fixture::rows(db, QStringLiteral("SELECT num_doc_per, mto_imp_p FROM TMPF947PCAB")),
                 QStringList{Empresa + QStringLiteral("|002")});
        QCOMPARE(fixture::rows(db, QStringLiteral("SELECT num_detcp FROM TMPF947PDETCP")),
                 QStringList{QStringLiteral("002")});
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM TMPF947PDET")).toInt(), 0);
    }

    void aLoadThatFailsLeavesNoOtherDeclarationBehind()
    {
        SaveFixture f;
        HostDatabase& db = f.host.db();
        GrabaDeclaracion(db, sampleForm(), Clock::today());
        db.setStatementHook([](const QString& sql) {
            if (sql.startsWith(QLatin1String("INSERT INTO TMPF947PDETCP")))
                throw DbError(DbError::General, QStringLiteral("disk I/O error"));
        });
        QVERIFY_THROWS_EXCEPTION(DbError, cargaTablasTrabajo(db, {Key, false, {}}));
        db.setStatementHook(nullptr);
        for (const char* table : {"TMPF947PCAB", "TMPF947PDET", "TMPF947PDETCP"})
            QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)).toInt(), 0);
    }

    void deletingASubjectTakesItsReceiptsAndVouchers()
    {
        SaveFixture f;
        HostDatabase& db = f.host.db();
        eliminaSujeto(db, Empresa);
        QCOMPARE(fixture::rows(db, QStringLiteral("SELECT num_doc_per FROM TMPF947PCAB")),
                 QStringList{Persona});
        QCOMPARE(fixture::rows(db, QStringLiteral("SELECT num_doc_per FROM TMPF947PDET")),
                 QStringList{Persona});
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM TMPF947PDETCP")).toInt(), 0);
        QCOMPARE(CuentaDocs(db, Persona), 1);
        const DetailTotals totals = totalesDetalle(db);
        QCOMPARE(totals.base, QStringLiteral("600"));
        QCOMPARE(totals.percepcion, QStringLiteral("12"));
    }

    void registersTheOrderNumberOfOneSending()
    {
        SaveFixture f;
        HostDatabase& db = f.host.db();
        for (const char* correl : {"001", "002"})
            insertRow(db, QStringLiteral("HCAB"),
                      {{QStringLiteral("tip_doc_d"), 6},
                       {QStringLiteral("doc_id_d"), Declarante},
                       {QStringLiteral("periodo"), QStringLiteral("201408")},
                       {QStringLiteral("formulario"), QStringLiteral("0947")},
                       {QStringLiteral("correl"), QLatin1String(correl)},
                       {QStringLiteral("rectifica"), QStringLiteral("0")},
                       {QStringLiteral("estado"), 0},
                       {QStringLiteral("control"), QStringLiteral("12345678")}});
        const StoredDeclaration sent{Key, true, QStringLiteral("002")};
        QCOMPARE(numeroOrdenRegistrado(db, sent), std::optional<QString>(QStringLiteral("0")));
        QVERIFY(registraNumeroOrden(db, sent, QStringLiteral("0123456789")));
        QCOMPARE(
            fixture::rows(db, QStringLiteral("SELECT correl, norden, cNumero FROM HCAB ORDER BY correl")),
            // A = 6 + 20100123453 + 201408 + 947 + correl + 0; B = "0" 48 + "12345678" 1932, and for
            // the registered sending "0123456789" 2970 more.
            (QStringList{QStringLiteral("001|<null>|815980"), QStringLiteral("002|0123456789|816950")}));
        QVERIFY(!registraNumeroOrden(db, {Key, true, QStringLiteral("003")}, QStringLiteral("0123456789")));
    }
};

DECL_TEST(TestDeclarationSave)
#include "tst_save.moc"
