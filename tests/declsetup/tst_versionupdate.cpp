#include "declsetupfixture.h"
#include "hostdatabase.h"
#include "testhost.h"
#include "testregistry.h"
#include "versionupdate.h"

#include <QTest>

using namespace declsetuptest;

namespace {

QString valueOf(HostDatabase& db, const char* sql, const QVariantList& values)
{
    return db.scalar(QLatin1String(sql), values).toString();
}

QString perception(HostDatabase& db, const char* table, const char* period, const char* receipt)
{
    return db
        .scalar(QStringLiteral("SELECT mto_imp_p FROM ") + QLatin1String(table) +
                    QStringLiteral(" WHERE periodo = ? AND num_cp = ?"),
                {QLatin1String(period), QLatin1String(receipt)})
        .toString();
}

QString subjectTotal(HostDatabase& db, const char* period, const char* subject)
{
    return valueOf(db, "SELECT mto_imp_p FROM F947PCAB WHERE periodo = ? AND num_doc_per = ?",
                   {QLatin1String(period), QLatin1String(subject)});
}

/// Boxes of a declaration as "casilla=i_valor/idcasilla", in box order.
QStringList boxes(HostDatabase& db, const QString& period)
{
    QStringList result;
    QSqlQuery query = db.run(
        QStringLiteral("SELECT casilla, i_valor, idcasilla FROM DET WHERE periodo = ? ORDER BY casilla"),
        {period});
    while (query.next())
        result.append(query.value(0).toString() + QLatin1Char('=') + query.value(1).toString() +
                      QLatin1Char('/') + query.value(2).toString());
    return result;
}

} // namespace

