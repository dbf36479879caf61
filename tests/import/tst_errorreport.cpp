#include "clock.h"
#include "cp1252.h"
#include "errorreport.h"
#include "hostdatabase.h"
#include "importfixture.h"
#include "spool.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace importtest;

namespace {
/// An error file of `count` refused lines, as a run writes it.
void writeErrorFile(const QString& path, int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += toCp1252(QStringLiteral("20000000001 1 %1").arg(n).leftJustified(25) +
                          QStringLiteral(" El número de comprobante no es válido")) +
                 "\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
} // namespace

class TestImportErrorReport : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::setNow(QDateTime(QDate(2014, 6, 30), QTime(10, 20, 30))); }
    void cleanup() { Clock::setNow(QDateTime()); }

    void matchesGoldenFile_data()
    {
        QTest::addColumn<int>("errors");
        QTest::newRow("one page") << 3;
        QTest::newRow("a full first page") << 69;
        QTest::newRow("two pages") << 70;
    }
    void matchesGoldenFile()
    {
        QFETCH(int, errors);
        QTemporaryDir dir;
        const QString errorFile = dir.filePath(QStringLiteral("0947.Err"));
        const QString report = dir.filePath(QStringLiteral("00000001.PRN"));
        writeErrorFile(errorFile, errors);
        writeImportErrorReport(
            report, errorFile,
            {Declarant, QStringLiteral("DISTRIBUIDORA ANDINA S.A.C."), QStringLiteral("200506")});

        // With UPDATE_GOLDEN=1 the golden file is written instead: a deliberate, reviewed step.
        const QString difference = compareWithGolden(fileLines(report), QStringLiteral("import"),
                                                     QStringLiteral("per001_%1.prn").arg(errors));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void registeredInTheSpool()
    {
        ImportHost h;
        const QString errorFile = h.paths(ImportKind::Receipts).error;
        writeErrorFile(errorFile, 2);
        const QString first = produceImportErrorReport(h.db(), h.session(), errorFile);
        const QString second = produceImportErrorReport(h.db(), h.session(), errorFile);
        QCOMPARE(first, h.session().rutaReportes + QStringLiteral("/00000001.PRN"));
        QCOMPARE(second, h.session().rutaReportes + QStringLiteral("/00000002.PRN"));
        QSqlQuery rows = h.db().run(QStringLiteral(
            "SELECT CodRep, Secuencia, Usuario, tip_doc_d, Doc_id_d FROM SPOOL ORDER BY Archivo"));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toString(), QStringLiteral("PER001"));
        QCOMPARE(rows.value(1).toString(), QStringLiteral("000001"));
        QCOMPARE(rows.value(2).toString(), h.session().usuarioSistema);
        QCOMPARE(rows.value(3).toInt(), 6);
        QCOMPARE(rows.value(4).toString(), Declarant);
        const QStringList lines = fileLines(second);
        QVERIFY(lines.contains(QStringLiteral("pPos|10|1575|               CONTRIBUYENTE:  20100123453  "
                                              "DISTRIBUIDORA ANDINA S.A.C.") +
                               QString(110 - 15 - 16 - 11 - 2 - 27, QLatin1Char(' ')) +
                               QStringLiteral("|False|8|0|")));
    }
};
DECL_TEST(TestImportErrorReport)

#include "tst_errorreport.moc"
