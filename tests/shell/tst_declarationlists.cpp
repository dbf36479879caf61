#include "dberror.h"
#include "declarationdelete.h"
#include "declarationlist.h"
#include "hostdatabase.h"
#include "shellfixture.h"
#include "testhost.h"
#include "testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(ListOrder)

namespace {

QStringList keysOf(const QList<DeclarationRow>& rows)
{
    QStringList keys;
    for (const DeclarationRow& row : rows)
        keys.append(row.ruc + QLatin1Char('/') + row.periodoMMYYYY() +
                    (row.correl.isEmpty() ? QString() : QLatin1Char('/') + row.correl));
    return keys;
}

DeclarationRow declaration(const QString& ruc, const QString& periodo, const QString& correl = QString())
{
    DeclarationRow row;
    row.ruc = ruc;
    row.periodo = periodo;
    row.formulario = QStringLiteral("0947");
    row.correl = correl;
    return row;
}

QStringList zeroCounts(const QStringList& tables)
{
    QStringList counts;
    for (const QString& table : tables)
        counts.append(table + QStringLiteral("=0"));
    return counts;
}

} // namespace

class TestDeclarationLists : public QObject {
    Q_OBJECT
private slots:
    void savedListOrders_data()
    {
        QTest::addColumn<ListOrder>("order");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("newest period first")
            << ListOrder::Periodo
            << QStringList{Pacifico + QStringLiteral("/012015"), Quispe + QStringLiteral("/122014"),
                           Andina + QStringLiteral("/122014"), Andina + QStringLiteral("/052014")};
        QTest::newRow("by RUC") << ListOrder::Ruc
                                << QStringList{Quispe + QStringLiteral("/122014"),
                                               Andina + QStringLiteral("/122014"),
                                               Andina + QStringLiteral("/052014"),
                                               Pacifico + QStringLiteral("/012015")};
        QTest::newRow("by name") << ListOrder::Nombre
                                 << QStringList{Pacifico + QStringLiteral("/012015"),
                                                Andina + QStringLiteral("/122014"),
                                                Andina + QStringLiteral("/052014"),
                                                Quispe + QStringLiteral("/122014")};
    }
    void savedListOrders()
    {
        QFETCH(ListOrder, order);
        QFETCH(QStringList, keys);
        TestHost host;
        storeSaved(host.db(), Andina, QStringLiteral("201405"));
        storeSaved(host.db(), Andina, QStringLiteral("201412"));
        storeSaved(host.db(), Pacifico, QStringLiteral("201501"));
        storeSaved(host.db(), Quispe, QStringLiteral("201412"));
        // A sent declaration and another form's declaration are not saved ones of this form.
        storeSent(host.db(), Andina, QStringLiteral("201403"), QStringLiteral("001"));
        host.db().execute(
            QStringLiteral("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, estado, cNumero)"
                           " VALUES (6, ?, '201406', '0621', 0, '000000')"),
            {Andina});

        QCOMPARE(keysOf(listSavedDeclarations(host.db(), host.session(), order)), keys);
    }

