#include "integrity.h"
#include "sampledeclaration.h"
#include "sending.h"
#include "testhost.h"
#include "testregistry.h"

#include <QSqlQuery>
#include <QTest>

using namespace sample;

class TestSending : public QObject {
    Q_OBJECT
private slots:
    void commandLineHasFixedPositions()
    {
        const QString line = integrator::submissionCommandLine({Ruc, Period}, QStringLiteral("12345678"));
        QCOMPARE(line.size(), 36);
        QCOMPARE(line.mid(0, 2), QStringLiteral("06"));
        QCOMPARE(line.mid(2, 15), Ruc + QStringLiteral("    "));
        QCOMPARE(line.mid(17, 4), QStringLiteral("0947"));
        QCOMPARE(line.mid(21, 6), Period);
        QCOMPARE(line.mid(27, 1), integrator::SubmissionTag);
        QCOMPARE(line.mid(28, 8), QStringLiteral("12345678"));
    }

    void sendingMovesTheDeclarationAndKeepsSendingsApart()
    {
        TestHost host;
        HostDatabase& db = host.db();
        const integrator::Declaration declaration{Ruc, Period};
        saveDeclaration(db, {{QStringLiteral("401"), QStringLiteral("10")},
                             {QStringLiteral("410"), QStringLiteral("10")}});
        const QString control = integrator::nextControlNumber(db);
        QCOMPARE(control, QStringLiteral("10000001"));
        QCOMPARE(integrator::moveToHistory(db, declaration, control, QDate(2005, 7, 2)),
                 QStringLiteral("001"));

        for (const char* table : {"CAB", "DET", "F947PCAB", "F947PDET", "F947PDETVC", "F947PDETCP"})
            QCOMPARE(count(db, QLatin1String(table)), 0);
        QCOMPARE(count(db, QStringLiteral("HDET")), 2);
        for (const char* table : {"HF947PCAB", "HF947PDET", "HF947PDETVC", "HF947PDETCP"})
            QCOMPARE(count(db, QLatin1String(table), QStringLiteral(" WHERE correl = '001'")), 1);

        QSqlQuery header = db.run(QStringLiteral("SELECT * FROM HCAB"));
        QVERIFY(header.next());
        QVariantMap stored;
        for (const char* column :
             {"tip_doc_d", "doc_id_d", "periodo", "formulario", "correl", "rectifica", "fec_pro", "bcolibrad",
              "nrocheque", "cheque", "efectivo", "estado", "norden", "fec_env", "control", "cNumero"})
            stored.insert(QLatin1String(column), header.value(QLatin1String(column)));
        QCOMPARE(stored.value(QStringLiteral("estado")).toInt(), 1);
        QCOMPARE(stored.value(QStringLiteral("control")).toString(), control);
        QCOMPARE(stored.value(QStringLiteral("fec_env")).toString(), QStringLiteral("2005-07-02"));
        QCOMPARE(stored.value(QStringLiteral("efectivo")).toString(), QStringLiteral("10"));
        QCOMPARE(stored.value(QStringLiteral("cNumero")).toString(),
                 CodigoControl(db, QStringLiteral("HCAB"), stored, 6));
        header.finish();

        // A rectifying declaration of the same period is saved and sent again.
        saveDeclaration(db, {{QStringLiteral("401"), QStringLiteral("11")},
                             {QStringLiteral("410"), QStringLiteral("10")}});
        QCOMPARE(
            integrator::moveToHistory(db, declaration, integrator::nextControlNumber(db), QDate(2005, 7, 3)),
            QStringLiteral("002"));
        QCOMPARE(count(db, QStringLiteral("HCAB")), 2);
        QCOMPARE(count(db, QStringLiteral("HF947PDETCP")), 2);
        QCOMPARE(
            db.scalar(QStringLiteral("SELECT i_valor FROM HDET WHERE correl = '001' AND casilla = '401'"))
                .toString(),
            QStringLiteral("10"));
        QCOMPARE(
            db.scalar(QStringLiteral("SELECT i_valor FROM HDET WHERE correl = '002' AND casilla = '401'"))
                .toString(),
            QStringLiteral("11"));
    }

    void aFailureHalfWayMovesNothing()
    {
        TestHost host;
        HostDatabase& db = host.db();
        saveDeclaration(db, {{QStringLiteral("401"), QStringLiteral("10")},
                             {QStringLiteral("410"), QStringLiteral("10")}});
        db.setStatementHook([](const QString& sql) {
            if (sql.startsWith(QStringLiteral("INSERT INTO HDET")))
                throw DbError(DbError::General, QStringLiteral("injected"));
        });
        QVERIFY_THROWS_EXCEPTION(
            DbError,
            integrator::moveToHistory(db, {Ruc, Period}, QStringLiteral("10000001"), QDate(2005, 7, 2)));
        db.setStatementHook(nullptr);
        QCOMPARE(count(db, QStringLiteral("CAB")), 1);
        QCOMPARE(count(db, QStringLiteral("F947PDETCP")), 1);
        QCOMPARE(count(db, QStringLiteral("HF947PDETCP")), 0);
        QCOMPARE(count(db, QStringLiteral("HCAB")), 0);

        QVERIFY_THROWS_EXCEPTION(integrator::SendError,
                                 integrator::moveToHistory(db, {Ruc, QStringLiteral("200507")},
                                                           QStringLiteral("10000001"), QDate(2005, 8, 2)));
    }
};
DECL_TEST(TestSending)
#include "tst_sending.moc"
