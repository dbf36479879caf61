#include "dberror.h"
#include "hostdatabase.h"
#include "importfixture.h"
#include "importlog.h"
#include "importmessages.h"
#include "subjecttotals.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

using namespace importtest;

namespace {
const ImportKind Receipts = ImportKind::Receipts;
const ImportKind CashSales = ImportKind::CashSales;

QString messageOf(const ImportResult& result)
{
    const std::optional<Message> message = Errores_Transferencia(result);
    return message ? message->text : QString();
}

/// A receipt line of its own for each number: a new subject, receipt and voucher per line.
QString numberedLine(int n)
{
    QStringList f = validFields(ImportKind::Receipts, Periodo);
    f[0] = n % 2 ? Company : Person;
    if (f[0] == Person) {
        f[1].clear();
        f[2] = QStringLiteral("QUISPE");
        f[3] = QStringLiteral("MAMANI");
        f[4] = QStringLiteral("JUAN");
    }
    f[6] = QString::number(n);
    f[11] = QString::number(n);
    return joinLine(f);
}

QByteArray numberedFile(int lines)
{
    QStringList all;
    for (int n = 1; n <= lines; ++n)
        all.append(numberedLine(n));
    return crlfFile(all);
}
} // namespace

class TestImportRun : public QObject {
    Q_OBJECT
    std::unique_ptr<ImportHost> m_host;

private slots:
    void initTestCase() { m_host = std::make_unique<ImportHost>(); }
    void init() { m_host->reset(); }
    void cleanupTestCase() { m_host.reset(); }

    void receiptWithThreeVouchers()
    {
        ImportHost& h = *m_host;
        h.copyInput(Receipts, QStringLiteral("three_vouchers.txt"));
        const ImportResult result = h.run(Receipts);
        QCOMPARE(result.status, ImportStatus::Finished);
        QCOMPARE(result.loaded, 3);
        QCOMPARE(result.refused, 0);
        QCOMPARE(counterCaption(result.loaded, importtext::Transferidos), QStringLiteral("3 Transferidos"));
        QCOMPARE(transferredMessage(result.paths.input).text,
                 QStringLiteral("Archivo : ") + h.inputPath(Receipts) + QStringLiteral(" transferido"));

        QCOMPARE(h.column(QStringLiteral("TMPF947PCAB"), QStringLiteral("des_razon")),
                 {QStringLiteral("EMPRESA SAC")});
        QCOMPARE(h.column(QStringLiteral("TMPF947PCAB"), QStringLiteral("des_nombres")),
                 {QStringLiteral(" ")});
        // The receipt takes date and amount from its first line; the perception is 1000 x 0.009901.
        QCOMPARE(h.column(QStringLiteral("TMPF947PDET"),
                          QStringLiteral("num_serie_cp || num_cp || '/' || tip_cp")),
                 {QStringLiteral("000100000025/")});
        QCOMPARE(h.column(QStringLiteral("TMPF947PDET"), QStringLiteral("fec_emision_cp")),
                 {QStringLiteral("2005-06-15")});
        QCOMPARE(h.column(QStringLiteral("TMPF947PDET"), QStringLiteral("mto_base_p")),
                 {QStringLiteral("1000.00")});
        QCOMPARE(h.column(QStringLiteral("TMPF947PDET"), QStringLiteral("mto_imp_p")),
                 {QStringLiteral("9.90")});
        QCOMPARE(h.column(QStringLiteral("TMPF947PDETCP"),
                          QStringLiteral(
                              "tip_doc_detcp || num_serie_detcp || num_detcp || ' ' || fec_emis_detcp")),
                 (QStringList{QStringLiteral("01000100000345 2005-06-10"),
                              QStringLiteral("01000200000347 2005-05-12"),
                              QStringLiteral("03000100000346 2005-06-11")}));
        QVERIFY(!QFile::exists(result.paths.log));
        QVERIFY(!QFile::exists(result.paths.error));

        CalcularTot(h.db());
        QCOMPARE(h.column(QStringLiteral("TMPF947PCAB"), QStringLiteral("mto_base_p || ' ' || mto_imp_p")),
                 {QStringLiteral("1000 9.9")});
    }

    void creditNoteStoredNegative()
    {
        ImportHost& h = *m_host;
        h.copyInput(Receipts, QStringLiteral("credit_note.txt"));
        QCOMPARE(h.run(Receipts).loaded, 2);
        QCOMPARE(h.column(QStringLiteral("TMPF947PDETCP"), QStringLiteral("mto_detcp")),
                 (QStringList{QStringLiteral("1100.00"), QStringLiteral("-100")}));
    }

