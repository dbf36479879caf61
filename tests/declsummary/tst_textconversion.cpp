#include "clitestkit.h"
#include "testregistry.h"
#include "textconversion.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextConversion : public QObject {
    Q_OBJECT
private slots:
    void formattingLinesAreLeftOut()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("r.PRN"));
        const QString target = dir.filePath(QStringLiteral("r.txt"));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<!font!>Courier New<!/font!>\r\n"
                   "DOCUMENTO      : RUC  20100123453\r\n"
                   "<!fontsize!>10<!/fontsize!>\r\n"
                   "<!bold!>\r\n"
                   "  Fec.Generaci\xF3n: 15/06/2005  \r\n"
                   "texto <!np!>\r\n"
                   "\r\n"
                   "fin");
        file.close();

        convertReportToText(source, target);
        QCOMPARE(fileBytes(target), QByteArray("DOCUMENTO      : RUC  20100123453\r\n"
                                               "  Fec.Generaci\xF3n: 15/06/2005  \r\n"
                                               "\r\n"
                                               "fin"));
    }

    void missingSourceIsReported_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("no file") << "r.PRN";
        QTest::newRow("no folder") << "missing/r.PRN";
        QTest::newRow("a folder") << ".";
    }
    void missingSourceIsReported()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("r.txt"));
        QVERIFY_THROWS_EXCEPTION(ConversionError, convertReportToText(dir.filePath(relative), target));
        QVERIFY(!QFile::exists(target));
    }
};
DECL_TEST(TestTextConversion)
#include "tst_textconversion.moc"
