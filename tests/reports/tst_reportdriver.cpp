#include "dberror.h"
#include "markupreader.h"
#include "messages.h"
#include "reportdriver.h"
#include "reportwriter.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

class TestReportDriver : public QObject {
    Q_OBJECT
private slots:
    void runsTheRegisteredWriter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("00000007.PRN"));
        ReportKinds kinds;
        kinds.add(reportkind::Declaration, [](ReportWriter&, const QVariant&) -> int {
            throw ReportRunError(reporterror::Internal, QStringLiteral("replaced"));
        });
        int width = 0;
        kinds.add(reportkind::Declaration, [&](ReportWriter& writer, const QVariant& parameter) {
            width = writer.width();
            writer.EmitePos(100, 200, parameter.toString(), false, 8, 0);
            writer.EmitePos(0, 0, QStringLiteral("pNuevaHoja"), false, 0, 0);
            writer.EmitePos(100, 200, parameter.toString(), false, 8, 1);
            return 2;
        });
        ScriptedMessages messages;
        const ReportRun run =
            ImprimeReporte(kinds, messages, reportkind::Declaration, path, QStringLiteral("947200506"));
        QVERIFY(run.ok);
        QCOMPARE(run.pages, 2);
        QCOMPARE(width, 104);
        QVERIFY(messages.shown().isEmpty());
        const std::optional<ReportMarkup> markup = readMarkupFile(path);
        QVERIFY(markup);
        QCOMPARE(markup->commands.size(), 3);
        QCOMPARE(markup->commands.last().text, QStringLiteral("947200506"));
    }

    void failuresBecomeMessages_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>(
            "failure"); // what the writer throws: an error number, 0 for a database error, -1 for any other
        QTest::addColumn<QString>("text");

        const int kind = reportkind::ImportErrors;
        QTest::newRow("nothing to print")
            << kind << reporterror::NoData << QStringLiteral("No Existe Información a Imprimir.Verifique.");
        QTest::newRow("no printer") << kind << reporterror::NoPrinter
                                    << QStringLiteral("No existe una impresora seleccionada.Verifique.");
        QTest::newRow("cancelled") << kind << reporterror::Cancelled
                                   << QStringLiteral("La Impresión ha sido Cancelada.");
        QTest::newRow("database") << kind << 0 << QStringLiteral("Error Técnico : (3051) Base bloqueada");
        QTest::newRow("anything else") << kind << -1 << QStringLiteral("Error Técnico : (51) sin memoria");
        QTest::newRow("kind not registered")
            << 9 << -1 << QStringLiteral("Error Técnico : (5) Tipo de reporte no registrado: 9");
    }
    void failuresBecomeMessages()
    {
        QFETCH(int, kind);
        QFETCH(int, failure);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("00000001.PRN"));
        ReportKinds kinds;
        kinds.add(reportkind::ImportErrors, [failure](ReportWriter& writer, const QVariant&) -> int {
            writer.EmiteLinea(QStringLiteral("antes del error"));
            if (failure > 0)
                throw ReportRunError(failure);
            if (failure == 0)
                throw DbError(DbError::Locked, QStringLiteral("Base bloqueada"));
            throw std::runtime_error("sin memoria");
        });
        ScriptedMessages messages;
        const ReportRun run = ImprimeReporte(kinds, messages, kind, path);
        QVERIFY(!run.ok);
        QCOMPARE(messages.texts(), QStringList{text});
        QCOMPARE(messages.shown().first().title, QStringLiteral("Impresión"));
        QCOMPARE(messages.shown().first().icon, MsgIcon::Critical);
        // The file was closed with what the writer had written.
        if (kind == reportkind::ImportErrors)
            QCOMPARE(readMarkupFile(path)->commands.size(), 1);
    }

    void unwritableReportFile()
    {
        ReportKinds kinds;
        bool ran = false;
        kinds.add(reportkind::ImportErrors, [&](ReportWriter&, const QVariant&) {
            ran = true;
            return 1;
        });
        ScriptedMessages messages;
        const ReportRun run = ImprimeReporte(kinds, messages, reportkind::ImportErrors,
                                             QStringLiteral("/nonexistent-folder/00000001.PRN"));
        QVERIFY(!run.ok);
        QVERIFY(!ran);
        QVERIFY2(messages.texts().value(0).startsWith(
                     QStringLiteral("Error Técnico : (75) No se puede crear el archivo")),
                 qPrintable(messages.texts().value(0)));
    }
};
DECL_TEST(TestReportDriver)
#include "tst_reportdriver.moc"
