#include "clitestkit.h"
#include "hostdatabase.h"
#include "saveddeclaration.h"
#include "testhost.h"
#include "testregistry.h"

#include <QDir>
#include <QTest>

class TestDeclsummaryProgram : public QObject {
    Q_OBJECT
    ProgramRunner m_declsummary{QStringLiteral("declsummary")};

    static QStringList files(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void run_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<bool>("empty");
        const QString base = QStringLiteral("0947200504A00012345");
        const QStringList written = {QStringLiteral("00000001.PRN"), base + QStringLiteral(".PRN"),
                                     base + QStringLiteral(".txt")};
        const QString line = SavedDeclaration().commandLine();
        QTest::newRow("saved declaration") << line << 0 << "" << written << false;
        QTest::newRow("declaration never saved")
            << SavedDeclaration(QStringLiteral("200505")).commandLine() << 2
            << "No existe la declaración del formulario 0947 del documento 20100123453 para el período "
               "200505."
            << QStringList{QStringLiteral("00000001.PRN"), QStringLiteral("0947200505A00012345.PRN"),
                           QStringLiteral("0947200505A00012345.txt")}
            << true;
        QTest::newRow("malformed line") << line.left(21) + QStringLiteral("2005AB") + line.mid(27) << 2
                                        << "Uso: declsummary \"LINEA\"" << QStringList() << true;
    }
    void run()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QStringList, reports);
        QFETCH(bool, empty);
        TestHost host;
        SavedDeclaration().cash("1500").box("405", "1500").box("410", "1500").store(host.db());

        const ChildRun run = m_declsummary.run(host.iniFolder(), {line});
        const QString mismatch = run.mismatch(status, message);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

        const QString rpt = host.session().rutaReportes + QLatin1Char('/');
        QCOMPARE(files(rpt), reports);
        QCOMPARE(host.db().scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt(),
                 reports.isEmpty() ? 0 : 1);
        if (!reports.isEmpty()) {
            const QString text = reports.last();
            const QString delivered = text.left(text.size() - 4) + QStringLiteral(".TXT");
            QCOMPARE(files(host.folder() + QStringLiteral("TMP")), QStringList{delivered});
            QCOMPARE(fileBytes(host.folder() + QStringLiteral("TMP/") + delivered), fileBytes(rpt + text));
            QCOMPARE(fileBytes(rpt + text).isEmpty(), empty);
            QCOMPARE(fileLines(host.folder() + QStringLiteral("Trace.txt")).size(), 1);
            if (!empty)
                QVERIFY(fileLines(rpt + reports.first())
                            .contains(QStringLiteral(
                                "pPos|300|5000|NC 00012345  Fec.Generación: 15/06/2005|False|10|0|")));
        }
        // Nothing is written where the program was started: Trace.txt goes to the integrator
        // folder, which the configuration makes current.
        QCOMPARE(m_declsummary.leftInWorkFolder(), QStringList());
    }
};
DECL_TEST(TestDeclsummaryProgram)
#include "tst_declsummary_program.moc"
