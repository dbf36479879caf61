#include "detailfixture.h"
#include "receiptstore.h"
#include "subjectstore.h"
#include "testregistry.h"
#include "voucherstore.h"

#include <QSqlQuery>
#include <QTest>

namespace {

const QString Company = QStringLiteral("20555666773");
const QString Person = QStringLiteral("10405060707");

ReceiptEntry receipt(const QString& ruc, const char* series, const char* number, const char* tipCp = "")
{
    return {ruc,
            QLatin1String(series),
            QLatin1String(number),
            QLatin1String(tipCp),
            QStringLiteral("15/04/2014"),
            QStringLiteral("1,234.50"),
            QStringLiteral("24.69"),
            QStringLiteral("0.009901")};
}

VoucherEntry voucher(const ReceiptKey& key, const char* type, const char* number, const char* amount)
{
    return {key,
            QLatin1String(type),
            QStringLiteral("0001"),
            QLatin1String(number),
            QStringLiteral("10/04/2014"),
            QLatin1String(amount)};
}

int count(HostDatabase& db, const QString& table)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
}

} // namespace

/// The working-table work of the detail windows, checked on the stored rows.
class TestWorkingTables : public QObject {
    Q_OBJECT

private slots:
    void subjectRowsByKind()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        QCOMPARE(addSubject(db, {Company,
                                 QStringLiteral("ACME S.A."),
                                 {},
                                 {},
                                 1,
                                 QStringLiteral("0.50"),
                                 QStringLiteral("1,234.56")}),
                 SaveOutcome::Saved);
        const QString longPart = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
        QCOMPARE(addSubject(db, {Person, longPart, QStringLiteral("QUISPE"), QStringLiteral("MAMANI"), 2,
                                 QStringLiteral("12345678901234.50"), QStringLiteral("1.5")}),
                 SaveOutcome::Saved);
        QCOMPARE(addSubject(db, {Company, QStringLiteral("OTRA"), {}, {}, 1, {}, {}}),
                 SaveOutcome::AlreadyExists);

