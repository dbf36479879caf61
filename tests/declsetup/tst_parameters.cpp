#include "declsetupfixture.h"
#include "hostdatabase.h"
#include "installer.h"
#include "sendingdirectory.h"
#include "testhost.h"
#include "testregistry.h"

#include <QFile>
#include <QTest>

using namespace declsetuptest;

namespace {

struct ExpectedParam {
    const char* numero;
    const char* argumento;
    const char* funcion;
    const char* correl;
};

// The module's PARAM rows, exactly and in the order the installer writes them.
const ExpectedParam expectedParams[] = {
    {"968", "010909120021014", "00.0099PERCEPCIONES 0.009901", "001"},
    {"967", "01", "HIDROCARBUROS                           1", ""},
    {"996", "165", "F947PCAB       R 1000   6", ""},
    {"996", "166", "HF947PCAB      R 1000   7", ""},
    {"996", "167", "F947PDET       R 1000   8", ""},
    {"996", "168", "HF947PDET      R 1000   9", ""},
    {"996", "169", "F947PDETCP     R 1000  10", ""},
    {"996", "170", "HF947PDETCP    R 1000  10", ""},
    {"996", "325", "F947PDETVC     R 1000   9", ""},
    {"996", "326", "HF947PDETVC    R 1000  10", ""},
    {"981", "0947", "968", "001"},
    {"233", "01", "FACTURA                                       10100 0 1 FACT 0111110", ""},
    {"233", "03", "BOLETA DE VENTA                               00100 0 1 BOLE 0010010", ""},
    {"233", "07", "NOTA DE CREDITO                               00001 1 1 CRED 1111011", ""},
    {"233", "08", "NOTA DE DEBITO                                10100 0 1 DEBI 0111110", ""},
    {"233", "12", "TICKET DE MAQUINA REGISTRADORA                10100 0 0 TICK 0111110", ""},
    {"233", "99", "OTROS                                         10100 0 0 OTRO 0111110", ""},
    {"856", "0947", "1.2 29/08/2014     790", "000"},
    {"992", "0947", "1", ""},
};

const QStringList expectedReports = {
    QStringLiteral("'PER001'|'Reporte de Errores de Transferencia - 0947'|1"),
    QStringLiteral("'PER002'|'Reporte de Declaraciones - 0947'|1"),
    QStringLiteral("'PER003'|'Reporte de Anexos - 0947'|1"),
    QStringLiteral("'PER004'|'Reporte de Envío  -  0947'|1"),
};

/// The expected rows in the form moduleParams() gives, the last column always a text.
QStringList expectedParamRows()
{
    QStringList rows;
    for (const ExpectedParam& p : expectedParams)
        rows.append(QStringList{QLatin1String(p.numero), QLatin1String(p.argumento), QLatin1String(p.funcion),
                                QLatin1String(p.correl), QStringLiteral("text")}
                        .join(QLatin1Char('|')));
    return rows;
}

void writeSendingFile(const TestHost& host, const QByteArray& contents)
{
    QFile file(sendingFilePath(host.folder()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

QString recordText(const SendingRecord& r)
{
    return QStringList{r.tablaO,
                       r.tablaD,
                       r.tablaExt,
                       QString::number(r.indice),
                       QString::number(r.obliga),
                       QString::number(r.cTipDocD),
                       QString::number(r.cDocIdD),
                       QString::number(r.cFormulario),
                       QString::number(r.cPeriodo),
                       QString::number(r.cEstado),
                       QString::number(r.cEnvio),
                       QString::number(r.cSemana)}
        .join(QLatin1Char('|'));
}

} // namespace

class TestModuleParameters : public QObject {
    Q_OBJECT
private slots:
    void rowsAreWrittenExactlyAndInOrder()
    {
        TestHost host(TestHost::HostOnly);
        HostDatabase& db = host.db();
        const QString oldRate = QStringLiteral("010909120020601");
        // The rate row of an earlier version goes before the new rows are written.
        db.execute(QStringLiteral("INSERT INTO PARAM VALUES (?, ?, ?, ?)"),
                   {QStringLiteral("968"), oldRate, QStringLiteral("00.0200PERCEPCIONES 0.02"),
                    QStringLiteral("001")});

        QCOMPARE(runInstaller(host.messages()), InstallStatus::Installed);
        QCOMPARE(host.messages().texts(), QStringList());
        QCOMPARE(moduleParams(db), expectedParamRows());
        QVERIFY(!db.exists(QStringLiteral("SELECT 1 FROM PARAM WHERE Argumento = ?"), {oldRate}));
        QCOMPARE(tableRows(db, QStringLiteral("reportes")), expectedReports);
    }

    void secondRunRewritesRowsInPlace()
    {
        TestHost host(TestHost::HostOnly);
        writeSendingFile(host, "0947|F947PCAB|HF947PCAB|PCAB|1|1|1|2|4|3|0|0|0|\n"
                               "0947|F947PDET|HF947PDET|PDET|2|0|1|2|4|3|0|0|0|\n");
        QCOMPARE(runInstaller(host.messages()), InstallStatus::Installed);

        HostDatabase& db = host.db();
        db.execute(QStringLiteral("UPDATE PARAM SET Funcion = ? WHERE Numero = ?"),
                   {QStringLiteral("1.1 01/04/2005     790"), QStringLiteral("856")});
        db.execute(QStringLiteral("UPDATE PARAM SET Correl_Param = NULL WHERE Numero = ? AND Argumento = ?"),
                   {QStringLiteral("233"), QStringLiteral("07")});
        db.execute(QStringLiteral("DELETE FROM PARAM WHERE Numero = ? AND Argumento = ?"),
                   {QStringLiteral("996"), QStringLiteral("326")});
        db.execute(QStringLiteral("UPDATE reportes SET titulo = ? WHERE codigo = ?"),
                   {QStringLiteral("Anexos"), QStringLiteral("PER003")});
        writeSendingFile(host, "0947|F947PCAB|HF947PCAB|PCAB|1|1|1|2|4|3|0|0|0|\n"
                               "0947|F947PDET|HF947PDET|PDET2|5|1|0|1.5|4|3|1|1|2|\n");

        QCOMPARE(runInstaller(host.messages()), InstallStatus::Installed);
        QCOMPARE(host.messages().texts(), QStringList());
        QStringList stored = moduleParams(db);
        QStringList expected = expectedParamRows();
        stored.sort();
        expected.sort();
        QCOMPARE(stored, expected);
        QCOMPARE(tableRows(db, QStringLiteral("reportes")), expectedReports);
        QCOMPARE(tableRows(db, QStringLiteral("envio_t")),
                 (QStringList{QStringLiteral("'0947'|'F947PCAB'|'HF947PCAB'|'PCAB'|1|1|1|2|4|3|0|0|0"),
                              QStringLiteral("'0947'|'F947PDET'|'HF947PDET'|'PDET2'|5|1|0|1.5|4|3|1|1|2")}));
    }

    void sendingFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QList<int>>("skippedLines");
        const QString pcab = QStringLiteral("F947PCAB|HF947PCAB|PCAB|1|1|1|2|4|3|0|0|0");
        const QString pdet = QStringLiteral("F947PDET|HF947PDET|PDET|2|0|1|2|4|3|0|0|0");
        const QByteArray pcabLine = "0947|F947PCAB|HF947PCAB|PCAB|1|1|1|2|4|3|0|0|0|";
        const QByteArray pdetLine = "0947|F947PDET|HF947PDET|PDET|2|0|1|2|4|3|0|0|0|";
        QTest::newRow("windows line ends") << pcabLine + "\r\n" + pdetLine + "\r\n"
                                           << QStringList{pcab, pdet} << QList<int>{};
        QTest::newRow("blanks around fields")
            << QByteArray("0947| F947PDET |HF947PDET | PDET| 2|0 |1|2|4|3|0|0|0|") << QStringList{pdet}
            << QList<int>{};
        QTest::newRow("no end of line, more fields than read")
            << pcabLine + "extra|" << QStringList{pcab} << QList<int>{};
        QTest::newRow("line with too few fields skipped")
            << pcabLine + "\n0947|F947PDETCP|HF947PDETCP|PDETCP|3|0|0|1|3|2|0|0|0\n" + pdetLine
            << QStringList{pcab, pdet} << QList<int>{2};
        QTest::newRow("number field not a number")
            << QByteArray("0947|F947PCAB|HF947PCAB|PCAB|1|1|1|2|4|tres|0|0|0|\n") + pdetLine
            << QStringList{pdet} << QList<int>{1};
        QTest::newRow("byte field out of range")
            << pdetLine + "\n0947|F947PCAB|HF947PCAB|PCAB|256|1|1|2|4|3|0|0|0|" << QStringList{pdet}
            << QList<int>{2};
        QTest::newRow("reading stops at a blank line")
            << pcabLine + "\n   \n" + pdetLine << QStringList{pcab} << QList<int>{};
    }
    void sendingFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, records);
        QFETCH(QList<int>, skippedLines);

        TestHost host(TestHost::HostOnly);
        writeSendingFile(host, contents);
        const SendingFile file = readSendingDirectory(sendingFilePath(host.folder()));
        QVERIFY(file.found);
        QStringList read;
        for (const SendingRecord& r : file.records)
            read.append(recordText(r));
        QCOMPARE(read, records);
        QList<int> skipped;
        for (const SendingLineProblem& problem : file.problems)
            skipped.append(problem.line);
        QCOMPARE(skipped, skippedLines);

        // The installer tells of each skipped line, by its number, once, and installs the rest.
        QCOMPARE(runInstaller(host.messages()), InstallStatus::Installed);
        QCOMPARE(host.messages().shown().size(), skippedLines.size());
        for (int i = 0; i < skippedLines.size(); ++i)
            QVERIFY2(host.messages().shown()[i].text.startsWith(
                         QStringLiteral("La línea %1 del archivo ").arg(skippedLines[i])),
                     qPrintable(host.messages().shown()[i].text));
        QCOMPARE(tableRows(host.db(), QStringLiteral("envio_t")).size(), records.size());
    }
};
DECL_TEST(TestModuleParameters)
#include "tst_parameters.moc"
