#include "clitestkit.h"
#include "clock.h"
#include "hostdatabase.h"
#include "reportwriter.h"
#include "saveddeclaration.h"
#include "submissionargs.h"
#include "summaryrun.h"
#include "testhost.h"
#include "testregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <functional>

namespace {
using Declaration = std::function<SavedDeclaration()>;

SummaryOutcome summarize(TestHost& host, const SavedDeclaration& declaration)
{
    return runSubmissionSummary(
        host.session(), host.db(),
        SubmissionArgs::parse(declaration.commandLine(QStringLiteral("A"), QStringLiteral("00012345"))));
}

QString markupLine(int x, int y, const QString& text)
{
    return QStringLiteral("pPos|%1|%2|").arg(x).arg(y) + text + QStringLiteral("|False|10|0|");
}
} // namespace

Q_DECLARE_METATYPE(Declaration)

class TestSummary : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setNow(QDateTime(QDate(2005, 6, 15), QTime(10, 30, 0))); }
    void cleanup() { Clock::setNow({}); }

    void reportAndTextMatchGolden_data()
    {
        QTest::addColumn<Declaration>("declaration");
        QTest::addColumn<QStringList>("markupLines");
        QTest::newRow("cash") << Declaration([] {
            SavedDeclaration d;
            d.cash("1234567").box("405", "1234567").box("410", "1234567");
            return d;
        })
                              << QStringList{markupLine(2000, 4000, QStringLiteral("      1,234,567")),
                                             markupLine(3900, 4500, QStringLiteral("      1,234,567"))};
        QTest::newRow("cheque")
            << Declaration([] {
                   SavedDeclaration d;
                   d.cheque("02", "000123456", "2500").box("405", "2500").rectifica("1");
                   return d;
               })
            << QStringList{
                   markupLine(300, 2750, QStringLiteral("BANCO           : 02 - BANCO DE CREDITO ANDINO")),
                   markupLine(3900, 4000, QString(10, QLatin1Char(' ')))};
    }
    void reportAndTextMatchGolden()
    {
        QFETCH(Declaration, declaration);
        QFETCH(QStringList, markupLines);
        TestHost host;
        declaration().store(host.db());
        const SummaryOutcome outcome = summarize(host, declaration());
        QVERIFY(outcome.declarationFound);

        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QStringList report = fileLines(outcome.files.report);
        QString difference =
            compareWithGolden(report, QStringLiteral("declsummary"), name + QStringLiteral(".PRN"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        difference = compareWithGolden(fileLines(outcome.files.text), QStringLiteral("declsummary"),
                                       name + QStringLiteral(".txt"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        for (const QString& line : markupLines)
            QVERIFY2(report.contains(line), qPrintable(line));
        QCOMPARE(report[4], QStringLiteral("pPos|300|350|15/06/2005|True|10|0|"));
        QCOMPARE(report[5], QStringLiteral("pPos|300|600|10:30:00|True|10|0|"));
        QVERIFY(fileBytes(outcome.files.report).contains("ENV\xCDO - FORMULARIO  0947")); // Windows-1252
        QCOMPARE(fileBytes(outcome.files.delivered), fileBytes(outcome.files.text));
    }

    void period_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("shown");
        QTest::newRow("monthly") << "200504"
                                 << "04/2005";
        QTest::newRow("annual") << "200500"
                                << "2005";
    }
    void period()
    {
        QFETCH(QString, period);
        QFETCH(QString, shown);
        TestHost host;
        SavedDeclaration declaration(period);
        declaration.cash("100");
        declaration.store(host.db());
        const SummaryOutcome outcome = summarize(host, declaration);
        QVERIFY(outcome.declarationFound);
        QVERIFY(fileLines(outcome.files.report)
                    .contains(markupLine(300, 2250, QStringLiteral("PERIODO         : ") + shown)));
        QVERIFY(fileLines(outcome.files.text).contains(QStringLiteral("PERIODO        : ") + shown));
        QCOMPARE(QFileInfo(outcome.files.text).fileName(),
                 QStringLiteral("0947") + period + QStringLiteral("A00012345.txt"));
    }

    void documentShortName_data()
    {
        QTest::addColumn<bool>("rowThere");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("from PARAM 044") << true << "R.U.C.";
        QTest::newRow("no PARAM 044 row") << false << "RUC";
    }
    void documentShortName()
    {
        QFETCH(bool, rowThere);
        QFETCH(QString, shortName);
        TestHost host;
        const QString funcion = QStringLiteral(
            "REG. UNICO DE CONTRIBUYENTES   R.U.C.        11 000110 01 000001000001100111011111");
        if (rowThere)
            host.db().execute(
                QStringLiteral("UPDATE PARAM SET Funcion = ? WHERE Numero = '044' AND Argumento = '6'"),
                {funcion});
        else
            host.db().execute(QStringLiteral("DELETE FROM PARAM WHERE Numero = '044' AND Argumento = '6'"));
        SavedDeclaration declaration;
        declaration.cash("100").store(host.db());
        const SummaryOutcome outcome = summarize(host, declaration);
        QVERIFY(fileLines(outcome.files.report)
                    .contains(markupLine(300, 1500,
                                         QStringLiteral("DOCUMENTO       : ") + shortName +
                                             QStringLiteral("  20100123453"))));
    }

    void declarationNeverSavedGivesEmptyFiles()
    {
        TestHost host;
        const SummaryOutcome outcome = summarize(host, SavedDeclaration());
        QVERIFY(!outcome.declarationFound);
        const SummaryFiles& files = outcome.files;
        for (const QString& path : {files.report, files.plain, files.text, files.delivered}) {
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
            QCOMPARE(QFileInfo(path).size(), 0);
        }
        QCOMPARE(
            host.db().scalar(QStringLiteral("SELECT count(*) FROM SPOOL WHERE CodRep = 'PER004'")).toInt(),
            1);
    }

    void eachRunRegistersItsReportAndTracesItsStatement()
    {
        TestHost host;
        SavedDeclaration declaration;
        declaration.cash("100").store(host.db());
        summarize(host, declaration);
        const SummaryOutcome second = summarize(host, declaration);

        QCOMPARE(QFileInfo(second.files.report).fileName(), QStringLiteral("00000002.PRN"));
        QSqlQuery spool = host.db().run(QStringLiteral(
            "SELECT CodRep, Secuencia, Archivo, Usuario, tip_doc_d, Doc_id_d FROM SPOOL ORDER BY Archivo"));
        QStringList rows;
        while (spool.next()) {
            QStringList fields;
            for (int i = 0; i < 6; ++i)
                fields.append(spool.value(i).toString());
            rows.append(fields.join(QLatin1Char(' ')));
        }
        QCOMPARE(rows, (QStringList{QStringLiteral("PER004 000001 00000001.PRN ADMIN 6 20100123453"),
                                    QStringLiteral("PER004 000002 00000002.PRN ADMIN 6 20100123453")}));

        QCOMPARE(second.files.trace, host.folder() + QStringLiteral("Trace.txt"));
        const QString traced =
            QStringLiteral("SELECT bcolibrad, nrocheque, cheque, efectivo, rectifica FROM CAB WHERE "
                           "tip_doc_d = ? AND doc_id_d = ? AND periodo = ? AND formulario = ? "
                           "[6, 20100123453, 200504, 0947]");
        QCOMPARE(fileLines(second.files.trace), (QStringList{traced, traced}));
    }

    void reportThatCannotBeWrittenLeavesNoSpoolRow()
    {
        TestHost host;
        SavedDeclaration declaration;
        declaration.cash("100").store(host.db());
        QVERIFY(QDir(host.session().rutaReportes).removeRecursively());
        QVERIFY_THROWS_EXCEPTION(ReportError, summarize(host, declaration));
        QCOMPARE(host.db().scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt(), 0);
    }
};
DECL_TEST(TestSummary)
#include "tst_summary.moc"