        QSqlQuery rows =
            db.run(QStringLiteral("SELECT num_doc_per, des_razon, des_apellido_p, des_apellido_m, "
                                  "des_nombres, ctd_docs, mto_base_p, "
                                  "mto_imp_p, des_apellido_p IS NULL FROM TMPF947PCAB ORDER BY num_doc_per"));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toString(), Person);
        QCOMPARE(rows.value(1).toString(), QStringLiteral("QUISPE MAMANI ABCDEFGHIJKLMNOPQRST").left(40));
        QCOMPARE(rows.value(4).toString(), longPart);
        QCOMPARE(rows.value(5).toInt(), 2);
        // 16 characters or more: whole currency units.
        QCOMPARE(rows.value(6).toString(), QStringLiteral("12345678901235"));
        QCOMPARE(rows.value(7).toString(), QStringLiteral("1.50"));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(1).toString(), QStringLiteral("ACME S.A."));
        QCOMPARE(rows.value(2).toString(), QString());
        QCOMPARE(rows.value(8).toInt(), 0); // an empty text, not a missing one
        QCOMPARE(rows.value(6).toString(), QStringLiteral(".50"));
        QCOMPARE(rows.value(7).toString(), QStringLiteral("1234.56"));
    }

    void rewritingSubjectTotalsKeepsNames()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        addSubject(
            db,
            {Company, QStringLiteral("ACME"), {}, {}, 1, QStringLiteral("10.00"), QStringLiteral("0.20")});
        rewriteSubjectTotals(
            db,
            {Company, QStringLiteral("CHANGED"), {}, {}, 3, QStringLiteral("30.00"), QStringLiteral("0.60")});
        QSqlQuery row = db.run(QStringLiteral("SELECT des_razon, ctd_docs, mto_base_p FROM TMPF947PCAB"));
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toString(), QStringLiteral("ACME"));
        QCOMPARE(row.value(1).toInt(), 3);
        QCOMPARE(row.value(2).toString(), QStringLiteral("30.00"));
    }

    void receiptKeysAndValues()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        QCOMPARE(addReceipt(db, receipt(Company, "0001", "00000001")), SaveOutcome::Saved);
        QCOMPARE(addReceipt(db, receipt(Company, "0001", "00000001")), SaveOutcome::AlreadyExists);
        // A cash sale may share series and number with a receipt with vouchers: the type tells them apart.
        QCOMPARE(addReceipt(db, receipt(Company, "0001", "00000001", "01")), SaveOutcome::Saved);
        QVERIFY(receiptExists(db, Company, QStringLiteral("0001"), QStringLiteral("00000001"), QString()));

        QSqlQuery row =
            db.run(QStringLiteral("SELECT tip_cp IS NULL, fec_emision_cp, mto_base_p, mto_imp_p, por_tasa_p "
                                  "FROM TMPF947PDET WHERE tip_cp = ''"));
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toInt(), 0);
        QCOMPARE(row.value(1).toString(), QStringLiteral("2014-04-15"));
        QCOMPARE(row.value(2).toString(), QStringLiteral("1234.50"));
        QCOMPARE(row.value(3).toString(), QStringLiteral("24.69"));
        QCOMPARE(row.value(4).toString(), QStringLiteral("0.0099"));

        ReceiptEntry changed = receipt(Company, "0001", "00000001");
        changed.date = QStringLiteral("20/04/2014");
        changed.amount = QStringLiteral("0.5");
        changed.perception = QStringLiteral("0.01");
        rewriteReceipt(db, changed);
        const QList<ReceiptRow> rows = subjectReceipts(db, Company);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].date, QStringLiteral("20/04/2014"));
        QCOMPARE(rows[0].amountCharged, QStringLiteral(".50"));
        QCOMPARE(rows[1].date, QStringLiteral("15/04/2014"));
        QCOMPARE(rows[1].tipCp, QStringLiteral("01"));
        QCOMPARE(rows[1].desCdp, QStringLiteral("FACTURA").leftJustified(46) + QStringLiteral("1010"));
    }

    void creditNotesAreStoredNegative()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        const ReceiptKey key{Company, QStringLiteral("0001"), QStringLiteral("00000001")};
        QCOMPARE(addVoucher(db, voucher(key, "07", "00000055", "100.00")), SaveOutcome::Saved);
        QCOMPARE(addVoucher(db, voucher(key, "07", "00000055", "5")), SaveOutcome::AlreadyExists);
        QVERIFY(onlyCreditNotes(db, key));
        QCOMPARE(addVoucher(db, voucher(key, "01", "00000056", "1,500.5")), SaveOutcome::Saved);
        QVERIFY(!onlyCreditNotes(db, key));
        // The same voucher behind another receipt is another row.
        QCOMPARE(addVoucher(db, voucher({Company, QStringLiteral("0001"), QStringLiteral("00000002")}, "07",
                                        "00000055", "100.00")),
                 SaveOutcome::Saved);

        const QList<VoucherRow> rows = receiptVouchers(db, key);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].typeDescription, QStringLiteral("FACTURA                       "));
        QCOMPARE(rows[0].amount, QStringLiteral("1500.50"));
        QCOMPARE(rows[1].typeCode, QStringLiteral("07"));
        QCOMPARE(rows[1].amount, QStringLiteral("-100.00"));
        QCOMPARE(voucherAmountShown(rows[1].amount), QStringLiteral("(100.00)"));
        QCOMPARE(voucherAmountShown(rows[0].amount), QStringLiteral("1,500.50"));
        QCOMPARE(voucherAmountForEditing(rows[1].typeCode, rows[1].amount), QStringLiteral("100"));

        rewriteVoucher(db, voucher(key, "07", "00000055", "20.5"));
        QCOMPARE(receiptVouchers(db, key)[1].amount, QStringLiteral("-20.50"));
    }

    // A cash sale and a receipt with vouchers may share series and number; the vouchers
    // belong to the second only.
    void deletingReceipts()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        const ReceiptKey key{Company, QStringLiteral("0001"), QStringLiteral("00000001")};
        addReceipt(db, receipt(Company, "0001", "00000001"));
        addReceipt(db, receipt(Company, "0001", "00000001", "01"));
        addVoucher(db, voucher(key, "01", "00000055", "100"));

        deleteReceipt(db, Company, key.series, key.number, QStringLiteral("01"));
        QCOMPARE(count(db, QStringLiteral("TMPF947PDET")), 1);
        QCOMPARE(count(db, QStringLiteral("TMPF947PDETCP")), 1);
        deleteReceipt(db, Company, key.series, key.number, QString());
        QCOMPARE(count(db, QStringLiteral("TMPF947PDET")), 0);
        QCOMPARE(count(db, QStringLiteral("TMPF947PDETCP")), 0);
    }

    void discardingSubjectDetailTouchesOnlyThatSubject()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        for (const QString& ruc : {Company, Person}) {
            addReceipt(db, receipt(ruc, "0001", "00000001"));
            addVoucher(db, voucher({ruc, QStringLiteral("0001"), QStringLiteral("00000001")}, "01",
                                   "00000055", "9"));
        }
        discardSubjectDetail(db, Company);
        QCOMPARE(subjectReceipts(db, Company).size(), 0);
        QCOMPARE(count(db, QStringLiteral("TMPF947PDETCP")), 1);
        QCOMPARE(subjectReceipts(db, Person).size(), 1);
    }

    void subjectTotals_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("perception");
        // Amounts of the receipts separated by "|".
        const auto row = [](const char* name, const char* amounts, const char* base, const char* perception) {
            const QString list = QString::fromLatin1(amounts);
            QTest::newRow(name) << (list.isEmpty() ? QStringList() : list.split(u'|'))
                                << QString::fromLatin1(base) << QString::fromLatin1(perception);
        };
        row("no receipts", "", "", "");
        row("both kinds", "1,234.50|0.5", "1235.00", "1,235.00");
        row("half", "0.5", "0.50", "0.50");
        row("negative sum shows zero", "-10", "0.00", "0.00");
    }
    void subjectTotals()
    {
        QFETCH(QStringList, amounts);
        QFETCH(QString, base);
        QFETCH(QString, perception);
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        for (int i = 0; i < amounts.size(); ++i) {
            ReceiptEntry entry = receipt(Company, "0001", "00000001", i == 0 ? "" : "01");
            entry.amount = amounts[i];
            entry.perception = amounts[i];
            addReceipt(db, entry);
        }
        const SubjectTotals totals = ::subjectTotals(db, Company);
        QCOMPARE(totalText(totals.base, TotalBasePattern), base);
        QCOMPARE(totalText(totals.perception, TotalPerceptionPattern), perception);
    }
};
DECL_TEST(TestWorkingTables)

#include "tst_workingtables.moc"