    void existingSubjectKeepsItsName()
    {
        ImportHost& h = *m_host;
        h.db().execute(
            QStringLiteral("INSERT INTO TMPF947PCAB (tip_doc_per, num_doc_per, des_razon) VALUES (6, ?, ?)"),
            {Company, QStringLiteral("NOMBRE REGISTRADO")});
        h.copyInput(Receipts, QStringLiteral("three_vouchers.txt"));
        QCOMPARE(h.run(Receipts).loaded, 3);
        QCOMPARE(h.column(QStringLiteral("TMPF947PCAB"), QStringLiteral("des_razon")),
                 {QStringLiteral("NOMBRE REGISTRADO")});
    }

    void receiptAndCashSaleShareANumber()
    {
        // A cash sale already holds series 0001 number 00000025; the receipt with vouchers of the
        // same number is another document and is kept beside it.
        ImportHost& h = *m_host;
        h.copyInput(CashSales, QStringLiteral("duplicate_cash_sale.txt"));
        h.copyInput(Receipts, QStringLiteral("three_vouchers.txt"));
        QCOMPARE(h.run(CashSales).loaded, 1);
        QCOMPARE(h.run(Receipts).loaded, 3);
        QCOMPARE(h.column(QStringLiteral("TMPF947PDET"), QStringLiteral("tip_cp || ' ' || mto_base_p")),
                 (QStringList{QStringLiteral(" 1000.00"), QStringLiteral("01 1000.00")}));
    }

