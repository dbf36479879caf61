#include "configuration.h"
#include "hostutilities.h"
#include "inifile.h"
#include "integrator.h"
#include "kovariswindow.h"
#include "messages.h"
#include "opendb.h"
#include "testhost.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTest>

class TestKovaris : public QObject {
    Q_OBJECT
private slots:
    void initPreparesTheFolderAndKeepsDataOnASecondRun()
    {
        TestHost host(TestHost::HostOnly);
        const QString folder = host.folder();
        for (const char* sub : {"RPT", "TMP", "tmp", "0947"})
            QVERIFY2(QDir(folder + QLatin1String(sub)).exists(), sub);
        QVERIFY(QFile::exists(folder + QStringLiteral("tmp/env947.txt")));

        IniFile ini(kovaIniPath());
        QVERIFY(ini.load());
        QCOMPARE(ini.value(QStringLiteral("Options"), QStringLiteral("SysPath")), folder);
        QCOMPARE(ini.value(QStringLiteral("Options"), QStringLiteral("DBName")), integrator::DatabaseName);
        QCOMPARE(ini.value(QStringLiteral("Options"), QStringLiteral("SystemDB")),
                 folder + QStringLiteral("KV000.MDW"));

        HostDatabase& db = host.db();
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM CONT")).toInt(),
                 integrator::seedDeclarants().size());
        QVERIFY(db.exists(QStringLiteral("SELECT 1 FROM PARAM WHERE Numero = '004' AND Argumento = '00'")));
        for (const char* code : {"0151", "0152", "0221", "0228", "0239", "0853", "0854", "0855", "0868"})
            QVERIFY2(
                db.exists(QStringLiteral("SELECT 1 FROM ERROR WHERE CodError = ?"), {QLatin1String(code)}),
                code);
        HostUtilities utilities(host.messages());
        for (const QString& ruc : integrator::seedDeclarants())
            QVERIFY2(utilities.ValidaRuc(ruc), qPrintable(ruc));

        db.execute(QStringLiteral("UPDATE CONT SET Nombre = 'CAMBIADO' WHERE Doc_id_d = ?"),
                   {integrator::seedDeclarants().first()});
        host.closeDatabase();
        const integrator::InitResult again = integrator::initIntegrator(folder, host.iniFolder());
        QVERIFY(again.alreadyExisted);
        host.reopenDatabase();
        QCOMPARE(host.db()
                     .scalar(QStringLiteral("SELECT Nombre FROM CONT WHERE Doc_id_d = ?"),
                             {integrator::seedDeclarants().first()})
                     .toString(),
                 QStringLiteral("CAMBIADO"));
        QCOMPARE(host.db().scalar(QStringLiteral("SELECT count(*) FROM CONT")).toInt(),
                 integrator::seedDeclarants().size());
    }

    void windowIsCaptionedForTheModulesAndStopsThem()
    {
        TestHost host(TestHost::HostOnly);
        ScriptedMessages messages;
        KovarisWindow window(messages);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Kovaris"));

        HostUtilities utilities(messages);
        QVERIFY(utilities.PuedeContinuar());
        auto* stop = window.findChild<QCheckBox*>(QStringLiteral("ChkDetener"));
        QVERIFY(stop && stop->isEnabled());
        stop->setChecked(true);
        QVERIFY(!utilities.PuedeContinuar());
        stop->setChecked(false);
        QVERIFY(utilities.PuedeContinuar());
        QVERIFY(messages.shown().isEmpty());
    }
};
DECL_TEST(TestKovaris)
#include "tst_kovaris.moc"