    void sentListHasOneRowPerSending()
    {
        TestHost host;
        storeSent(host.db(), Pacifico, QStringLiteral("201405"), QStringLiteral("001"),
                  QStringLiteral("123456789"));
        storeSent(host.db(), Andina, QStringLiteral("201405"), QStringLiteral("002"));
        storeSent(host.db(), Andina, QStringLiteral("201405"), QStringLiteral("001"));
        storeSaved(host.db(), Andina, QStringLiteral("201406"));

        const QList<DeclarationRow> rows = listSentDeclarations(host.db(), host.session());
        QCOMPARE(keysOf(rows),
                 (QStringList{Andina + QStringLiteral("/052014/001"), Andina + QStringLiteral("/052014/002"),
                              Pacifico + QStringLiteral("/052014/001")}));
        QCOMPARE(rows.at(2).nombre, QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A."));
        QCOMPARE(rows.at(2).norden, QStringLiteral("123456789"));
        QCOMPARE(rows.at(2).fecEnv, QDate(2014, 6, 10));
        QCOMPARE(rows.at(2).control, QStringLiteral("C001"));
    }

    void deletingASavedDeclarationRemovesAllOfIt()
    {
        TestHost host;
        HostDatabase& db = host.db();
        storeSaved(db, Andina, QStringLiteral("201405"));
        storeSaved(db, Andina, QStringLiteral("201406"));
        storeSaved(db, Pacifico, QStringLiteral("201405"));
        storeSent(db, Andina, QStringLiteral("201405"), QStringLiteral("001"));
        const QStringList otherPeriod = rowCounts(db, SavedTables, Andina, QStringLiteral("201406"));
        const QStringList otherDeclarant = rowCounts(db, SavedTables, Pacifico, QStringLiteral("201405"));
        const QStringList sent = rowCounts(db, SentTables, Andina, QStringLiteral("201405"));

        deleteSavedDeclaration(db, declaration(Andina, QStringLiteral("201405")));

        // The cash sales (F947PDETVC) go with the rest.
        QCOMPARE(rowCounts(db, SavedTables, Andina, QStringLiteral("201405")), zeroCounts(SavedTables));
        QCOMPARE(rowCounts(db, SavedTables, Andina, QStringLiteral("201406")), otherPeriod);
        QCOMPARE(rowCounts(db, SavedTables, Pacifico, QStringLiteral("201405")), otherDeclarant);
        QCOMPARE(rowCounts(db, SentTables, Andina, QStringLiteral("201405")), sent);
        QVERIFY(!otherPeriod.contains(QStringLiteral("F947PDETVC=0")));
    }

    void deletingOneSendingKeepsTheOther()
    {
        TestHost host;
        HostDatabase& db = host.db();
        storeSent(db, Andina, QStringLiteral("201405"), QStringLiteral("001"));
        storeSent(db, Andina, QStringLiteral("201405"), QStringLiteral("002"));
        storeSaved(db, Andina, QStringLiteral("201405"));
        const QStringList second =
            rowCounts(db, SentTables, Andina, QStringLiteral("201405"), QStringLiteral("002"));
        const QStringList saved = rowCounts(db, SavedTables, Andina, QStringLiteral("201405"));

        deleteSentDeclaration(db, declaration(Andina, QStringLiteral("201405"), QStringLiteral("001")));

        QCOMPARE(rowCounts(db, SentTables, Andina, QStringLiteral("201405"), QStringLiteral("001")),
                 zeroCounts(SentTables));
        QCOMPARE(rowCounts(db, SentTables, Andina, QStringLiteral("201405"), QStringLiteral("002")), second);
        QCOMPARE(rowCounts(db, SavedTables, Andina, QStringLiteral("201405")), saved);
        QVERIFY(!second.contains(QStringLiteral("HF947PDETVC=0")));
    }

    void failureHalfwayChangesNothing_data()
    {
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QString>("failingTable");
        QTest::newRow("saved, at the receipts") << false << QStringLiteral("F947PDET");
        QTest::newRow("saved, at the last table") << false << QStringLiteral("F947PCAB");
        QTest::newRow("sent, at the receipts") << true << QStringLiteral("HF947PDET");
    }
    void failureHalfwayChangesNothing()
    {
        QFETCH(bool, sent);
        QFETCH(QString, failingTable);
        TestHost host;
        HostDatabase& db = host.db();
        const QString correl = sent ? QStringLiteral("001") : QString();
        const QStringList& tables = sent ? SentTables : SavedTables;
        if (sent)
            storeSent(db, Andina, QStringLiteral("201405"), correl);
        else
            storeSaved(db, Andina, QStringLiteral("201405"));
        const QStringList before = rowCounts(db, tables, Andina, QStringLiteral("201405"), correl);

        const QString failing = QStringLiteral("DELETE FROM ") + failingTable + QLatin1Char(' ');
        db.setStatementHook([&](const QString& sql) {
            if (sql.startsWith(failing))
                throw DbError(DbError::Locked, QStringLiteral("database is locked"));
        });
        const DeclarationRow row = declaration(Andina, QStringLiteral("201405"), correl);
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 sent ? deleteSentDeclaration(db, row) : deleteSavedDeclaration(db, row));
        db.setStatementHook(nullptr);

        QCOMPARE(rowCounts(db, tables, Andina, QStringLiteral("201405"), correl), before);
        QCOMPARE(db.transactionDepth(), 0);
    }
};
DECL_TEST(TestDeclarationLists)
#include "tst_declarationlists.moc"