    void duplicates_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<QString>("errorLine");
        // 0228 has a row in ERROR; 0871 has none in a fresh installation.
        const QString voucherError =
            QStringLiteral("20000000001 1 25          El comprobante ya fue registrado");
        QTest::newRow("voucher twice")
            << int(Receipts) << QStringLiteral("duplicate_voucher.txt") << 1 << voucherError;
        QTest::newRow("voucher twice, then another")
            << int(Receipts) << QStringLiteral("duplicate_voucher_then_more.txt") << 2 << voucherError;
        QTest::newRow("cash sale twice") << int(CashSales) << QStringLiteral("duplicate_cash_sale.txt") << 1
                                         << QStringLiteral("2000000000              Otro Error : Verifique "
                                                           "Estructura de Tablas y datos a transferir");
    }
    void duplicates()
    {
        QFETCH(int, kind);
        QFETCH(QString, fixture);
        QFETCH(int, loaded);
        QFETCH(QString, errorLine);
        ImportHost& h = *m_host;
        h.copyInput(ImportKind(kind), fixture);
        const ImportResult result = h.run(ImportKind(kind));
        QCOMPARE(result.status, ImportStatus::Finished);
        QCOMPARE(result.loaded, loaded);
        QCOMPARE(result.refused, 1);
        QCOMPARE(h.count(QStringLiteral("TMPF947PCAB")), 1);
        QCOMPARE(h.count(QStringLiteral("TMPF947PDET")), 1);
        if (kind == int(Receipts))
            QCOMPARE(h.count(QStringLiteral("TMPF947PDETCP")), loaded);
        QCOMPARE(fileLines(result.paths.log), {fileLines(h.inputPath(ImportKind(kind))).at(1)});
        QCOMPARE(fileLines(result.paths.error), {errorLine});
    }

    void errorLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("errorLine");
        const QString other =
            QStringLiteral("Otro Error : Verifique Estructura de Tablas y datos a transferir");
        const QString blanks14(14, QLatin1Char(' '));
        const auto line = [](int field, const QString& value) {
            QStringList f = validFields(Receipts, Periodo);
            f[field - 1] = value;
            return joinLine(f);
        };
        QTest::newRow("text of the ERROR row")
            << line(1, Declarant)
            << QStringLiteral(
                   "20100123453 1 25          El RUC del sujeto de percepción no puede ser igual al RUC del "
                   "declarante");
        // The test adds a row for 0857; the import's own text wins over the row's.
        QTest::newRow("own text of a code with a row")
            << line(6, QStringLiteral("xxx"))
            << QStringLiteral("20000000001 xxx 25        El número de serie no es válido");
        QTest::newRow("key cut to 25")
            << line(6, QStringLiteral("XXX"))
                   .replace(QStringLiteral("|25|"), QStringLiteral("|123456789012345|"))
            << QStringLiteral("20000000001 XXX 123456789 El número de serie no es válido");
        QTest::newRow("no row, short key right-aligned")
            << line(1, QStringLiteral("1")) << QStringLiteral("    1 1 25") + blanks14 + other;
        QTest::newRow("no row, key cut to 10")
            << line(1, QStringLiteral("2000000000X")) << QStringLiteral("2000000000") + blanks14 + other;
        QTest::newRow("control characters blanked")
            << line(1, QStringLiteral("2\t0\x01")) << QStringLiteral(" 2 0  1 25") + blanks14 + other;
    }
    void errorLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, errorLine);
        ImportHost& h = *m_host;
        h.db().execute(QStringLiteral("INSERT INTO ERROR (CodError, DescError) VALUES (?, ?)"),
                       {QStringLiteral("0857"), QStringLiteral("TEXTO DEL INTEGRADOR")});
        const auto removeRow = qScopeGuard([&h] {
            h.db().execute(QStringLiteral("DELETE FROM ERROR WHERE CodError = ?"), {QStringLiteral("0857")});
        });
        h.writeInput(Receipts, crlfFile({line}));
        const ImportResult result = h.run(Receipts);
        QCOMPARE(result.refused, 1);
        QCOMPARE(fileLines(result.paths.error), {errorLine});
        QCOMPARE(fileBytes(result.paths.log), line.toUtf8() + "\r\n");
    }

    void logFilesBelongToTheLastRunThatRefused()
    {
        ImportHost& h = *m_host;
        const QString refusedA =
            numberedLine(1).replace(QStringLiteral("|1000.00|01|"), QStringLiteral("|-1|01|"));
        const QString refusedB =
            numberedLine(2).replace(QStringLiteral("|1000.00|01|"), QStringLiteral("|0|01|"));
        h.writeInput(Receipts, crlfFile({refusedA, numberedLine(3)}));
        const ImportPaths paths = h.run(Receipts).paths;
        QCOMPARE(fileLines(paths.log), {refusedA});

        h.writeInput(Receipts, crlfFile({refusedB, refusedB}));
        QCOMPARE(h.run(Receipts).refused, 2);
        QCOMPARE(fileLines(paths.log), (QStringList{refusedB, refusedB}));
        const QByteArray errors = fileBytes(paths.error);
        QCOMPARE(fileLines(paths.error).size(), 2);

        h.writeInput(Receipts, crlfFile({numberedLine(4)}));
        QCOMPARE(h.run(Receipts).refused, 0);
        QCOMPARE(fileLines(paths.log), (QStringList{refusedB, refusedB}));
        QCOMPARE(fileBytes(paths.error), errors);
    }

    void filesRefusedWhole_data()
    {
        QTest::addColumn<bool>("folderChosen");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString good = numberedLine(1);
        const QString fieldCount =
            QStringLiteral("El archivo de importación no tiene el número de campos correctos");
        const QString lineEnd = QStringLiteral("Cada línea del archivo debe terminar con el separador |");
        QTest::newRow("no folder chosen") << false << crlfFile({good}) << int(ImportStatus::NoFolder)
                                          << QStringLiteral("Seleccionar directorio donde se encuentran\n"
                                                            "los archivos a transferir");
        QTest::newRow("missing file")
            << true << QByteArray() << int(ImportStatus::FileNotFound)
            << QStringLiteral("En la ruta indicada, no se encuentra el archivo a transferir, "
                              "verifique la ruta");
        QString shortLine = good;
        shortLine.chop(1);
        QTest::newRow("13 separators")
            << true << crlfFile({good, shortLine}) << int(ImportStatus::WrongFieldCount) << fieldCount;
        QTest::newRow("blank line in the middle") << true << crlfFile({good, QString(), numberedLine(2)})
                                                  << int(ImportStatus::WrongFieldCount) << fieldCount;
        QTest::newRow("blank line at the end") << true << crlfFile({good, QStringLiteral("   ")})
                                               << int(ImportStatus::WrongFieldCount) << fieldCount;
        QTest::newRow("line not ending in |") << true << crlfFile({good, good + QStringLiteral("x ")})
                                              << int(ImportStatus::LineWithoutSeparator) << lineEnd;
        // The count of separators wins over a bad line end that comes earlier.
        QTest::newRow("both faults") << true << crlfFile({good + QStringLiteral("x"), shortLine})
                                     << int(ImportStatus::WrongFieldCount) << fieldCount;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char((i * 7919) % 256);
        garbage.replace('|', '~');
        QTest::newRow("binary garbage")
            << true << garbage << int(ImportStatus::WrongFieldCount) << fieldCount;
    }
    void filesRefusedWhole()
    {
        QFETCH(bool, folderChosen);
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, message);
        ImportHost& h = *m_host;
        if (!bytes.isEmpty())
            h.writeInput(Receipts, bytes);
        ImportRequest request = h.request();
        if (!folderChosen)
            request.folder.clear();
        ImportRun run(h.db(), h.host().host(), request);
        const ImportResult result = run.Transferencia();
        QCOMPARE(int(result.status), status);
        QCOMPARE(messageOf(result), message);
        QCOMPARE(h.count(QStringLiteral("TMPF947PCAB")) + h.count(QStringLiteral("TMPF947PDET")) +
                     h.count(QStringLiteral("TMPF947PDETCP")),
                 0);
        QVERIFY(!QFile::exists(result.paths.log));
    }

    void sixteenSeparatorsAndAnyCaseOfName()
    {
        ImportHost& h = *m_host;
        QFile::remove(h.inputPath(Receipts));
        QString path = h.inputPath(Receipts);
        path.replace(QStringLiteral(".TXT"), QStringLiteral(".txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(crlfFile({numberedLine(1) + QStringLiteral("extra|more|")}));
        file.close();
        const ImportResult result = h.run(Receipts);
        QCOMPARE(result.loaded, 1);
        QCOMPARE(result.paths.input, path);
    }

    void encodings_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("utf-8 with byte-order mark, CR LF") << QStringLiteral("people_utf8_bom.txt");
        QTest::newRow("utf-8, LF") << QStringLiteral("people_utf8_lf.txt");
        QTest::newRow("windows-1252, CR LF") << QStringLiteral("people_cp1252.txt");
        QTest::newRow("windows-1252, LF") << QStringLiteral("people_cp1252_lf.txt");
    }
    void encodings()
    {
        QFETCH(QString, fixture);
        ImportHost& h = *m_host;
        h.copyInput(Receipts, fixture);
        const ImportResult result = h.run(Receipts);
        QCOMPARE(result.refused, 0);
        QCOMPARE(h.column(QStringLiteral("TMPF947PCAB"),
                          QStringLiteral("num_doc_per || '|' || des_razon || '|' || des_apellido_p || '|' || "
                                         "des_apellido_m || '|' || des_nombres")),
                 (QStringList{QStringLiteral("10123456781|NÚÑEZ IBÁÑEZ MARÍA|NÚÑEZ|IBÁÑEZ|MARÍA"),
                              QStringLiteral("10405060707|MUÑOZ PEÑA JOSÉ ÁNGEL|MUÑOZ|PEÑA|JOSÉ ÁNGEL")}));
    }

    void hostileContent()
    {
        ImportHost& h = *m_host;
        QStringList company = validFields(Receipts, Periodo);
        company[1] = QString(1024 * 1024, QLatin1Char('A'));
        QStringList series = validFields(Receipts, Periodo);
        series[0] = Person;
        series[5] = QString(1024 * 1024, QLatin1Char('9'));
        QStringList quote = validFields(Receipts, Periodo);
        quote[0] = QStringLiteral("20555555556");
        quote[1] = QStringLiteral("ACME\"; DROP TABLE TMPF947PDET; --");
        const QByteArray garbage = QByteArrayLiteral("\x00\xff\xfe|\x01\x02|||||||||||||\r\n");
        h.writeInput(Receipts, crlfFile({joinLine(company), joinLine(series), joinLine(quote)}) + garbage);

        const ImportResult result = h.run(Receipts);
        QCOMPARE(result.status, ImportStatus::Finished);
        QCOMPARE(result.loaded, 1);
        QCOMPARE(result.refused, 3);
        QCOMPARE(h.column(QStringLiteral("TMPF947PCAB"), QStringLiteral("des_razon")),
                 {QString(40, QLatin1Char('A'))});
        QVERIFY(h.db().hasTable(QStringLiteral("TMPF947PDET")));
        // Refused lines go to the log exactly as they were read.
        const QByteArray log = fileBytes(result.paths.log);
        QCOMPARE(log, crlfFile({joinLine(series), joinLine(quote)}) + garbage);
        QCOMPARE(fileLines(result.paths.error).size(), 3);
    }

    void cancelKeepsAcceptedRows()
    {
        ImportHost& h = *m_host;
        h.writeInput(Receipts, numberedFile(3000));
        int calls = 0;
        const ImportResult result =
            h.run(Receipts, [&calls](const ImportProgress&) { return ++calls <= 1200; });
        QCOMPARE(result.status, ImportStatus::Cancelled);
        QCOMPARE(result.loaded, 1200);
        QCOMPARE(h.count(QStringLiteral("TMPF947PDETCP")), 1200);
        QCOMPARE(h.count(QStringLiteral("TMPF947PDET")), 1200);
        QVERIFY(!h.db().transactionDepth());
    }

    void databaseFailureKeepsAcceptedRows_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("busy database")
            << int(DbError::Locked)
            << QStringLiteral("El archivo se encuentra abierto!!\nIntente nuevamente por favor.");
        QTest::newRow("other error") << int(DbError::General)
                                     << QStringLiteral("Error Tecnico: 3000 disco roto");
    }
    void databaseFailureKeepsAcceptedRows()
    {
        QFETCH(int, number);
        QFETCH(QString, message);
        ImportHost& h = *m_host;
        h.writeInput(Receipts, numberedFile(2500));
        int vouchers = 0;
        h.db().setStatementHook([&vouchers, number](const QString& sql) {
            if (sql.startsWith(QLatin1String("INSERT INTO TMPF947PDETCP")) && ++vouchers > 2100)
                throw DbError(number, QStringLiteral("disco roto"));
        });
        const ImportResult result = h.run(Receipts);
        h.db().setStatementHook({});
        QCOMPARE(result.status, ImportStatus::DatabaseFailed);
        QCOMPARE(messageOf(result), message);
        QCOMPARE(result.loaded, 2100);
        QCOMPARE(h.count(QStringLiteral("TMPF947PDETCP")), 2100);
        QVERIFY(!h.db().transactionDepth());
    }

    void logThatCannotBeWrittenEndsTheRun()
    {
        ImportHost& h = *m_host;
        QVERIFY(QDir().mkpath(h.paths(Receipts).log));
        const QString refused =
            numberedLine(2).replace(QStringLiteral("|1000.00|01|"), QStringLiteral("|0|01|"));
        h.writeInput(Receipts, crlfFile({numberedLine(1), refused, numberedLine(3)}));
        const ImportResult result = h.run(Receipts);
        QCOMPARE(result.status, ImportStatus::LogFailed);
        QCOMPARE(result.loaded, 1);
        QCOMPARE(h.count(QStringLiteral("TMPF947PDETCP")), 1);
        QCOMPARE(messageOf(result),
                 QStringLiteral("Error tecnico:  75\nError de acceso a la ruta o el archivo\n"
                                "Intente nuevamente por favor."));
    }

    void totalsFollowReceipts()
    {
        ImportHost& h = *m_host;
        HostDatabase& db = h.db();
        const auto subject = [&db](const QString& ruc) {
            db.execute(
                QStringLiteral("INSERT INTO TMPF947PCAB (tip_doc_per, num_doc_per, mto_base_p, mto_imp_p) "
                               "VALUES (6, ?, '7', '7')"),
                {ruc});
        };
        const auto receipt = [&db](const QString& ruc, const QString& number, const QString& base,
                                   const QString& imp) {
            db.execute(
                QStringLiteral("INSERT INTO TMPF947PDET (tip_doc_per, num_doc_per, num_serie_cp, num_cp, "
                               "tip_cp, mto_base_p, mto_imp_p) VALUES (6, ?, '0001', ?, '', ?, ?)"),
                {ruc, number, base, imp});
        };
        subject(Company);
        receipt(Company, QStringLiteral("1"), QStringLiteral("1000.10"), QStringLiteral("9.90"));
        receipt(Company, QStringLiteral("2"), QStringLiteral("0.25"), QStringLiteral(".01"));
        subject(Person);
        receipt(Person, QStringLiteral("1"), QStringLiteral("-50"), QStringLiteral("-0.50"));
        subject(QStringLiteral("20555555556"));
        subject(QStringLiteral("20666666667"));
        // A sum too wide for the column is kept in whole units.
        for (int i = 0; i < 101; ++i)
            receipt(QStringLiteral("20666666667"), QString::number(i), QStringLiteral("999999999999.11"),
                    QStringLiteral("1"));
        CalcularTot(db);
        QCOMPARE(h.column(QStringLiteral("TMPF947PCAB"), QStringLiteral("mto_base_p || ' ' || mto_imp_p")),
                 (QStringList{QStringLiteral("0 0"), QStringLiteral("1000.35 9.91"), QStringLiteral("0 0"),
                              QStringLiteral("100999999999910 101")}));
    }
};
DECL_TEST(TestImportRun)

#include "tst_run.moc"
