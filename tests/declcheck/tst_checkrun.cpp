#include "checkrun.h"
#include "clitestkit.h"
#include "clock.h"
#include "saveddeclaration.h"
#include "submissionargs.h"
#include "testhost.h"
#include "testregistry.h"
#include "textfile.h"

#include <QFile>
#include <QTest>

namespace {
const QString First = SavedDeclaration::OneReceiptSubject;
const QString Other = QStringLiteral("20444333228");

} // namespace

class TestCheckRun : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setNow(QDateTime(QDate(2005, 6, 15), QTime(10, 30, 0))); }
    void cleanup() { Clock::setNow({}); }

    void inconsistenciesLeaveReportAndMarker()
    {
        TestHost host;
        SavedDeclaration declaration = SavedDeclaration::oneReceipt();
        declaration.receipt(Other, "0002", "00000005", "200.00", "2.00")
            .voucher(First, "0009", "00000099", "50.00")
            .box(QStringLiteral("512"), QStringLiteral("15"));
        declaration.store(host.db());
        const SubmissionArgs args = SubmissionArgs::parse(declaration.commandLine(QStringLiteral("E")));

        QCOMPARE(runConsistencyCheck(host.session(), host.db(), args), CheckVerdict::Inconsistent);
        const CheckFiles files = checkFiles(host.session(), args);
        QCOMPARE(files.report,
                 host.folder() + QStringLiteral("TMP/0620100123453") + QStringLiteral("0947200504E.ERR"));
        QCOMPARE(files.marker,
                 host.folder() + QStringLiteral("TMP/0620100123453") + QStringLiteral("0947200504E.TXT"));
        const QStringList report = fileLines(files.report);
        QVERIFY(!report.isEmpty());
        QCOMPARE(report.first(),
                 QStringLiteral("15/06/2005") + QString(70, QLatin1Char(' ')) + QStringLiteral("10:30:00"));
        const QString difference =
            compareWithGolden(report, QStringLiteral("declcheck"), QStringLiteral("inconsistent.ERR"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(fileBytes(files.marker), QByteArray("0947 ERROR\r\n"));
    }

    void passingRunRemovesTheFilesOfAnEarlierRun()
    {
        TestHost host;
        const SavedDeclaration declaration = SavedDeclaration::oneReceipt();
        declaration.store(host.db());
        const SubmissionArgs args = SubmissionArgs::parse(declaration.commandLine());
        const CheckFiles files = checkFiles(host.session(), args);
        writeTextFile(files.report, {QStringLiteral("001) left over")});
        writeTextFile(files.marker, {MarkerLine});

        QCOMPARE(runConsistencyCheck(host.session(), host.db(), args), CheckVerdict::Passed);
        QVERIFY(!QFile::exists(files.report));
        QVERIFY(!QFile::exists(files.marker));
    }

    void declarationNeverSavedIsNotChecked()
    {
        TestHost host;
        SavedDeclaration::oneReceipt().store(host.db());
        const SubmissionArgs args =
            SubmissionArgs::parse(SavedDeclaration(QStringLiteral("200505")).commandLine());
        const CheckFiles files = checkFiles(host.session(), args);
        writeTextFile(files.marker, {MarkerLine});

        QCOMPARE(runConsistencyCheck(host.session(), host.db(), args), CheckVerdict::NoDeclaration);
        QVERIFY(!QFile::exists(files.report));
        QVERIFY(QFile::exists(files.marker));
    }
};
DECL_TEST(TestCheckRun)
#include "tst_checkrun.moc"
