#include "cp1252.h"
#include "hostdatabase.h"
#include "reportwriter.h"
#include "spool.h"
#include "testhost.h"
#include "testregistry.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringList lines = fromCp1252(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

class TestReportWriter : public QObject {
    Q_OBJECT
private slots:
    void spoolNumbering()
    {
        TestHost host(TestHost::HostOnly);
        HostDatabase& db = host.db();
        QCOMPARE(RegistraSpool(db, reportcode::ImportErrors, 6, QStringLiteral("20100123453"),
                               QStringLiteral("ADMIN")),
                 QStringLiteral("00000001.PRN"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT Secuencia FROM SPOOL WHERE Archivo = '00000001.PRN'"))
                     .toString(),
                 QStringLiteral("000001"));

        db.execute(QStringLiteral(
            "INSERT INTO SPOOL (CodRep, Secuencia, Archivo, Fecha, Usuario, tip_doc_d, Doc_id_d) "
            "VALUES ('PER003', '000007', '00000041.PRN', '2026-01-01 00:00:00', 'ADMIN', 6, '')"));
        QCOMPARE(RegistraSpool(db, reportcode::ImportErrors, 6, QString(), QStringLiteral("ADMIN")),
                 QStringLiteral("00000042.PRN"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT Secuencia FROM SPOOL WHERE Archivo = '00000042.PRN'"))
                     .toString(),
                 QStringLiteral("000002"));
        QCOMPARE(RegistraSpool(db, reportcode::Annexes, 6, QString(), QStringLiteral("ADMIN")),
                 QStringLiteral("00000043.PRN"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT Secuencia FROM SPOOL WHERE Archivo = '00000043.PRN'"))
                     .toString(),
                 QStringLiteral("000008"));
    }

    void concurrentProgramsNeverShareAFile()
    {
        TestHost host(TestHost::HostOnly);
        const QString worker = qEnvironmentVariable("DECL_BIN_DIR") + QStringLiteral("/spool_worker");
        QVERIFY2(QFile::exists(worker), qPrintable(worker));
        const int perWorker = 200;
        QList<QProcess*> workers;
        for (int i = 0; i < 2; ++i) {
            auto* p = new QProcess(this);
            p->start(worker, {host.session().rutaBaseDatos, QString::number(perWorker)});
            workers.append(p);
        }
        for (QProcess* p : workers) {
            QVERIFY(p->waitForFinished(120000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        QSqlQuery rows = host.db().run(QStringLiteral("SELECT Archivo, Secuencia FROM SPOOL"));
        QSet<QString> files, sequences;
        while (rows.next()) {
            files.insert(rows.value(0).toString());
            sequences.insert(rows.value(1).toString());
        }
        QCOMPARE(files.size(), 2 * perWorker);
        QCOMPARE(sequences.size(), 2 * perWorker);
        QVERIFY(files.contains(QStringLiteral("00000400.PRN")));
    }

    void plainLinesBreakPagesAtTheWidthsLimit_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("limit");
        QTest::newRow("narrow") << 82 << 85;
        QTest::newRow("default") << 104 << 83;
        QTest::newRow("wide") << 146 << 83;
        QTest::newRow("landscape") << 150 << 64;
    }
    void plainLinesBreakPagesAtTheWidthsLimit()
    {
        QFETCH(int, width);
        QFETCH(int, limit);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r.PRN"));
        int headers = 0;
        {
            ReportWriter writer(path);
            writer.setWidth(width);
            writer.setPageHeader([&](ReportWriter& w) {
                ++headers;
                w.setCursorY(0);
                w.EmitePos(100, 50, QStringLiteral("HEADER %1"), true, 10, w.page() - 1);
            });
            for (int i = 1; i <= limit + 1; ++i)
                writer.EmiteLinea(QStringLiteral("line %1").arg(i));
            writer.close();
        }
        const QStringList lines = linesOf(path);
        QCOMPARE(headers, 1);
        QCOMPARE(lines.size(), limit + 3);
        QCOMPARE(lines.first(), QStringLiteral("pPos|10|175|line 1|False|8|0|"));
        QCOMPARE(lines[limit - 1],
                 QStringLiteral("pPos|10|%1|line %2|False|8|0|").arg(limit * 175).arg(limit));
        QCOMPARE(lines[limit], QStringLiteral("pNuevaHoja"));
        QCOMPARE(lines[limit + 1], QStringLiteral("pPos|100|50|HEADER %1|True|10|1|"));
        QCOMPARE(lines[limit + 2], QStringLiteral("pPos|10|175|line %1|False|8|1|").arg(limit + 1));
    }

    void tagsOnlyOnTheFirstPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r.PRN"));
        ReportWriter writer(path);
        writer.EmiteLinea(ReportWriter::tag(QStringLiteral("font"), QStringLiteral("Courier New")));
        writer.EmitePos(0, 0, ReportWriter::tag(QStringLiteral("Orientacion"), QStringLiteral("V")), false, 0,
                        0);
        writer.EmitePos(0, 0, QStringLiteral("   "), false, 0, 0);
        writer.EmiteCuadro(10, 20, 30, 40, 0);
        writer.EmitePos(0, 0, QStringLiteral("pNuevaHoja"), false, 0, 0);
        QCOMPARE(writer.lineCount(), 1); // only EmiteLinea counts lines
        for (int i = writer.lineCount(); i < writer.pageLimit(); ++i)
            writer.EmiteLinea(QStringLiteral("Año ÑANDÚ"));
        QCOMPARE(writer.page(), 2);
        const int before = writer.lineCount();
        writer.EmiteLinea(QStringLiteral("<!nHojas!>2<!/nHojas!>"));
        writer.EmitePos(0, 0, QStringLiteral("<!Color!>&H80000005&<!/Color!>"), false, 0, 1);
        QCOMPARE(writer.lineCount(), before);
        writer.close();

        const QStringList lines = linesOf(path);
        QCOMPARE(lines[0], QStringLiteral("<!font!>Courier New<!/font!>"));
        QCOMPARE(lines[1], QStringLiteral("<!Orientacion!>V<!/Orientacion!>"));
        QCOMPARE(lines[2], QStringLiteral("pPos|0|0|   |False|0|0|"));
        QCOMPARE(lines[3], QStringLiteral("pCuadro|10|20|30|40|0|"));
        QCOMPARE(lines[4], QStringLiteral("pNuevaHoja"));
        QCOMPARE(lines[5], QStringLiteral("pPos|10|175|Año ÑANDÚ|False|8|0|"));
        QCOMPARE(lines.last(), QStringLiteral("pNuevaHoja"));
        QVERIFY(!lines.join(QString()).contains(QStringLiteral("nHojas")));

        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QVERIFY(bytes.contains("A\xF1o \xD1"
                               "AND\xDA")); // Windows-1252
    }

    void unwritableFileIsReported()
    {
        QVERIFY_THROWS_EXCEPTION(ReportError, ReportWriter(QStringLiteral("/nonexistent-folder/x.PRN")));
    }
};
DECL_TEST(TestReportWriter)
#include "tst_writer.moc"