class TestVersionUpdate : public QObject {
    Q_OBJECT
private slots:
    void savedDeclaration_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QVariant>("version");
        QTest::addColumn<bool>("withDetail");
        QTest::addColumn<bool>("recomputed");
        const QVariant none;
        QTest::newRow("200504 at 1.1") << "200504" << QVariant(QStringLiteral("1.1")) << true << true;
        QTest::newRow("200504 at 1.2") << "200504" << QVariant(QStringLiteral("1.2")) << true << true;
        QTest::newRow("200505 at 1.1") << "200505" << QVariant(QStringLiteral("1.1")) << true << true;
        QTest::newRow("200505 at 1.2") << "200505" << QVariant(QStringLiteral("1.2")) << true << false;
        QTest::newRow("200503 at 1.1, before the update")
            << "200503" << QVariant(QStringLiteral("1.1")) << true << false;
        QTest::newRow("without box 721") << "200504" << none << true << false;
        QTest::newRow("no receipts and no cash sales")
            << "200504" << QVariant(QStringLiteral("1.1")) << false << false;
    }
    void savedDeclaration()
    {
        QFETCH(QString, period);
        QFETCH(QVariant, version);
        QFETCH(bool, withDetail);
        QFETCH(bool, recomputed);

        TestHost host;
        HostDatabase& db = host.db();
        seedDeclaration(db, period, version, withDetail);
        const QMap<QString, QStringList> before = declarationDump(db);

        QCOMPARE(updateSavedDeclarations(db), recomputed ? 1 : 0);
        if (!recomputed) {
            QCOMPARE(declarationDump(db), before);
            return;
        }

        const QByteArray p = period.toLatin1();
        // Each perception at 0.009901 to four decimals, then shown with two: 1000.40 gives
        // 9.9049604, which is 9.9050 and so 9.91.
        QCOMPARE(perception(db, "F947PDET", p, "00000001"), QStringLiteral("9.90"));
        QCOMPARE(perception(db, "F947PDET", p, "00000002"), QStringLiteral("9.91"));
        QCOMPARE(perception(db, "F947PDET", p, "00000005"), QStringLiteral("9.90"));
        QCOMPARE(perception(db, "F947PDETVC", p, "00000003"), QStringLiteral("0.50"));
        QCOMPARE(perception(db, "F947PDETVC", p, "00000004"), QStringLiteral("2.48"));
        // Receipts only: the sum as plain text. Receipts and cash sales: both sums, two
        // decimals. Cash sales only: their sum, not added to the stored 5.01.
        QCOMPARE(subjectTotal(db, p, "20444333228"), QStringLiteral("9.9"));
        QCOMPARE(subjectTotal(db, p, "20555666773"), QStringLiteral("20.31"));
        QCOMPARE(subjectTotal(db, p, "40506070"), QStringLiteral("2.48"));

        // 32.69 in every perception box; 402 and 410 go, 502 stays.
        QCOMPARE(boxes(db, period), (QStringList{QStringLiteral("401=33/01"), QStringLiteral("403=33/01"),
                                                 QStringLiteral("405=33/01"), QStringLiteral("502=3302/01"),
                                                 QStringLiteral("503=33/01"), QStringLiteral("721=1.2/01")}));
        QCOMPARE(valueOf(db, "SELECT estado FROM CAB WHERE periodo = ?", {period}), QStringLiteral("9"));
        for (const char* table : {"CAB", "DET", "F947PCAB", "F947PDET", "F947PDETVC"})
            QCOMPARE(staleIntegrityCodes(db, QLatin1String(table)), QStringList());
        QVERIFY(declarationDump(db)[QStringLiteral("CAB")] != before[QStringLiteral("CAB")]);

        // A second update finds the declaration at the current version.
        const QMap<QString, QStringList> updated = declarationDump(db);
        QCOMPARE(updateSavedDeclarations(db), period == QLatin1String("200504") ? 1 : 0);
        QCOMPARE(declarationDump(db), updated);
    }

    void failureLeavesNothingOfTheUpdate_data()
    {
        QTest::addColumn<QString>("failingStatement");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<bool>("badAmount");
        QTest::newRow("header of the second declaration") << "UPDATE CAB " << 2 << false;
        QTest::newRow("first new box") << "INSERT INTO DET " << 1 << false;
        QTest::newRow("receipt amount not a number") << QString() << 0 << true;
    }
    void failureLeavesNothingOfTheUpdate()
    {
        QFETCH(QString, failingStatement);
        QFETCH(int, occurrence);
        QFETCH(bool, badAmount);

        TestHost host;
        HostDatabase& db = host.db();
        seedDeclaration(db, QStringLiteral("200504"), QStringLiteral("1.1"), true);
        seedDeclaration(db, QStringLiteral("200506"), QStringLiteral("1.1"), true);
        if (badAmount)
            db.execute(QStringLiteral("UPDATE F947PDET SET mto_base_p = ? WHERE periodo = ? AND num_cp = ?"),
                       {QStringLiteral("S/. 10"), QStringLiteral("200506"), QStringLiteral("00000005")});
        const QMap<QString, QStringList> before = declarationDump(db);

        int seen = 0;
        db.setStatementHook([&](const QString& sql) {
            if (!failingStatement.isEmpty() && sql.startsWith(failingStatement) && ++seen == occurrence)
                throw DbError(DbError::Locked, QStringLiteral("database is locked"));
        });
        QVERIFY(!runVersionUpdate(db, host.messages()));
        db.setStatementHook(nullptr);

        QCOMPARE(db.transactionDepth(), 0);
        QCOMPARE(declarationDump(db), before);
        QCOMPARE(host.messages().shown().size(), 1);
        const Message& shown = host.messages().shown().first();
        QCOMPARE(shown.text,
                 QStringLiteral("Error en la actualización del KOVA 0947\n           Intente nuevamente"));
        QCOMPARE(shown.title, QStringLiteral("ERROR:"));
        QCOMPARE(shown.icon, MsgIcon::Critical);

        if (badAmount)
            return;
        // Trying again once the cause is gone brings both declarations up to date.
        QVERIFY(runVersionUpdate(db, host.messages()));
        QCOMPARE(valueOf(db, "SELECT count(*) FROM CAB WHERE estado = 9", {}), QStringLiteral("2"));
    }

    void installerBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("whole number, half away from zero") << "401"
                                                           << "32.5"
                                                           << "401=33/01";
        QTest::newRow("version box unformatted") << "721"
                                                 << "1.2"
                                                 << "721=1.2/01";
        QTest::newRow("box 410 is of kind 05") << "410"
                                               << "7"
                                               << "410=7/05";
        QTest::newRow("empty value writes nothing") << "405"
                                                    << "  " << QString();
    }
    void installerBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, stored);

        TestHost host;
        HostDatabase& db = host.db();
        const QString period = QStringLiteral("200601");
        for (int pass = 0; pass < 2; ++pass) // inserted, then rewritten in place
            GrabaCasillaInstalador(db, box, value, Ruc, period);
        QCOMPARE(boxes(db, period), stored.isEmpty() ? QStringList() : QStringList{stored});
        QCOMPARE(staleIntegrityCodes(db, QStringLiteral("DET")), QStringList());
    }
};
DECL_TEST(TestVersionUpdate)
#include "tst_versionupdate.moc"
