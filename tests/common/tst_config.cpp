#include "configuration.h"
#include "inifile.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestConfig : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_previousCurrent;

    void writeIni(const QByteArray& content)
    {
        QFile file(QDir(m_dir.path()).filePath(QStringLiteral("KV000.INI")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void initTestCase()
    {
        m_previousCurrent = QDir::currentPath();
        qputenv("KOVA_WINDIR", m_dir.path().toLocal8Bit());
    }
    void cleanupTestCase()
    {
        QDir::setCurrent(m_previousCurrent);
        qunsetenv("KOVA_WINDIR");
    }

    void readsValuesAsTheIntegratorWritesThem()
    {
        const QString sys = m_dir.path() + QStringLiteral("/");
        writeIni("; integrator\r\n[options]\r\nsyspath =  " + sys.toLocal8Bit() +
                 "   \r\nDBPath=/data/\r\nDBName= KOVA.db \r\n\r\n[Other]\r\nSysUser=NOBODY\r\n");
        Session s;
        LeeConfiguracion(s);
        QCOMPARE(s.rutaSistema, sys);
        QCOMPARE(s.rutaBaseDatos, QStringLiteral("/data/KOVA.db"));
        QCOMPARE(s.rutaReportes, sys + QStringLiteral("RPT"));
        QCOMPARE(s.usuarioSistema, QString()); // SysUser lives in another section here
        QCOMPARE(QDir::currentPath() + QStringLiteral("/"), QDir(sys).canonicalPath() + QStringLiteral("/"));
    }

    void keepsSysPathWithoutSeparatorAsItIs()
    {
        writeIni("[Options]\nSysPath=" + m_dir.path().toLocal8Bit() + "\nSysUser=ADMIN\n");
        Session s;
        LeeConfiguracion(s);
        QCOMPARE(s.rutaSistema, m_dir.path());
        QCOMPARE(s.rutaReportes, m_dir.path() + QStringLiteral("RPT"));
        QCOMPARE(s.usuarioSistema, QStringLiteral("ADMIN"));
        QCOMPARE(s.rutaBaseDatos, QString());
    }

    void refusesMissingFileAndEmptySysPath()
    {
        writeIni("[Options]\r\nDBName=KOVA.db\r\n");
        Session s;
        QVERIFY_THROWS_EXCEPTION(ConfigError, LeeConfiguracion(s));
        QFile::remove(QDir(m_dir.path()).filePath(QStringLiteral("KV000.INI")));
        QVERIFY_THROWS_EXCEPTION(ConfigError, LeeConfiguracion(s));
    }

    void valueIsCutToTheBufferAndWritingKeepsOtherLines()
    {
        const QByteArray longValue(300, 'x');
        writeIni("[Options]\r\n; keep me\r\nSysPath=" + longValue + "\r\n[Tail]\r\nA=1\r\n");
        IniFile ini(QDir(m_dir.path()).filePath(QStringLiteral("KV000.INI")));
        QVERIFY(ini.load());
        QCOMPARE(ini.value(QStringLiteral("OPTIONS"), QStringLiteral("SYSPATH")).size(), 254);
        QCOMPARE(ini.value(QStringLiteral("Options"), QStringLiteral("Missing")), QString());

        QVERIFY(ini.setValue(QStringLiteral("Options"), QStringLiteral("SystemDB"),
                             QStringLiteral("/k/KV000.MDW")));
        QVERIFY(ini.setValue(QStringLiteral("Options"), QStringLiteral("sysPath"), QStringLiteral("/k/")));
        IniFile again(ini.path());
        QVERIFY(again.load());
        QCOMPARE(again.value(QStringLiteral("options"), QStringLiteral("systemdb")),
                 QStringLiteral("/k/KV000.MDW"));
        QCOMPARE(again.value(QStringLiteral("Options"), QStringLiteral("SysPath")), QStringLiteral("/k/"));
        QCOMPARE(again.value(QStringLiteral("Tail"), QStringLiteral("A")), QStringLiteral("1"));
        QFile file(ini.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("; keep me\r\n"));
    }
};
DECL_TEST(TestConfig)
#include "tst_config.moc"
