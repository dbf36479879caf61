#include "checkrun.h"
#include "clitestkit.h"
#include "configuration.h"
#include "inifile.h"
#include "saveddeclaration.h"
#include "singleinstance.h"
#include "submissionargs.h"
#include "testhost.h"
#include "testregistry.h"

#include <QDir>
#include <QTest>

namespace {
const QString Usage = QStringLiteral("Uso: declcheck \"LINEA\"");
} // namespace

class TestDeclcheckProgram : public QObject {
    Q_OBJECT
    ProgramRunner m_declcheck{QStringLiteral("declcheck")};

private slots:
    void exitStatus_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("box512");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString line = SavedDeclaration::oneReceipt().commandLine();
        QTest::newRow("balanced") << "200504"
                                  << "10" << QStringList{line} << 0 << "";
        QTest::newRow("inconsistent")
            << "200504"
            << "13" << QStringList{line} << 1
            << "Error en la información a enviar: Existen datos inconsistentes en la "
               "información a enviar. Revisar el archivo ";
        QTest::newRow("annual declaration")
            << "200500"
            << "13" << QStringList{SavedDeclaration(QStringLiteral("200500")).commandLine()} << 1
            << "Revisar el archivo ";
        QTest::newRow("declaration never saved")
            << "200504"
            << "10" << QStringList{SavedDeclaration(QStringLiteral("200505")).commandLine()} << 2
            << "No existe la declaración del formulario 0947 del documento 20100123453 para el período "
               "200505.";
        QTest::newRow("no command line") << "200504"
                                         << "10" << QStringList() << 2 << Usage;
        QTest::newRow("line not quoted")
            << "200504"
            << "10" << line.split(QLatin1Char(' '), Qt::SkipEmptyParts) << 2 << "se recibieron 2";
        QTest::newRow("too short") << "200504"
                                   << "10" << QStringList{line.left(27)} << 2 << Usage;
        QString letters = line;
        letters.replace(21, 6, QStringLiteral("2005AB"));
        QTest::newRow("letters in the period") << "200504"
                                               << "10" << QStringList{letters} << 2 << "\"2005AB\"";
        QString quoted = line;
        quoted.replace(2, 15, QStringLiteral("1' OR '1'='1   "));
        QTest::newRow("quotes in the number")
            << "200504"
            << "10" << QStringList{quoted} << 2 << "número de documento (posiciones 3-17)";
    }
    void exitStatus()
    {
        QFETCH(QString, period);
        QFETCH(QString, box512);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        TestHost host;
        SavedDeclaration::oneReceipt(period).box(QStringLiteral("512"), box512).store(host.db());

        const ChildRun run = m_declcheck.run(host.iniFolder(), arguments);
        const QString mismatch = run.mismatch(status, message);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

        const QStringList left = QDir(host.folder() + QStringLiteral("TMP")).entryList(QDir::Files);
        if (status == 1) {
            const CheckFiles files = checkFiles(host.session(), SubmissionArgs::parse(arguments.first()));
            QVERIFY2(run.errors.contains(files.report), qPrintable(run.errors));
            QCOMPARE(fileLines(files.marker), QStringList{MarkerLine});
            QCOMPARE(fileLines(files.report).first(), QStringLiteral("15/06/2005") +
                                                          QString(70, QLatin1Char(' ')) +
                                                          QStringLiteral("10:30:00"));
            QCOMPARE(left.size(), 2);
        } else {
            QCOMPARE(left, QStringList());
        }
        // Nothing is written where the program was started.
        QCOMPARE(m_declcheck.leftInWorkFolder(), QStringList());
        // The document number was bound, never run as SQL.
        QVERIFY(host.db().hasTable(QStringLiteral("CAB")));
    }

    void unreachableDatabase()
    {
        TestHost host;
        IniFile ini(host.iniFolder() + QStringLiteral("/KV000.INI"));
        QVERIFY(ini.load());
        QVERIFY(ini.setValue(kovaini::Section, kovaini::DBName, QStringLiteral("MISSING.db")));
        const ChildRun run =
            m_declcheck.run(host.iniFolder(), {SavedDeclaration::oneReceipt().commandLine()});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.startsWith(QStringLiteral("Error de Conección: ")), qPrintable(run.errors));
    }

    void secondCopyIsRefused()
    {
        TestHost host;
        SavedDeclaration::oneReceipt().store(host.db());
        const bool hadTmpdir = qEnvironmentVariableIsSet("TMPDIR");
        const QByteArray previous = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_declcheck.lockFolder().toLocal8Bit());
        const SingleInstance running(QStringLiteral("declcheck"));
        if (hadTmpdir)
            qputenv("TMPDIR", previous);
        else
            qunsetenv("TMPDIR");
        QVERIFY(running.isFirst());

        const ChildRun run =
            m_declcheck.run(host.iniFolder(), {SavedDeclaration::oneReceipt().commandLine()});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errors.trimmed(),
                 QStringLiteral("Presentación Telemática: La aplicación ya se encuentra en Ejecución"));
    }
};
DECL_TEST(TestDeclcheckProgram)
#include "tst_declcheck_program.moc"
