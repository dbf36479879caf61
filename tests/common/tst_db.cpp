#include "dberror.h"
#include "hostdatabase.h"
#include "integrity.h"
#include "lookups.h"
#include "opendb.h"
#include "tabledefs.h"
#include "testhost.h"
#include "testregistry.h"

#include <QDate>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
TypedValue text(const char* value)
{
    return {QStringLiteral("TEXT"), QString::fromUtf8(value)};
}
TypedValue byte(int value)
{
    return {QStringLiteral("BYTE"), value};
}
TypedValue date(const QDate& value)
{
    return {QStringLiteral("DATE"), value};
}
} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
    std::unique_ptr<TestHost> m_documents;

private slots:
    void cleanupTestCase() { m_documents.reset(); }

    void codigoControl_data()
    {
        QTest::addColumn<QList<TypedValue>>("row");
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QString>("code");
        QTest::newRow("numeric text key")
            << QList<TypedValue>{text("0947"), text("ignored")} << 1 << "947000";
        QTest::newRow("text key adds nothing") << QList<TypedValue>{text("ABC"), text("")} << 1 << "000000";
        QTest::newRow("last column ignored")
            << QList<TypedValue>{byte(6), text("A"), text("ZZZZ")} << 1 << "006065";
        QTest::newRow("trimmed texts") << QList<TypedValue>{byte(6), text(" A "), text("")} << 1 << "006065";
        QTest::newRow("enie counts 209") << QList<TypedValue>{byte(6), text("aÑ"), text("")} << 1 << "006515";
        // "20140430" as characters: 50 + 2*48 + 3*49 + 4*52 + 5*48 + 6*52 + 7*51 + 8*48 = 1794
        QTest::newRow("date as yyyymmdd")
            << QList<TypedValue>{byte(6), date(QDate(2014, 4, 30)), text("")} << 1 << "006794";
        QTest::newRow("stored date text")
            << QList<TypedValue>{byte(6), text("20140430"), text("")} << 1 << "006794";
        QTest::newRow("null fields") << QList<TypedValue>{{QStringLiteral("BYTE"), QVariant()}, text("")} << 1
                                     << "000000";
        QTest::newRow("only the last three digits")
            << QList<TypedValue>{text("20100123453"), text("200504"), text("")} << 2 << "957000";
    }
    void codigoControl()
    {
        QFETCH(QList<TypedValue>, row);
        QFETCH(int, keyCount);
        QFETCH(QString, code);
        QCOMPARE(CodigoControl(row, keyCount), code);
    }

    void storedRowsCarryTheirCodeInRealColumnOrder()
    {
        TestHost host;
        insertRow(host.db(), QStringLiteral("F947PCAB"),
                  {{QStringLiteral("tip_doc_d"), 6},
                   {QStringLiteral("doc_id_d"), QStringLiteral("20100123453")},
                   {QStringLiteral("periodo"), QStringLiteral("200504")},
                   {QStringLiteral("formulario"), QStringLiteral("0947")},
                   {QStringLiteral("tip_doc_per"), 6},
                   {QStringLiteral("num_doc_per"), QStringLiteral("20555666773")},
                   {QStringLiteral("des_razon"), QStringLiteral("ACME")},
                   {QStringLiteral("des_apellido_p"), QString()},
                   {QStringLiteral("des_apellido_m"), QString()},
                   {QStringLiteral("des_nombres"), QString()},
                   {QStringLiteral("ctd_docs"), 1},
                   {QStringLiteral("mto_base_p"), QStringLiteral("100.00")},
                   {QStringLiteral("mto_imp_p"), QStringLiteral("2.00")},
                   {QStringLiteral("ind_ruc"), 1}});
        // A = 6 + 20100123453 + 200504 + 947 + 6 + 20555666773 = 40655991689
        // B = "ACME" 706 + "1" 49 + "100.00" 1001 + "2.00" 478 + "1" 49 = 2283
        QCOMPARE(host.db().scalar(QStringLiteral("SELECT cnumero FROM F947PCAB")).toString(),
                 QStringLiteral("689283"));
    }

    void tablesEnforceKeysAndSizes()
    {
        TestHost host;
        const QVariantMap param = {{QStringLiteral("Numero"), QStringLiteral("004")},
                                   {QStringLiteral("Argumento"), QStringLiteral("02")}};
        try {
            insertRow(host.db(), QStringLiteral("PARAM"), param);
            QFAIL("a duplicate key was stored");
        } catch (const DbError& e) {
            QVERIFY2(e.number() == DbError::DuplicateKey, qPrintable(e.text()));
        }
        // Keys compare without regard to case, as the integrator's engine did.
        QVERIFY(host.db().exists(QStringLiteral("SELECT 1 FROM CLAVES WHERE Usuario = ?"),
                                 {QStringLiteral("admin")}));
        QVERIFY_THROWS_EXCEPTION(DbError, insertRow(host.db(), QStringLiteral("PARAM"),
                                                    {{QStringLiteral("Numero"), QStringLiteral("0044")},
                                                     {QStringLiteral("Argumento"), QStringLiteral("9")}}));
        try {
            createTable(host.db(), *findTableDef(QStringLiteral("F947PDET")));
            QFAIL("a table was created twice");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), DbError::TableExists);
        }
    }

    void workingTableTakesLongCashSaleNumbers()
    {
        QCOMPARE(findTableDef(QStringLiteral("TMPF947PDET"))->column(QStringLiteral("num_cp"))->size, 15);
        QCOMPARE(findTableDef(QStringLiteral("F947PDET"))->column(QStringLiteral("num_cp"))->size, 8);
        QCOMPARE(moduleTables().size(), 11);
        QCOMPARE(moduleTables().first().name, QStringLiteral("F947PCAB"));
        QCOMPARE(moduleTables().last().name, QStringLiteral("HF947PDETVC"));
    }

    void transactionRollsBackUnlessCommitted()
    {
        TestHost host;
        HostDatabase& db = host.db();
        const QString count = QStringLiteral("SELECT count(*) FROM ERROR");
        const int before = db.scalar(count).toInt();
        try {
            Transaction outer(db);
            db.execute(QStringLiteral("DELETE FROM ERROR WHERE CodError = ?"), {QStringLiteral("0151")});
            {
                Transaction inner(db);
                db.execute(QStringLiteral("DELETE FROM ERROR"));
            } // the inner part is undone, the outer goes on
            QCOMPARE(db.scalar(count).toInt(), before - 1);
            db.setStatementHook([](const QString& sql) {
                if (sql.startsWith(QStringLiteral("INSERT")))
                    throw DbError(DbError::General, QStringLiteral("injected"));
            });
            insertRow(db, QStringLiteral("ERROR"), {{QStringLiteral("CodError"), QStringLiteral("9999")}});
            QFAIL("the injected failure did not happen");
        } catch (const DbError& e) {
            QCOMPARE(e.text(), QStringLiteral("injected"));
        }
        db.setStatementHook(nullptr);
        QCOMPARE(db.scalar(count).toInt(), before);
        QCOMPARE(db.transactionDepth(), 0);
    }

    void openFailures()
    {
        TestHost host;
        HostDatabase::Options quick;
        quick.busyTimeoutMs = 50;

        // Another program holds the database exclusively.
        std::unique_ptr<HostDatabase> other = HostDatabase::open(host.session().rutaBaseDatos);
        other->execute(QStringLiteral("BEGIN EXCLUSIVE"));
        try {
            AbreBaseDatos(host.session(), quick);
            QFAIL("a locked database was opened");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), DbError::Locked);
            QCOMPARE(openErrorText(e), QStringLiteral(" 3051- Base esta bloqueda"));
        }
        other->execute(QStringLiteral("ROLLBACK"));

        QTemporaryDir dir;
        Session missing = host.session();
        missing.rutaBaseDatos = dir.filePath(QStringLiteral("nothing.db"));
        try {
            AbreBaseDatos(missing, quick);
            QFAIL("a missing database was opened");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), DbError::NotFound);
            QVERIFY(openErrorText(e).endsWith(QStringLiteral("\n 3024")));
        }
        QVERIFY(!QFile::exists(missing.rutaBaseDatos));

        QFile garbage(dir.filePath(QStringLiteral("garbage.db")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
        garbage.close();
        Session notDb = host.session();
        notDb.rutaBaseDatos = garbage.fileName();
        try {
            AbreBaseDatos(notDb, quick);
            QFAIL("a file that is not a database was opened");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), DbError::NotADatabase);
        }
    }

    void lookups()
    {
        TestHost host;
        HostDatabase& db = host.db();
        QCOMPARE(TipoUsuario(db, QStringLiteral("ADMIN")), QStringLiteral("0"));
        QCOMPARE(TipoUsuario(db, QStringLiteral("CONTADOR")), QStringLiteral("1"));
        QCOMPARE(TipoUsuario(db, QStringLiteral("NADIE")), QStringLiteral("1"));
        QVERIFY(!DescripcionError(db, 151).isEmpty());
        QCOMPARE(DescripcionError(db, 9999), QString());

        int counter = 5;
        QCOMPARE(Incrementa(counter, 2), QStringLiteral("7"));
        QCOMPARE(counter, 7);
    }

    void validaDocumento_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        // Type 1 asks for exactly 8 digits; type 7 for at most 12 letters and digits; the
        // installed RUC row for at most 11 digits.
        QTest::newRow("exact length") << "1"
                                      << "12345678" << true;
        QTest::newRow("exact length, shorter") << "1"
                                               << "1234567" << false;
        QTest::newRow("exact length, letters") << "1"
                                               << "1234567A" << false;
        QTest::newRow("type with leading zero") << " 01"
                                                << "12345678" << true;
        QTest::newRow("maximum length, shorter") << "7"
                                                 << "AB123" << true;
        QTest::newRow("maximum length, longer") << "7"
                                                << "AB12345678901" << false;
        QTest::newRow("maximum length, symbol") << "7"
                                                << "AB-123" << false;
        QTest::newRow("ruc") << "6"
                             << "20100123453" << true;
        QTest::newRow("ruc too long") << "6"
                                      << "201001234531" << false;
        QTest::newRow("unknown type") << "9"
                                      << "123" << false;
        QTest::newRow("empty number") << "6"
                                      << "  " << false;
    }
    void validaDocumento()
    {
        QFETCH(QString, type);
        QFETCH(QString, number);
        QFETCH(bool, valid);
        if (!m_documents)
            m_documents = std::make_unique<TestHost>(TestHost::HostOnly);
        QCOMPARE(ValidaDocumento(m_documents->db(), m_documents->host(), type, number), valid);
    }

    void consultaDeclarantes()
    {
        TestHost host;
        auto listed = [&](const QString& user) {
            host.session().usuarioSistema = user;
            const BoundQuery query = ConsultaDeclarantes(host.db(), host.session());
            QSqlQuery rows = host.db().run(query.sql, query.values);
            QStringList rucs;
            while (rows.next())
                rucs.append(rows.value(QStringLiteral("Doc_id_d")).toString());
            return rucs;
        };
        QCOMPARE(listed(QStringLiteral("ADMIN")),
                 QStringList({QStringLiteral("10405060707"), QStringLiteral("20100123453"),
                              QStringLiteral("20444333228"), QStringLiteral("20555666773")}));
        QCOMPARE(listed(QStringLiteral("CONTADOR")), QStringList({QStringLiteral("20444333228")}));
        QCOMPARE(listed(QStringLiteral("x' OR '1'='1")), QStringList());
    }
};
DECL_TEST(TestDatabase)
#include "tst_db.moc"
